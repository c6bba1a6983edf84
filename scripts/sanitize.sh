#!/usr/bin/env bash
# Builds everything with address and undefined-behaviour sanitizers into
# build-asan/ and runs the whole test suite there (windows offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
PENNANT_BUILD_DIR=build-asan PENNANT_BUILD_TYPE=Debug bash scripts/build.sh \
  -DPENNANT_SANITIZE=address,undefined -DPENNANT_WITH_GUI=ON -DPENNANT_WITH_BENCH=OFF
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
