#!/usr/bin/env bash
# Builds everything and runs every test: unit and window tests, the thread
# checks under ThreadSanitizer, and the end-to-end run of the real editor.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"

# Tests never see the user's real documents: each test gets its own HOME.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$jobs"

# The thread hand-over queue under ThreadSanitizer (a small build of its own).
cmake -S tests/tsan -B build-tsan -G Ninja
cmake --build build-tsan -j "$jobs"
ctest --test-dir build-tsan --output-on-failure

# Everything again under AddressSanitizer and UBSan: the hostile-input and
# fuzz tests are what this build is for, and every other test rides along.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZK7_SANITIZE=ON -DZK7_BENCH=OFF
cmake --build build-asan -j "$jobs" --target zk7tests
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 build-asan/bin/zk7tests

# The readers of untrusted data under libFuzzer, for a fixed number of runs.
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$jobs"
build-fuzz/zk7fuzz -seed=1 -runs=20000 -max_len=4096
