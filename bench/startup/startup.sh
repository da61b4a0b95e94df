#!/usr/bin/env bash
# Start-up against the floor: builds a bare Qt window with Pixono's widgets, then starts it and Pixono
# by turns under one Xvfb and one JACK dummy server, RUNS times each, and prints the median time to
# the first drawn frame of each, their ratio, and Pixono's private dirty memory at rest with a JACK
# port open. When FluidR3_GM is installed, it also times first starts (no settings file), which open
# the built-in synthesizer on it, and prints how long the window took to answer while it loaded and
# the memory at rest. A benchmark, not a test: it fails only when it cannot measure.
#   bench/startup/startup.sh [BUILD_FOLDER]   (default: build; the folder must hold pixono)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-5}
work=$(mktemp -d)
xvfb_pid= jackd_pid= program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$jackd_pid" ] && kill "$jackd_pid" 2>/dev/null && wait "$jackd_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

qt=$(pkg-config --cflags --libs Qt6Widgets)
# shellcheck disable=SC2086
g++ -O2 -std=c++20 -fPIC "$here/bare_window.cpp" $qt -o "$work/bare_window"
g++ -O2 -std=c++20 "$here/first_frame.cpp" -lXdamage -lX11 -o "$work/first_frame"
# Pixono runs from a folder of its own, whose settings file keeps the JACK port it opens.
mkdir "$work/pixono"
cp "$build/pixono" "$work/pixono/pixono"
printf '[Settings]\nMidiOutPort=Pixono virtual output\n' > "$work/pixono/pixono.INI"
mkdir "$work/first"
cp "$build/pixono" "$work/first/pixono"
fluidr3=/usr/share/sounds/sf2/FluidR3_GM.sf2

# shellcheck source=bench/headless.sh
source "$here/../headless.sh"
start_display pixono-startup "$work"
start_jackd 256

# One start: `ms` is the time to its first frame; the program goes on running as `program_pid`.
start() {
    "$work/first_frame" "$@" > "$work/line" 2>/dev/null
    read -r ms program_pid < "$work/line"
}
# Pixono's Private_Dirty (kB) once at rest, with its JACK port open.
rest_dirty() {
    sleep 2
    jack_lsp | grep -q '^Pixono:out$' || { echo "startup: Pixono opened no JACK port" >&2; exit 1; }
    kb=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$program_pid/smaps_rollup")
}
# The program is first_frame's child, not ours: it is waited for by polling.
stop() {
    kill "$program_pid"
    while kill -0 "$program_pid" 2>/dev/null; do sleep 0.05; done
    program_pid=
    sleep 0.3
}

# A first start: `ms` as above, `worst` the longest the window took to answer in its first 3 s.
first_start() {
    rm -f "$work/first/pixono.INI"
    "$work/first_frame" --answers 3 "$work/first/pixono" > "$work/line" 2>/dev/null
    read -r ms program_pid worst < "$work/line"
    kb=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$program_pid/smaps_rollup")
}

bare=() pixono=() dirty=() first=() answer=() first_dirty=()
for _ in $(seq "$runs"); do
    start "$work/bare_window"; bare+=("$ms"); stop
    start "$work/pixono/pixono"; pixono+=("$ms"); rest_dirty; dirty+=("$kb"); stop
    if [ -e "$fluidr3" ]; then
        first_start; first+=("$ms"); answer+=("$worst"); first_dirty+=("$kb"); stop
    fi
done
bare_median=$(printf '%s\n' "${bare[@]}" | median)
pixono_median=$(printf '%s\n' "${pixono[@]}" | median)
dirty_median=$(printf '%s\n' "${dirty[@]}" | median)
echo "bare Qt window: ${bare[*]} ms, median $bare_median ms"
echo "Pixono:         ${pixono[*]} ms, median $pixono_median ms"
awk -v p="$pixono_median" -v b="$bare_median" 'BEGIN { printf "ratio:          %.2f\n", p / b }'
awk -v d="$dirty_median" 'BEGIN { printf "Pixono Private_Dirty at rest, JACK port open: %.2f MiB (median)\n", d / 1024 }'
if [ ${#first[@]} -gt 0 ]; then
    first_median=$(printf '%s\n' "${first[@]}" | median)
    echo "first start, built-in synthesizer on FluidR3_GM: ${first[*]} ms, median $first_median ms"
    awk -v p="$first_median" -v b="$bare_median" 'BEGIN { printf "ratio:          %.2f\n", p / b }'
    echo "  longest wait for the window to answer: ${answer[*]} ms, median $(printf '%s\n' "${answer[@]}" | median) ms"
    awk -v d="$(printf '%s\n' "${first_dirty[@]}" | median)" \
        'BEGIN { printf "  Private_Dirty at rest: %.2f MiB (median)\n", d / 1024 }'
else
    echo "first start with the built-in synthesizer: skipped, $fluidr3 is not installed"
fi
