#!/usr/bin/env bash
# Sets up and builds, then makes the Debian package from the install rules:
# build/tessarin_<version>_<architecture>.deb, which installs with
#   apt-get install ./build/tessarin_<version>_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build_dir=${TESSARIN_BUILD_DIR:-build}
TESSARIN_BUILD_DIR=$build_dir scripts/build.sh
cpack --config "$build_dir/CPackConfig.cmake" -B "$build_dir"
