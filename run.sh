#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds it and starts it.
#   ./run.sh            build and start Brannock
#   ./run.sh primewell  build and start Primewell (writes the default settings)
# Extra arguments after the program name are passed on (e.g. ./run.sh brannock /noexec/).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

program=Brannock
if [ $# -gt 0 ]; then
    case "${1,,}" in
        primewell) program=Primewell; shift ;;
        brannock) shift ;;
    esac
fi
exec "$BUILD_DIR/bin/$program" "$@"
