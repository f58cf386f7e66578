#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brannock, builds it and runs every test headless:
# the translation files against the sources' texts, the Qt Test suites through CTest (one
# runs Compile.bat through Wine's cmd), the Release build and the Debian package built,
# validated and started once installed, a bounded fuzzing run of the road from a .tsf file
# into the script, then the Windows build with its suites under Wine (when a Qt for Windows
# is found). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
# Each step says how long it took, so a slow step shows.
step_start=$SECONDS
step_done() {
    echo "== $1: $((SECONDS - step_start)) s (./test.sh so far: $SECONDS s)"
    step_start=$SECONDS
}
export BRANNOCK_WERROR=ON
source scripts/packages.sh
# wine and mingw-w64: the suites that run a real Compile.bat with the stand-in tools, and the
# Windows build.
# gcc-mingw-w64-i686-posix: 32-bit stand-ins for the game's tools, which a 64-bit-only Wine cannot run.
# weston, xwayland, xvfb, xdotool and imagemagick: the main window in a Wayland session (weston
# with XWayland, and on Wayland alone with a pointer in an Xvfb; screenshots read with convert).
# at-spi2-core, python3-pyatspi and dbus-daemon: the windows read by a real assistive client over
# AT-SPI in a D-Bus session of its own (with keys typed by xdotool on an Xvfb).
EXTRA_PACKAGES=(clang libclang-rt-14-dev gcc-mingw-w64-i686-posix weston xwayland xvfb xdotool imagemagick
    at-spi2-core python3-pyatspi dbus-daemon "${WINDOWS_PACKAGES[@]}")
# The benchmarks are built (and meant to be run) in the Release build below, not here.
BUILD_OPTIONS=(-DBRANNOCK_BENCH=OFF)
source scripts/setup.sh
step_done "packages and the Debug build"

# Every text the player sees is in the translation files, each translated.
scripts/translations.sh check
step_done "the translations"

export QT_QPA_PLATFORM=offscreen
(cd "$BUILD_DIR" && ctest --output-on-failure --no-tests=error -j "${BRANNOCK_TEST_JOBS:-2}")
step_done "the suites"

# The Release build of everything (warnings as errors), then the package made from it.
BRANNOCK_RELEASE_ALL=1 scripts/check_package.sh
step_done "the Release build and the package"

if command -v clang++ >/dev/null 2>&1; then
    echo "Fuzzing the .tsf readers for ${BRANNOCK_FUZZ_SECONDS:-20} s"
    fuzz/tsf/run_fuzz.sh "${BRANNOCK_FUZZ_SECONDS:-20}"
    step_done "fuzzing"
fi

scripts/windows.sh test
step_done "the Windows build and its suites"
