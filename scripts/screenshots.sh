#!/usr/bin/env bash
# Renews the README's screenshots in docs/ from the screenshot tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen build/tests/ui/test_ui --gtest_filter='Screenshot*:*Screenshot*' >/dev/null
cp build/screenshots/main_lucky15@1x.png docs/main-window.png
cp build/screenshots/log_viewer@1x.png docs/log-viewer.png
echo "docs/main-window.png and docs/log-viewer.png renewed"
