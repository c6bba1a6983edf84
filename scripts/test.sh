#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (windows offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${PENNANT_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
