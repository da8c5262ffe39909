#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour checkers
# in their own build directory, and runs each for a bounded time over a copy of its corpus.
#
#   scripts/fuzz.sh [seconds per target] [target ...]
#
# Targets: wordfile mainconfig codec_decode codec_encode simple_password utf8_text (all by
# default).
# TESSARIN_FUZZ_BUILD_DIR names the build directory (build-fuzz). A failing input is written
# into the build directory's fuzz-runs/<target>/ as crash-*, leak-* or timeout-*; once fixed,
# it belongs in tests/fuzz/corpus/<target>/ and as a test beside the code's other tests.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    targets=(wordfile mainconfig codec_decode codec_encode simple_password utf8_text)
fi
build_dir=${TESSARIN_FUZZ_BUILD_DIR:-build-fuzz}

if ! command -v clang++-14 >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y clang-14 libclang-rt-14-dev
fi

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
    cmake -S . -B "$build_dir" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
        -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DTESSARIN_FUZZ=ON -DTESSARIN_BUILD_BENCHMARKS=OFF
fi
# Only the fuzz targets and the libraries they need.
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/sanitizers/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
summary=()
for target in "${targets[@]}"; do
    runs="$build_dir/fuzz-runs/$target"
    rm -rf "$runs"
    mkdir -p "$runs/corpus"
    cp tests/fuzz/corpus/"$target"/* "$runs/corpus/" 2>/dev/null || true
    log="$runs/fuzz.log"
    echo "== $target: $seconds s"
    set +e
    "$build_dir/tests/${target}_fuzz" "$runs/corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$runs/" >"$log" 2>&1
    result=$?
    set -e
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    findings=$(find "$runs" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' \) | wc -l)
    line="$target: ${execs:-?} executions, ${rate:-?}/s, $findings finding(s), exit $result"
    echo "$line"
    summary+=("$line")
    if [[ $result -ne 0 || $findings -ne 0 ]]; then
        status=1
        grep -E "ERROR|check failed|SUMMARY|runtime error" "$log" | head -20 || true
    fi
done
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $status
