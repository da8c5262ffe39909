#!/usr/bin/env bash
# Sets up, builds and runs every test; the windowed tests run under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

build_dir=${TESSARIN_BUILD_DIR:-build}
export NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" "$@"
