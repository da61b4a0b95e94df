# shellcheck shell=bash disable=SC2034
# Sourced by the benchmark scripts: a display and a JACK dummy server of the benchmark's own, which
# they end in their clean-up through xvfb_pid and jackd_pid.
#   start_display SERVER_NAME WORK_FOLDER   Xvfb on the first display free from 90, and the environment
#                                           that the programs and JACK clients started afterwards use
#   start_jackd PERIOD                      the dummy server at 48 kHz, once it answers
#   median                                  the median of the numbers on standard input, one a line
start_display() {
    display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display" JACK_DEFAULT_SERVER="$1" JACK_NO_AUDIO_RESERVATION=1
    export XDG_RUNTIME_DIR="$2/runtime" QT_QPA_PLATFORM=xcb
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

start_jackd() {
    jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p "$1" >/dev/null 2>&1 &
    jackd_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && jack_lsp >/dev/null 2>&1 && return
        sleep 0.1
    done
    echo "$(basename "$0"): the JACK server did not start" >&2
    exit 1
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
