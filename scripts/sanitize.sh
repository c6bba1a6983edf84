#!/usr/bin/env bash
# Builds the core and its tests with address and undefined-behaviour
# sanitizers into build-asan/ and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
PENNANT_BUILD_DIR=build-asan PENNANT_BUILD_TYPE=Debug bash scripts/build.sh \
  -DPENNANT_SANITIZE=address,undefined -DPENNANT_WITH_GUI=OFF -DPENNANT_WITH_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
