# Sourced by run.sh and test.sh: installs what is missing, configures and builds.
# EXTRA_PACKAGES (an array) names packages the caller needs besides the build's own;
# BUILD_DIR, BUILD_TYPE and BUILD_OPTIONS (an array of cmake -D options) choose the build.
# Leaves BUILD_DIR set to the build folder (the programs are in $BUILD_DIR/bin).

# qt6-tools-dev, qt6-l10n-tools: Qt's translation tools (Qt6LinguistTools, lupdate, lrelease);
# qt6-translations-l10n: Qt's own translations of its standard texts, embedded in the programs.
PACKAGES=(cmake ninja-build ccache g++ lld pkg-config qt6-base-dev qt6-base-dev-tools libxcb1-dev libgl-dev librsvg2-bin
          qt6-base-private-dev libbenchmark-dev fonts-dejavu-core qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          ${EXTRA_PACKAGES[@]+"${EXTRA_PACKAGES[@]}"})

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
install_packages "${PACKAGES[@]}"

BUILD_DIR="${BUILD_DIR:-$PWD/build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}" \
      -DBRANNOCK_WERROR="${BRANNOCK_WERROR:-OFF}" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache ${BUILD_OPTIONS[@]+"${BUILD_OPTIONS[@]}"} >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
