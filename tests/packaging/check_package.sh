#!/usr/bin/env bash
# Checks that a built pennant95 .deb holds what an installed copy needs and
# depends on the Qt libraries it links.
set -euo pipefail
deb=$1
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
  /usr/bin/pennant95
  /usr/bin/pennant-calc
  /usr/share/pennant95/Pennant.hlp
  /usr/share/applications/org.pennant95.Pennant95.desktop
  /usr/share/metainfo/org.pennant95.Pennant95.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/org.pennant95.Pennant95.svg
  /usr/share/icons/hicolor/48x48/apps/org.pennant95.Pennant95.png
  /usr/share/icons/hicolor/256x256/apps/org.pennant95.Pennant95.png
  /usr/share/man/man1/pennant-calc.1.gz
)
status=0
for f in "${expected[@]}"; do
  if ! grep -qx "$f" <<<"$files"; then
    echo "missing from the package: $f" >&2
    status=1
  fi
done
# Nothing that a user's copy writes may be shipped.
if grep -Eiq '(pennant\.ini|\.bsl|log\.tmp)$' <<<"$files"; then
  echo "the package ships a settings or log file" >&2
  status=1
fi
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6; do
  if ! grep -q "$lib" <<<"$depends"; then
    echo "the package does not depend on $lib: $depends" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "package file list and dependencies: ok"
exit $status
