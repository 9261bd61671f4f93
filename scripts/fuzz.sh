#!/usr/bin/env bash
# Runs each fuzz target of the asan build (cmake --preset asan) for the seconds given
# (default 60), starting from its seed corpus in fuzz/corpus/; the inputs it finds are
# kept in build-asan/corpus/. A crash, a sanitizer report or a result other than the
# reference stops it with an error and leaves the input in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for input in entry registry; do
    mkdir -p "build-asan/corpus/$input"
    log="build-asan/fuzz-$input.log"
    # Leaks are looked for once, as the run ends: after every input, that costs nine
    # tenths of the inputs.
    if ! (cd build-asan && "tests/fuzz/${input}fuzz" -max_total_time="${1:-60}" -detect_leaks=0 \
        -print_final_stats=1 "corpus/$input" "../fuzz/corpus/$input") >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "${input}fuzz failed; its whole output is in $log" >&2
        exit 1
    fi
    echo "${input}fuzz: $(grep -E '^Done' "$log")"
done
