#!/usr/bin/env bash
# Builds the editor (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target VelmoranZK7
exec build/bin/VelmoranZK7
