#!/bin/sh
# Builds the whole program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan beside the sources, ZORVET_ASAN_BUILD to change it) and runs every test, the
# windows offscreen. Any compiler warning, memory error, leak of our own or undefined
# behaviour fails the run.
#
#   scripts/sanitize.sh [extra ctest arguments]     e.g. scripts/sanitize.sh -R files_tests
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVET_ASAN_BUILD:-$root/build-asan}
start=$(date +%s)

# The same settings for the test discovery at build time and for the run. Leaks are checked;
# the suppression file names only what Qt and the system libraries keep for the whole process.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:report_error_type=1"
export QT_QPA_PLATFORM=offscreen

# clang by default, the compiler the fuzzers are built with too (scripts/fuzz.sh), so both runs
# check with the same sanitizers and warnings. ZORVET_SANITIZE_CXX=g++ to try another compiler.
compiler=${ZORVET_SANITIZE_CXX:-clang++}
if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -q "^ZORVET_SANITIZE_CXX_USED:INTERNAL=$compiler\$" "$build/CMakeCache.txt"; then
    rm -rf "$build"  # a build folder is bound to its compiler
fi
# -O1: the sanitizers' checks stay fast enough at run time while clang optimises less; -g1: the
# reports name the source lines.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$compiler" -DZORVET_SANITIZE_CXX_USED:INTERNAL="$compiler" \
    -DZORVET_SANITIZE=ON -DZORVET_WERROR=ON -DZORVET_TESTS=ON -DZORVET_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
cmake --build "$build" --parallel "$(nproc)"
built=$(date +%s)

status=0
ctest --test-dir "$build" --output-on-failure -j "${ZORVET_TEST_JOBS:-$(nproc)}" "$@" || status=$?
end=$(date +%s)

echo "sanitizer build: $((built - start)) s, tests: $((end - built)) s, total: $((end - start)) s"
exit "$status"
