#!/bin/sh
# Builds the .tsf-to-script fuzz target with clang in its own folder and runs it for a bounded time.
# Usage: fuzz/tsf/run_fuzz.sh [seconds]   (default 20)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${BRANNOCK_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-20}"
launcher=
if command -v ccache >/dev/null 2>&1; then
    launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DBRANNOCK_FUZZ=ON -DBRANNOCK_BENCH=OFF $launcher >/dev/null
cmake --build "$build" --target fuzz_tsf -j2
mkdir -p "$build/fuzz/tsf-corpus"
ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_tsf" -max_total_time="$seconds" -max_len=70000 -timeout=10 \
    "$build/fuzz/tsf-corpus" "$root/fuzz/tsf/corpus" "$root/tests/skinset/hostile"
