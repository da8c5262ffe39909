#!/usr/bin/env bash
# Sets up, builds and runs every test; the windowed tests run under a virtual X server. The
# tests then run a second time in a build made with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/, or $TESSARIN_SANITIZE_BUILD_DIR), where a memory
# fault, a leak or undefined behaviour fails the test that caused it. TESSARIN_SANITIZE=0
# leaves that second run out. Arguments go to both runs of ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

build_dir=${TESSARIN_BUILD_DIR:-build}
sanitize_dir=${TESSARIN_SANITIZE_BUILD_DIR:-build-asan}
sanitize=${TESSARIN_SANITIZE:-1}

run_tests() {
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$1" --output-on-failure -j "$(nproc)" "${@:2}"
}

export NO_AT_BRIDGE=1

TESSARIN_BUILD_DIR=$build_dir scripts/build.sh
run_tests "$build_dir" "$@"

if [[ $sanitize != 0 ]]; then
    # A leak is reported when a program ends; the toolkit's libraries keep some memory for the
    # whole process on purpose, and only those are suppressed (see the file). Programs that
    # the tests start inherit these settings.
    suppressions=$PWD/tests/sanitizers
    export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
    export LSAN_OPTIONS=suppressions=$suppressions/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    TESSARIN_BUILD_DIR=$sanitize_dir scripts/build.sh \
        -DTESSARIN_SANITIZE=ON -DTESSARIN_BUILD_BENCHMARKS=OFF
    run_tests "$sanitize_dir" "$@"
fi
