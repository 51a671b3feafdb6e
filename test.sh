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

# Data formats and hostile input under AddressSanitizer and UBSan.
cmake -S tests/sanitize -B build-sanitize -G Ninja
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure
