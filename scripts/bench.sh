#!/usr/bin/env bash
# Builds and runs the benchmarks, after installing the large word list they measure with, the
# system's password checker the terminal check is measured against and the password generator
# the terminal generation is measured against; then compares whole processes side by side, in
# alternation: `tessarin --generate --count=1000` against `pwgen -s -y 20 1000`, and the time to
# the main window's first appearance against a one-frame program of the toolkit (under Xvfb, on
# a new display and on one in use).
# TESSARIN_BENCH_RUNS sets the runs of each side (21).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${TESSARIN_BUILD_DIR:-build}
runs=${TESSARIN_BENCH_RUNS:-21}
program=$build_dir/bin/tessarin

# The median of the numbers on standard input.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# Milliseconds one run of the command takes, start to end.
elapsed() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.2f\n", ns / 1e6 }'
}

# Runs each side once per round, alternating, and prints both medians and their ratio.
compare() {
    local name=$1 a_file=$scratch/a b_file=$scratch/b
    : >"$a_file"
    : >"$b_file"
    for ((i = 0; i < runs; i++)); do
        "$side_a" >>"$a_file"
        "$side_b" >>"$b_file"
    done
    local a b
    a=$(median <"$a_file")
    b=$(median <"$b_file")
    awk -v n="$name" -v a="$a" -v b="$b" -v r="$runs" \
        'BEGIN { printf "%s: %.2f ms against %.2f ms, ratio %.2f (medians of %d runs)\n", n, a, b, a / b, r }'
}

# The main window's first appearance on a display of its own, against the one-frame program.
window_tessarin() {
    HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home "$build_dir/bench/first_map" "$program" \
        -i "$scratch/window.ini"
}
window_minimal() { HOME=$scratch/home "$build_dir/bench/first_map" "$build_dir/bench/minimal_frame"; }

# Run again under Xvfb for the window's part alone, on a display in one of two states: "new",
# where each program is the first GTK program on the display (GTK then probes the display's
# OpenGL driver as it starts, and leaves what it found on the root window while the server
# runs), and "in-use", where a GTK program has run before, as in a desktop session.
case ${TESSARIN_BENCH_WINDOW_PART:-} in
    new | in-use)
        export NO_AT_BRIDGE=1
        mkdir -p "$scratch/home"
        if [[ $TESSARIN_BENCH_WINDOW_PART == in-use ]]; then
            window_minimal >/dev/null
        fi
        side_a=window_tessarin side_b=window_minimal compare \
            "the main window against the one-frame program, $TESSARIN_BENCH_WINDOW_PART display"
        exit 0
        ;;
esac

scripts/setup.sh
missing=()
for p in wamerican-insane cracklib-runtime pwgen; do
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

for bench in "$build_dir"/bench/*_bench; do
    "$bench" "$@"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Terminal generation: the standard specification, length 20, every kind, the high-level
# check, the default dictionary; no display.
cat >"$scratch/generate.ini" <<'SETTINGS'
Standard=1
DeterSimplePassword=1
StrengthCheckLevel=2
[StandardUseChar]
Length=20
AlphabetUpper=1
AlphabetLower=1
Numeric=1
Symbol=1
UseAllKind=1
SETTINGS
generate_tessarin() { DISPLAY= elapsed "$program" -i "$scratch/generate.ini" -g --count=1000; }
generate_pwgen() { elapsed pwgen -s -y 20 1000; }
side_a=generate_tessarin side_b=generate_pwgen \
    compare "tessarin --generate --count=1000 against pwgen -s -y 20 1000"

# The server of a new display resets whenever its last program has gone; the one in use keeps
# what the programs leave on it.
TESSARIN_BENCH_WINDOW_PART=new scratch=$scratch \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$PWD/scripts/bench.sh"
TESSARIN_BENCH_WINDOW_PART=in-use scratch=$scratch \
    xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$PWD/scripts/bench.sh"
