#!/usr/bin/env bash
# Configures and builds into build/ (or $PENNANT_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PENNANT_BUILD_DIR:-build}
# PENNANT_CMAKE_ARGS adds settings from the environment (CI turns warnings
# into errors that way).
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${PENNANT_BUILD_TYPE:-RelWithDebInfo} ${PENNANT_CMAKE_ARGS:-} "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
