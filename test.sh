#!/usr/bin/env bash
# Builds everything and runs every test: once in a normal build, once under
# AddressSanitizer + UndefinedBehaviorSanitizer, then each fuzz target over its
# seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh --tests
jobs=$(nproc)

echo "== build and test (RelWithDebInfo)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test -j"$jobs"
export PZ_TEST_DATA="$PWD/build/test/data"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== build and test (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DPZ_SANITIZE=ON -DPZ_ASSETS=OFF -DPZ_BENCHMARKS=OFF >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs"

if ls tests/fuzz/fuzz_*.cpp >/dev/null 2>&1; then
  echo "== fuzz targets over their seed corpora"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPZ_FUZZ=ON \
    -DPZ_TESTS=OFF -DPZ_ASSETS=OFF -DPZ_BENCHMARKS=OFF >/dev/null
  cmake --build build/fuzz -j"$jobs"
  tests/fuzz/run.sh build/fuzz --corpus-only
fi
echo "All tests passed."
