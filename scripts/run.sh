#!/usr/bin/env bash
# Sets up, builds and starts the program with the default dictionary. Options go to the
# program (for example -i settings.ini).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

build_dir=${TESSARIN_BUILD_DIR:-build}
exec "$build_dir/bin/tessarin" "$@"
