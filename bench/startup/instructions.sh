#!/usr/bin/env bash
# Instructions to the first frame, counted by valgrind: Brannock against the bare Qt window
# with one caption, both with empty settings (the built-in look), or with the gold look
# chosen (--gold). Run it under a window system, e.g.
#   bench/startup/run_under_xvfb.sh bench/startup/instructions.sh [--gold] [build folder]
# The build folder (default build-rel, a Release build) holds bin/brannock_first_frame
# (Brannock ending at its first frame) and bench/bench_bare_window. Only the program's own process is counted, not the helper
# processes that the desktop libraries may start.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
gold=false
if [ "${1:-}" = "--gold" ]; then
    gold=true
    shift
fi
build="${1:-$root/build-rel}"
command -v valgrind >/dev/null || { echo "valgrind is missing: no instruction counts (apt-get install valgrind)"; exit 0; }
brannock="${BENCH_BRANNOCK_EXE:-$build/bin/brannock_first_frame}"
bare="$build/bench/bench_bare_window"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Brannock"
if $gold; then
    printf '[Skin]\nUse=Yes\nPath=Skins\\\\6.0 GOLD\\\\\n' >"$work/config/Brannock/Brannock.conf"
fi

# Instructions of the process that valgrind started (the first pid it names).
count() {
    local log="$work/valgrind.log"
    XDG_CONFIG_HOME="$work/config" valgrind --tool=callgrind --dump-instr=no \
        --callgrind-out-file="$work/callgrind.%p" "$@" >/dev/null 2>"$log" || true
    local pid
    pid=$(sed -n 's/^==\([0-9]*\)== Command:.*/\1/p' "$log" | head -1)
    sed -n "s/^==$pid== Collected : \([0-9]*\)/\1/p" "$log"
}

brannockCount=$(count "$brannock" /noexec/)
bareCount=$(count "$bare" --caption)
[ -n "$brannockCount" ] && [ -n "$bareCount" ] || { echo "a program did not run to its first frame" >&2; exit 1; }
awk -v b="$brannockCount" -v w="$bareCount" -v look="$($gold && echo 'gold look' || echo 'built-in look')" 'BEGIN {
    printf "Instructions to the first frame (%s):\n", look
    printf "  Brannock                   %7.1f M\n", b / 1e6
    printf "  bare window with caption   %7.1f M\n", w / 1e6
    printf "Brannock / bare window with caption: %.2fx\n", b / w
}'
