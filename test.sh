#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds it and runs every test headless.
# Exits non-zero on any failing test.
set -euo pipefail
cd "$(dirname "$0")"
export BRANNOCK_WERROR=ON
source scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure --no-tests=error -j "${BRANNOCK_TEST_JOBS:-2}"
