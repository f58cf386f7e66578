#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds it and runs every test headless:
# the Qt Test suites through CTest (one runs Compile.bat through Wine's cmd), the Debian package
# built, validated and started once installed, then a bounded fuzzing run of the road from a
# .tsf file into the script. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
export BRANNOCK_WERROR=ON
# wine and the mingw-w64 C compiler: the suites that run a real Compile.bat with the stand-in tools.
EXTRA_PACKAGES=(clang libclang-rt-14-dev wine gcc-mingw-w64-x86-64-posix)
source scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
(cd "$BUILD_DIR" && ctest --output-on-failure --no-tests=error -j "${BRANNOCK_TEST_JOBS:-2}")

# The Release build of everything (warnings as errors), then the package made from it.
BRANNOCK_RELEASE_ALL=1 scripts/check_package.sh

if command -v clang++ >/dev/null 2>&1; then
    echo "Fuzzing the .tsf readers for ${BRANNOCK_FUZZ_SECONDS:-20} s"
    fuzz/tsf/run_fuzz.sh "${BRANNOCK_FUZZ_SECONDS:-20}"
fi
