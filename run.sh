#!/usr/bin/env bash
# Sets up, builds and starts Zorvet. Without a display it computes the bundled example
# problem through the batch command line instead, and says how to start the window.
set -euo pipefail
cd "$(dirname "$0")"
# A new compiler's new warning must not keep anyone from running the program (test.sh, which
# shares the build folder, turns warnings into errors).
scripts/setup.sh build -DZORVET_WERROR=OFF
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: computing the example problem examples/uncontrolled.cfg with the batch command line."
    echo "\$ build/app/zorvet compute examples/uncontrolled.cfg"
    status=0
    build/app/zorvet compute examples/uncontrolled.cfg || status=$?
    echo
    echo "To start the window, run ./run.sh in a desktop session, or under Xvfb: xvfb-run ./run.sh"
    echo "Batch commands and options: build/app/zorvet --help"
    exit "$status"
fi
exec build/app/zorvet "$@"
