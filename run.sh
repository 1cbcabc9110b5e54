#!/usr/bin/env bash
# Sets up, builds and starts Zorvet. Without a display it computes the bundled example
# problem through the batch command line instead, and says how to start the window.
set -euo pipefail
cd "$(dirname "$0")"

# Only the program, its data files and the gzipped manual page and changelog that installing it
# needs are built, in build/ and with the compile commands that test.sh uses there (warnings are
# errors), so that test.sh goes on from here. A new compiler's new warning must still not keep
# anyone from running the program: then it is built once more, in build-lenient/, with warnings
# left as warnings.
first=()
[ -f build/build.ninja ] || first=(-DZORVET_TESTS=OFF)  # the tests' packages come with test.sh
log=$(mktemp)
program=build/app/zorvet
if ! scripts/setup.sh --run build -DZORVET_WERROR=ON "${first[@]}" --target zorvet --target zorvet_gzipped 2>&1 | tee "$log"; then
    if ! grep -q -e '-Werror' "$log"; then
        rm -f "$log"
        exit 1
    fi
    echo
    echo "This compiler warns where the project's compilers do not (above): building the program again in"
    echo "build-lenient/ with warnings that are not errors. Please report the warning."
    scripts/setup.sh --run build-lenient -DZORVET_WERROR=OFF -DZORVET_TESTS=OFF --target zorvet --target zorvet_gzipped
    program=build-lenient/app/zorvet
fi
rm -f "$log"

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: computing the example problem examples/uncontrolled.cfg with the batch command line."
    echo "\$ $program compute examples/uncontrolled.cfg"
    status=0
    "$program" compute examples/uncontrolled.cfg || status=$?
    echo
    echo "To start the window, run ./run.sh in a desktop session, or under Xvfb: xvfb-run ./run.sh"
    echo "Batch commands and options: $program --help"
    exit "$status"
fi
exec "$program" "$@"
