#!/usr/bin/env bash
# Runs the project's clang-tidy checks over every source of src/ against the
# compile commands of build/; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
PENNANT_TIDY=1 bash scripts/setup.sh
[ -f build/compile_commands.json ] || bash scripts/build.sh
find src -name '*.cpp' -print0 | xargs -0 -P "$(nproc)" -n 4 clang-tidy -p build --quiet --warnings-as-errors='*' 2>/dev/null
echo "clang-tidy: no findings"
