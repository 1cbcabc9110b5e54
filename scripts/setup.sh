#!/usr/bin/env bash
# Installs what the build needs (Debian packages), configures and builds incrementally.
# Usage: scripts/setup.sh [--run] [BUILD_DIR] [CMAKE_ARGS...] [--target TARGET...]
#   (default: build, every target), e.g. scripts/setup.sh build -DZORVET_WERROR=ON --target zorvet
# --run installs only what builds and runs the program; without it, also what the tests, the
# benchmarks, the sanitizer build and the packaging need. The cmake arguments apply to an
# already configured folder too, and stay in its cache; a folder whose cache already holds
# them is not configured again.
set -euo pipefail
cd "$(dirname "$0")/.."

# Without recommended packages: a desktop has them already, and elsewhere they would only slow
# the set-up (systemd, GTK, Vulkan drivers). What the program uses at run time is named: Qt's
# own translations (the file dialogs speak Czech in a Czech session) and a font. Qt Charts'
# CMake files ask for Qt OpenGL's, which qt6-base-dev only recommends.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev libgl-dev qt6-translations-l10n
              fonts-dejavu-core)
# llvm-14 brings llvm-symbolizer, which names the source lines in a sanitizer's report.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth desktop-file-utils appstream
               shared-mime-info libglib2.0-bin clang libclang-rt-14-dev llvm-14 poppler-utils file dpkg-dev)

packages=("${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}")
if [ "${1:-}" = "--run" ]; then
    packages=("${RUN_PACKAGES[@]}")
    shift
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing Debian packages. Run as root:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
fi

build=build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    build=$1
    shift
fi
args=()
targets=()
while [ $# -gt 0 ]; do
    case $1 in
        --target) targets+=("$2"); shift 2 ;;
        *) args+=("$1"); shift ;;
    esac
done

# Whether the cache already holds every -DNAME=VALUE asked for.
in_cache() {
    local a
    for a in "${args[@]}"; do
        [[ $a == -D*=* ]] || return 1
        a=${a#-D}
        grep -q -x -F -e "${a%%=*}:BOOL=${a#*=}" -e "${a%%=*}:STRING=${a#*=}" "$build/CMakeCache.txt" || return 1
    done
}

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}"
elif [ ${#args[@]} -gt 0 ] && ! in_cache; then
    cmake -S . -B "$build" "${args[@]}"
fi
cmake --build "$build" --parallel "$(nproc)" ${targets[@]+--target "${targets[@]}"}
