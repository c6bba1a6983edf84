#!/usr/bin/env bash
# Builds the Debian package from a build configured for installation (files
# kept in the user's data directory, help in /usr/share/pennant95) into
# build-package/, then checks its file list.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
PENNANT_BUILD_DIR=build-package PENNANT_BUILD_TYPE=Release bash scripts/build.sh \
  -DPENNANT_INSTALLED_LAYOUT=ON -DCMAKE_INSTALL_PREFIX=/usr \
  -DPENNANT_WITH_TESTS=OFF -DPENNANT_WITH_BENCH=OFF
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/pennant95_*_amd64.deb)
bash tests/packaging/check_package.sh "$deb"
echo "$deb"
