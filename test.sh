#!/usr/bin/env bash
# Sets up, builds and runs every test (window tests run on Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
