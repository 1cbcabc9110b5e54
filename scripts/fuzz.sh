#!/bin/sh
# Fuzzes every libFuzzer target (or the ones named) for the given number of seconds each, one
# after another, and prints the executions of each.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]      e.g. scripts/fuzz.sh 600 soubor_fuzz
#
# ZORVET_FUZZ_FLAGS adds libFuzzer options, e.g. ZORVET_FUZZ_FLAGS=-runs=1000000 to stop
# after a million inputs (or SECONDS, whichever comes first).
#
# The build is build-fuzz beside the sources (ZORVET_FUZZ_BUILD to change it), configured with
# clang and libFuzzer on first use. New inputs go to build-fuzz/corpus/TARGET, failing ones to
# build-fuzz/artifacts/TARGET/; a failing input belongs, under a name that says what it
# does, in tests/files/data/regressions/NAME/ (NAME is the target without "_fuzz"), where the
# test suite replays it. The exit status is 1 when any target failed.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVET_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-60}
[ $# -gt 0 ] && shift

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZORVET_FUZZ=ON \
        -DZORVET_TESTS=OFF -DZORVET_BENCH=OFF
fi
cmake -S "$root" -B "$build" >/dev/null

if [ $# -gt 0 ]; then
    targets=$*
else
    targets=$(cd "$build/fuzz" && ls -- *.seeds | sed 's/\.seeds$//')
fi
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

# Qt keeps some allocations for the life of the process; the readers' own leaks would show in
# the sanitizer build of the tests, which checks them at exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=0
summary=""
for t in $targets; do
    corpus="$build/corpus/$t"
    artifacts="$build/artifacts/$t"
    log="$build/fuzz-$t.log"
    mkdir -p "$corpus" "$artifacts"
    # The new corpus first (libFuzzer adds to it), then the seed folders that exist.
    set -- "$corpus"
    while IFS= read -r seeds; do
        if [ -n "$seeds" ] && [ -d "$seeds" ]; then
            set -- "$@" "$seeds"
        fi
    done <"$build/fuzz/$t.seeds"
    echo "== $t for ${seconds}s"
    start=$(date +%s)
    if "$build/fuzz/$t" "$@" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/" -print_final_stats=1 ${ZORVET_FUZZ_FLAGS:-} >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        failed=1
        grep -E 'check failed|ERROR:|SUMMARY:|Test unit written' "$log" || true
    fi
    end=$(date +%s)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    line="$t: ${runs:-?} executions in $((end - start)) s, $result (log: $log)"
    echo "$line"
    summary="$summary$line
"
done

echo "== summary"
printf '%s' "$summary"
exit "$failed"
