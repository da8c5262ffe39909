#!/usr/bin/env bash
# Builds and runs the benchmarks, after installing the large word list they measure with.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if ! dpkg-query -W -f='${Status}' wamerican-insane 2>/dev/null | grep -q 'install ok installed'; then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq wamerican-insane
fi
scripts/build.sh

build_dir=${TESSARIN_BUILD_DIR:-build}
for bench in "$build_dir"/bench/*_bench; do
    "$bench" "$@"
done
