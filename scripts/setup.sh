#!/usr/bin/env bash
# Installs what the build needs (Debian packages), configures and builds incrementally.
# Usage: scripts/setup.sh [BUILD_DIR] [CMAKE_ARGS...]   (default: build)
#   e.g. scripts/setup.sh build -DZORVET_WERROR=ON -DZORVET_BENCH=ON
# The cmake arguments apply to an already configured folder too, and stay in its cache.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
          desktop-file-utils appstream shared-mime-info libglib2.0-bin clang libclang-rt-14-dev
          poppler-utils file dpkg-dev)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Missing Debian packages. Run as root:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
fi

build=build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    build=$1
    shift
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ $# -gt 0 ]; then
    cmake -S . -B "$build" "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
