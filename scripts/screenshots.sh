#!/usr/bin/env bash
# Takes the screenshots of the documentation (docs/images/*.png): the real program on a
# virtual X display (Xvfb), driven through its menus and shortcuts with xdotool, captured
# with ImageMagick's import. The example is the controlled heat-up of the user guide.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(xvfb xauth xdotool imagemagick fonts-dejavu-core poppler-utils)
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Missing Debian packages. Run as root: apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
fi

build="${1:-build}"
scripts/setup.sh "$build"
program="$PWD/$build/app/zorvet"
out="$PWD/docs/images"
mkdir -p "$out"

work="$(mktemp -d)"
xvfb_pid=""
zorvet_pid=""
cleanup() {
    [ -n "$zorvet_pid" ] && kill "$zorvet_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: English (no stored language), no material database of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Waits up to 20 s for a command to succeed.
wait_for() {
    for _ in $(seq 200); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    echo "screenshots: timed out waiting for: $*" >&2
    exit 1
}

# The controlled example: 100 kg, 500 J/kg/K, 1 m2, emissivity .8, 20 -> 900 C in 10 s steps;
# the furnace ramps from 20 to 1000 C in 600 s and holds 1200 s. Windows-1250 degree signs.
problem="$work/controlled_example.cfg"
{
    printf 'Furnace Temperature           [\xb0C]    :\r\n'
    printf 'Starting Temperature Charge   [\xb0C]    :   20 \r\n'
    printf 'Final Temperature Charge      [\xb0C]    :   900 \r\n'
    printf 'Time Step                     [s]     :   10 \r\n'
    printf 'Material                      [-]     :   Carbon steel\r\n'
    printf 'Heating Material Weight       [kg]    :   100 \r\n'
    printf 'Interchange Surface           [m2]    :   1 \r\n'
    printf 'Specific Heat Capacity        [J/kg/K]:   500 \r\n'
    printf 'Emissivity                    [-]     :   .8 \r\n'
    printf 'Material Density              [kg/m3] :   7850 \r\n'
    printf 'Setting of Weight             [Z/V]   :   Z\r\n'
    printf '\r\nControlled Heating - Furnace Curve\r\n\r\n'
    printf ' T[\xb0C]         Tenacity[s]\r\n'
    printf -- '-----------------------\r\n'
    printf ' 20            600 \r\n 1000          1200 \r\n 1000          0 \r\n\r\n'
} >"$problem"
results="$work/controlled_example.odp"
"$program" compute "$problem" --language en --results "$results"

Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"

"$program" >"$work/zorvet.log" 2>&1 &
zorvet_pid=$!
# The one-page report of the example, as the batch command writes it.
"$program" report "$results" --output "$work/report.pdf" --losses 10
pdftoppm -png -r 60 -singlefile "$work/report.pdf" "$work/report"
convert "$work/report.png" -strip -define png:compression-level=9 "PNG8:$out/report.png"
echo "screenshots: $out/report.png"

# The main window appears once the splash has closed itself (2 s).
wait_for xdotool search --onlyvisible --name '^Zorvet Furnace Heat-up'
window="$(xdotool search --onlyvisible --name '^Zorvet Furnace Heat-up' | head -n1)"
sleep 0.5

capture() {  # window, file: 8-bit palette, no metadata, to keep the files small
    import -window "$1" -strip -define png:compression-level=9 "PNG8:$out/$2"
    echo "screenshots: $out/$2"
}

# File, Open (Ctrl+O): the file dialog takes the full path in its file name field.
xdotool windowfocus --sync "$window" key ctrl+o
wait_for sh -c '[ "$(xdotool search --onlyvisible --name . | wc -l)" -gt 1 ]'
sleep 0.5
xdotool type --delay 5 "$results"
xdotool key Return
wait_for sh -c "xdotool getwindowname $window | grep -q 'controlled_example.odp'"

# Results, table (F8): every step and the power frame.
xdotool windowfocus --sync "$window" key F8
sleep 1
capture "$window" window.png
xdotool key Escape
sleep 0.5

# Results, chart (F9): charge and furnace temperature.
xdotool windowfocus --sync "$window" key F9
sleep 1
capture "$window" chart.png
xdotool key Escape
sleep 0.5

# Problem, Setting (F3): the problem dialog with the example's values.
xdotool windowfocus --sync "$window" key F3
wait_for sh -c "xdotool search --onlyvisible --name . | grep -qv '^$window\$'"
sleep 1
dialog="$(xdotool search --onlyvisible --name . | grep -v "^$window\$" | head -n1)"
capture "$dialog" problem.png
