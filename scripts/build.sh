#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${TESSARIN_BUILD_DIR:-build}
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" -j "$(nproc)"
