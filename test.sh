#!/usr/bin/env bash
# Builds everything and runs every test: unit and window tests, the whole
# suite under ThreadSanitizer and under AddressSanitizer, the end-to-end run
# of the real editor and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"

# Tests never see the user's real documents: each test gets its own HOME.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$jobs"

# The whole suite under ThreadSanitizer: the message thread, the MIDI input
# thread and the virtual instrument's thread meet in most of these tests.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZK7_SANITIZE_THREAD=ON -DZK7_BENCH=OFF
cmake --build build-tsan -j "$jobs" --target zk7tests
# Each test in its own process as above; a race report ends its test with a failure.
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --test-dir build-tsan -E "^(e2e|tools)\." --output-on-failure -j "$jobs"

# Everything again under AddressSanitizer and UBSan: the hostile-input and
# fuzz tests are what this build is for, and every other test rides along.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZK7_SANITIZE=ON -DZK7_BENCH=OFF
cmake --build build-asan -j "$jobs" --target zk7tests
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 build-asan/bin/zk7tests

# The readers of untrusted data under libFuzzer, for a fixed number of runs.
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$jobs"
build-fuzz/zk7fuzz -seed=1 -runs=20000 -max_len=4096
