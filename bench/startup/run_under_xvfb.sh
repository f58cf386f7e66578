#!/usr/bin/env bash
# Runs a start-up measurement under a real window system: starts Xvfb and the openbox window
# manager on a free display, runs the command there, then stops both.
#
#   bench/startup/run_under_xvfb.sh [command [arguments...]]
#
# Without a command it runs build-rel/bench/bench_startup (a Release build:
#   cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-rel --target bench_startup). Examples:
#   bench/startup/run_under_xvfb.sh
#   BENCH_BRANNOCK_EXE=/path/to/other/brannock_first_frame bench/startup/run_under_xvfb.sh   # another build
#   bench/startup/run_under_xvfb.sh bench/startup/instructions.sh build-rel
# Needs Xvfb and openbox (Debian packages xvfb and openbox).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ $# -gt 0 ] || set -- "$root/build-rel/bench/bench_startup"
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb openbox)" >&2; exit 1; }
done

# The first display number from 90 up with neither a lock file nor a socket.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done

Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=
stop() {
    [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap stop EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done
DISPLAY=":$display" openbox >/dev/null 2>&1 &
wm=$!
sleep 1 # the window manager takes the screen

env -u QT_QPA_PLATFORM DISPLAY=":$display" "$@"
