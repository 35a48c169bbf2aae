#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each for a short fixed
# number of runs over its kept inputs (tests/fuzz_corpus/) and seeds: scripts/fuzz.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3000}
cmake -S . -B build-fuzz -G Ninja -DGLYPH_FUZZ=ON -DGLYPH_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DGLYPH_FUZZ_RUNS="$runs" \
    >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_targets
ctest --test-dir build-fuzz --output-on-failure -R '^fuzz\.'
