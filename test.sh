#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds it and runs every test headless:
# the Qt Test suites through CTest, then a bounded fuzzing run of the .tsf readers, then the
# Windows build with its suites under Wine (when a Qt for Windows is found).
# Exits non-zero on any failing test.
set -euo pipefail
cd "$(dirname "$0")"
export BRANNOCK_WERROR=ON
source scripts/packages.sh
EXTRA_PACKAGES=(clang libclang-rt-14-dev "${WINDOWS_PACKAGES[@]}")
source scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
(cd "$BUILD_DIR" && ctest --output-on-failure --no-tests=error -j "${BRANNOCK_TEST_JOBS:-2}")

if command -v clang++ >/dev/null 2>&1; then
    echo "Fuzzing the .tsf readers for ${BRANNOCK_FUZZ_SECONDS:-20} s"
    fuzz/tsf/run_fuzz.sh "${BRANNOCK_FUZZ_SECONDS:-20}"
fi

scripts/windows.sh test
