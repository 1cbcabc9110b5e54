#!/usr/bin/env bash
# Sets up, builds and runs every test (window tests run on Qt's offscreen platform), then the
# whole suite again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
# Both builds treat any compiler warning as an error; the benchmarks are built, not run.
# build/ is the folder run.sh builds the program in, with the same compile commands: what
# run.sh built is not built again. ZORVET_NO_SANITIZE=1 skips the second run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build -DZORVET_WERROR=ON -DZORVET_TESTS=ON -DZORVET_BENCH=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
if [ "${ZORVET_NO_SANITIZE:-0}" != "1" ]; then
    scripts/sanitize.sh --timeout 600
fi
