#!/usr/bin/env bash
# After texts of the program change: extracts the message template again (build/po/tessarin.pot)
# and merges it into every catalog under po/, where new texts then wait for their translation.
# The test command fails until each catalog translates every text.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${TESSARIN_BUILD_DIR:-build}
TESSARIN_BUILD_DIR=$build_dir scripts/build.sh >/dev/null
for catalog in po/*.po; do
    msgmerge --quiet --update --backup=none --previous "$catalog" "$build_dir/po/tessarin.pot"
    msgfmt --check --statistics --output-file=/dev/null "$catalog"
done
