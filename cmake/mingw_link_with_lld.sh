#!/usr/bin/env bash
# mingw_link_with_lld.sh <ld.lld> <g++> <link arguments...>
# Links a Windows program with LLVM's linker instead of the GNU one, with exactly the objects,
# libraries and options MinGW's g++ would give its own linker (asked with -###): a statically
# linked Qt program links in well under a second instead of several. The link-time
# optimisation plugin's options are left out (the build does not use it). Links as g++ would
# when its linker command cannot be read.
set -euo pipefail
lld=$1
shift

line=$("$@" -### 2>&1 | grep -E '^ *"?[^ "]*/collect2"? ' || true)
args=()
if [ -n "$line" ]; then
    # g++ quotes the arguments as a shell would; xargs reads them back one by one.
    split=$(mktemp)
    if printf '%s' "$line" | xargs printf '%s\0' >"$split" 2>/dev/null; then
        mapfile -d '' args <"$split"
    fi
    rm -f "$split"
fi
if [ ${#args[@]} -lt 2 ]; then
    exec "$@"
fi

command=("$lld")
for ((i = 1; i < ${#args[@]}; i++)); do
    case "${args[i]}" in
    -plugin) i=$((i + 1)) ;;
    -plugin-opt=*) ;;
    *) command+=("${args[i]}") ;;
    esac
done
exec "${command[@]}"
