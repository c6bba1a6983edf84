#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# a few seconds (FUZZ_SECONDS, default 20) from the seeds in fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
PENNANT_FUZZ=1 bash scripts/setup.sh
PENNANT_BUILD_DIR=build-fuzz bash scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ -DPENNANT_WITH_FUZZ=ON \
  -DPENNANT_WITH_GUI=OFF -DPENNANT_WITH_TESTS=OFF -DPENNANT_WITH_BENCH=OFF -DPENNANT_SANITIZE=address,undefined
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  echo "fuzzing $name for ${FUZZ_SECONDS:-20} s"
  "$target" -max_total_time="${FUZZ_SECONDS:-20}" -print_final_stats=0 "$corpus" 2>&1 | tail -n 2
  rm -rf "$corpus"
done
