#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) in build/, or in
# $TESSARIN_BUILD_DIR. Arguments are CMake options for the configuration (for example
# -DTESSARIN_SANITIZE=ON); given, they are applied again to an existing build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${TESSARIN_BUILD_DIR:-build}
if [[ ! -f "$build_dir/CMakeCache.txt" || $# -gt 0 ]]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build_dir" -j "$(nproc)"
