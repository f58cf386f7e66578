#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds the two programs and starts one.
#   ./run.sh            build and start Brannock (Primewell first while no settings exist)
#   ./run.sh primewell  build and start Primewell (writes the default settings)
# Extra arguments after the program name are passed on (e.g. ./run.sh brannock /noexec/).
# The build is Release, in build-release/; ./test.sh builds and tests everything in build/.
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")"

program=Brannock
if [ $# -gt 0 ]; then
    case "${1,,}" in
        primewell) program=Primewell; shift ;;
        brannock) shift ;;
    esac
fi
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Brannock/Brannock.conf"
first_run=no
if [ "$program" = Brannock ] && [ ! -e "$settings" ]; then
    first_run=yes
fi

if [ "$first_run" = yes ]; then
    echo "run.sh: building Brannock and Primewell (Release, build-release/), then starting Primewell to write the first settings, then Brannock"
else
    echo "run.sh: building Brannock and Primewell (Release, build-release/), then starting $program"
fi
source scripts/release_build.sh
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)

# The programs start in the folder run.sh was called from: the folder list opens there, and
# Compile.bat runs there (where MakeSkin.exe and VT.exe are looked for).
cd "$start_dir"
if [ "$first_run" = yes ]; then
    "$BUILD_DIR/bin/Primewell" || true
fi
exec "$BUILD_DIR/bin/$program" "$@"
