# Sourced by run.sh and scripts/check_package.sh: installs what is missing, then builds
# what a player runs - the two programs and the shipped looks, nothing else - in Release
# into its own folder, build-release/ (the developers' build/ is left alone).
BUILD_DIR="${RELEASE_BUILD_DIR:-$PWD/build-release}"
BUILD_TYPE=Release
BRANNOCK_WERROR=OFF
BUILD_OPTIONS=(-DBRANNOCK_TESTS=OFF -DBRANNOCK_BENCH=OFF)
source scripts/setup.sh
