#!/usr/bin/env bash
# Timing at short JACK periods against the floor: builds a bare Xlib window that plays notes through
# JACK as Pixono's output does, then, under one Xvfb and at 1024, 256 and 64 frames, drives the same
# fast left drag over it and over Pixono by turns, each under a JACK dummy server started for it, and
# prints each one's spread of arrival minus send (5th to 95th percentile, ms), per run and as medians
# over RUNS runs (3 unless set). A benchmark, not a test: it fails only when it cannot measure.
#   bench/timing/timing.sh [BUILD_FOLDER]   (default: build; the folder must hold pixono)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-3}
periods=(1024 256 64)
work=$(mktemp -d)
xvfb_pid= jackd_pid= program_pid=
# A killed child's status is of no interest.
stop_program() {
    [ -n "$program_pid" ] && { kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; }
    program_pid=
}
stop_jackd() {
    [ -n "$jackd_pid" ] && { kill "$jackd_pid" 2>/dev/null; wait "$jackd_pid" 2>/dev/null || true; }
    jackd_pid=
}
cleanup() {
    stop_program
    stop_jackd
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

jack=$(pkg-config --cflags --libs jack)
# shellcheck disable=SC2086
g++ -O2 -std=c++20 -I"$source_root" "$here/reference_window.cpp" -lX11 $jack -o "$work/reference_window"
# shellcheck disable=SC2086
g++ -O2 -std=c++20 "$here/pointer_sweep.cpp" -lXtst -lX11 $jack -o "$work/pointer_sweep"
# Pixono runs from a folder of its own, whose settings file keeps the JACK port it opens.
mkdir "$work/pixono"
cp "$build/pixono" "$work/pixono/pixono"
printf '[Settings]\nMidiOutPort=Pixono virtual output\n' > "$work/pixono/pixono.INI"

# shellcheck source=bench/headless.sh
source "$here/../headless.sh"
start_display pixono-timing "$work"

# One program's drag at a period: sets `spread` (ms). The program and a server of its own start here and
# are ended afterwards, so that both programs meet the server in the same state, whichever goes first.
measure() {
    local period=$1 title=$2 port=$3
    shift 3
    start_jackd "$period"
    "$@" >/dev/null 2>&1 &
    program_pid=$!
    spread=
    read -r spread _ < <("$work/pointer_sweep" "$title" "$port") || true
    stop_program
    stop_jackd
    [ -n "$spread" ] || { echo "timing: no drag measured over '$title'" >&2; exit 1; }
}

declare -A reference pixono
for run in $(seq "$runs"); do
    for period in "${periods[@]}"; do
        measure "$period" "timing reference" timing-reference:out "$work/reference_window"
        reference[$period]+="$spread "
        measure "$period" "Pixono" Pixono:out "$work/pixono/pixono"
        pixono[$period]+="$spread "
        echo "run $run, $period frames: reference $(printf '%s' "${reference[$period]}" | awk '{ print $NF }') ms," \
             "Pixono $(printf '%s' "${pixono[$period]}" | awk '{ print $NF }') ms"
    done
done
echo "spread of arrival minus send, 5th to 95th percentile, 80 moves 3.5 ms apart (median of $runs runs):"
for period in "${periods[@]}"; do
    # shellcheck disable=SC2086
    r=$(printf '%s\n' ${reference[$period]} | median)
    # shellcheck disable=SC2086
    p=$(printf '%s\n' ${pixono[$period]} | median)
    awk -v f="$period" -v r="$r" -v p="$p" \
        'BEGIN { printf "%5d frames (%4.1f ms): reference %6.3f ms, Pixono %6.3f ms, ratio %5.2f\n", f, f / 48, r, p, p / r }'
done
