#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) in build/, or in
# $TESSARIN_BUILD_DIR, through the compiler cache when there is one. Arguments are CMake options
# for the configuration (for example -DTESSARIN_SANITIZE=ON); given, they are applied again to an
# existing build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${TESSARIN_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
    # A compilation is kept and used again for the same source, with the same headers and
    # options, in any copy of the project (paths are taken relative to its root) and any build
    # directory. The precompiled headers come from the cache too, byte for byte, so the files
    # that use them, which are checked against their contents, are served as well. The
    # settings go into the build directory with the compiler, so that every later build there,
    # through this script or not, stores its compilations under the same names.
    settings="CCACHE_BASEDIR=$PWD;CCACHE_NOHASHDIR=true;CCACHE_INODECACHE=true"
    settings+=";CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
    launcher=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;$settings;ccache")
fi
configure=0
if [[ ! -f "$build_dir/CMakeCache.txt" || $# -gt 0 ]]; then
    configure=1
elif [[ ${#launcher[@]} -gt 0 ]]; then
    current=$(sed -n 's/^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
    if [[ $current != "${launcher[0]#-DCMAKE_CXX_COMPILER_LAUNCHER=}" ]]; then
        configure=1  # made without these cache settings, or in another copy
    fi
fi
if [[ $configure == 1 ]]; then
    # The build warns nothing: a warning is an error.
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIN_WARNINGS_AS_ERRORS=ON \
        "${launcher[@]}" "$@"
fi
cmake --build "$build_dir" -j "$(nproc)"
