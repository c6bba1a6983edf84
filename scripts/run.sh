#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pennant95.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [ -x build/src/ui/pennant95 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/src/ui/pennant95
fi
if [ -x build/src/ui/pennant95 ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot open here."
else
  echo "The window program was not built."
fi
echo "The calculator works from the command line too; an example Yankee:"
echo '  build/src/pennant-calc Yankee W:5/2 W:2/1 W:EVENS W:11/4'
echo
exec build/src/pennant-calc Yankee W:5/2 W:2/1 W:EVENS W:11/4
