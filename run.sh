#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds it and starts it.
#   ./run.sh            build and start Brannock
#   ./run.sh primewell  build and start Primewell (writes the default settings)
# Extra arguments after the program name are passed on (e.g. ./run.sh brannock /noexec/).
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")"
source scripts/setup.sh
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)

program=Brannock
if [ $# -gt 0 ]; then
    case "${1,,}" in
        primewell) program=Primewell; shift ;;
        brannock) shift ;;
    esac
fi
# The program starts in the folder run.sh was called from: the folder list opens there, and
# Compile.bat runs there (where MakeSkin.exe and VT.exe are looked for).
cd "$start_dir"
exec "$BUILD_DIR/bin/$program" "$@"
