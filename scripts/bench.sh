#!/usr/bin/env bash
# Builds and runs the benchmarks, after installing the large word list they measure with and
# the system's password checker the terminal check is measured against.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
missing=()
for p in wamerican-insane cracklib-runtime; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if ((${#missing[@]} > 0)); then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi
scripts/build.sh

build_dir=${TESSARIN_BUILD_DIR:-build}
for bench in "$build_dir"/bench/*_bench; do
    "$bench" "$@"
done
