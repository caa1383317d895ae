#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test: the suite as built
# for use, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
fuzz_seconds=${HIBIMAKER_FUZZ_SECONDS:-60}

scripts/setup.sh

echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests under ASan and UBSan"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHIBIMAKER_SANITIZE=ON \
    -DHIBIMAKER_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== fuzzing, ${fuzz_seconds} s a target"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHIBIMAKER_GUI=OFF -DHIBIMAKER_FUZZ=ON -DHIBIMAKER_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_strtoint fuzz_page
fuzz/run.sh build-fuzz "$fuzz_seconds"
