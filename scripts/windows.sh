#!/usr/bin/env bash
# The Windows build, cross-compiled here with mingw-w64 against a static Qt for Windows:
# Brannock.exe and Primewell.exe, statically linked, and the portable package.
#
#   scripts/windows.sh           build both programs and Brannock-<version>-win64.zip
#   scripts/windows.sh test      build everything, the test suites too, and run them under Wine
#   scripts/windows.sh bench     Brannock.exe's first frame under Wine beside a bare Qt window
#                                with one caption, as the Linux start-up benchmark compares
#   scripts/windows.sh qt        build the Qt for Windows into the cache (about an hour)
#
# The Qt for Windows is the first found of $BRANNOCK_QT_WINDOWS, ../shared/toolchains/qt6-mingw64
# beside the project and ~/.cache/brannock/qt6-mingw64. When none is there, building the
# package builds that Qt into the cache first with the recipe in ../shared/toolchains; "test"
# says in one line that it found none and stops there. The build folder is $BUILD_WIN_DIR
# (default build-win); the programs are in build-win/bin.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
install_packages cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
    "${WINDOWS_PACKAGES[@]}"

mode=${1:-package}
toolchains=${BRANNOCK_TOOLCHAINS:-$(realpath -m ../shared/toolchains)}
cache_qt=${XDG_CACHE_HOME:-$HOME/.cache}/brannock/qt6-mingw64
build_dir=$(realpath -m "${BUILD_WIN_DIR:-build-win}")

find_qt() {
    local candidate
    for candidate in "${BRANNOCK_QT_WINDOWS:-}" "$toolchains/qt6-mingw64" "$cache_qt"; do
        if [ -n "$candidate" ] && [ -f "$candidate/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

build_qt() {
    if [ ! -x "$toolchains/build-qt-mingw64.sh" ]; then
        echo "No Qt for Windows and no recipe to build one in $toolchains." >&2
        exit 1
    fi
    echo "Building the Qt for Windows into $cache_qt (about an hour on two cores)"
    mkdir -p "$(dirname "$cache_qt")"
    "$toolchains/build-qt-mingw64.sh" "$cache_qt"
}

configure() {
    local qt=$1
    local launcher=()
    if command -v ccache >/dev/null 2>&1; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRANNOCK_WERROR=ON -DBRANNOCK_BENCH=ON \
          -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
          -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchains/mingw64-posix.cmake" \
          "${launcher[@]}" >/dev/null
}

# A Wine prefix of the build's own, made afresh for this run and ended with it. No menu
# entries or file associations for the user's desktop come out of it.
fresh_wine_prefix() {
    export WINEPREFIX="$build_dir/wineprefix" WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    rm -rf "$WINEPREFIX"
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wineboot -i >/dev/null 2>&1
}

# The prefix for the suites. Wine keeps the Unix QT_* variables from its programs, so their
# offscreen platform and its fonts are set in the prefix's environment; and names that start
# with a dot are ordinary names, as on Windows (Wine hides them by default).
test_wine_prefix() {
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'Z:\usr\share\fonts\truetype\dejavu' /f >/dev/null
    wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f >/dev/null
}

# Milliseconds from starting each program under Wine to its first painted frame, the two
# taken in turns, and the median of each ($1 rounds; on Wine's display, or offscreen with
# QT_QPA_PLATFORM=offscreen). Brannock.exe's frame is timed by brannock_first_frame.exe, the
# same program ending at that frame; the yardstick is the bare Qt window with one caption,
# which brings up the font system every window with text pays for.
first_frames() {
    local rounds=$1 program start times_brannock=() times_bare=()
    wineserver -w # the server of wineboot ends ...
    wineserver -p # ... and one that stays up between the runs starts, so no run pays for it
    for ((i = 0; i < rounds; i++)); do
        for program in Brannock bare; do
            start=$(date +%s%N)
            if [ $program = Brannock ]; then
                wine "$build_dir/bin/brannock_first_frame.exe" /noexec/
                times_brannock+=($(( ($(date +%s%N) - start) / 1000000 )))
            else
                wine "$build_dir/bench/bench_bare_window.exe" --caption
                times_bare+=($(( ($(date +%s%N) - start) / 1000000 )))
            fi
        done
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
    local brannock bare
    brannock=$(median "${times_brannock[@]}")
    bare=$(median "${times_bare[@]}")
    echo "First frame under Wine, median of $rounds runs: Brannock.exe $brannock ms," \
         "bare Qt window with caption $bare ms"
    awk -v b="$brannock" -v w="$bare" 'BEGIN { if (w > 0) printf "Brannock.exe / bare window with caption: %.2fx\n", b / w }'
}

case "$mode" in
qt)
    build_qt
    ;;
package)
    qt=$(find_qt) || { build_qt; qt=$(find_qt); }
    configure "$qt"
    cmake --build "$build_dir" -j "$(nproc)" --target brannock_zip
    echo "Package: $(ls "$build_dir"/Brannock-*-win64.zip)"
    ;;
test)
    if ! qt=$(find_qt); then
        echo "No Qt for Windows found (\$BRANNOCK_QT_WINDOWS, $toolchains/qt6-mingw64, $cache_qt): Windows suites skipped; scripts/windows.sh qt builds one."
        exit 0
    fi
    echo "Windows build with the Qt for Windows in $qt, suites under Wine"
    configure "$qt"
    cmake --build "$build_dir" -j "$(nproc)"
    cmake --build "$build_dir" --target brannock_zip
    fresh_wine_prefix
    test_wine_prefix
    # The server of the set-up ends, and one that stays up for all suites starts, with Wine's
    # services started once before the suites start in parallel.
    wineserver -w
    wineserver -p
    wine cmd /d /c exit
    (cd "$build_dir" && ctest --output-on-failure --no-tests=error -j "${BRANNOCK_TEST_JOBS:-2}")
    ;;
bench)
    qt=$(find_qt) || { echo "No Qt for Windows found; scripts/windows.sh qt builds one." >&2; exit 1; }
    configure "$qt"
    cmake --build "$build_dir" -j "$(nproc)" --target brannock_first_frame bench_bare_window
    fresh_wine_prefix
    first_frames "${BRANNOCK_BENCH_ROUNDS:-15}"
    ;;
*)
    echo "usage: scripts/windows.sh [package|test|bench|qt]" >&2
    exit 2
    ;;
esac
