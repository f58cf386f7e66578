# Sourced by run.sh and scripts/check_package.sh: installs what is missing, then builds
# what a player runs - the two programs and the shipped looks, nothing else - in Release
# into its own folder, build-release/ (the developers' build/ is left alone).
BUILD_DIR="${RELEASE_BUILD_DIR:-$PWD/build-release}"
# With BRANNOCK_RELEASE_ALL=1 (test.sh) everything is built, tests and benchmarks included,
# with warnings as errors, so that an optimised build that breaks cannot land.
BUILD_TYPE=Release
if [ "${BRANNOCK_RELEASE_ALL:-0}" = 1 ]; then
    BRANNOCK_WERROR=ON
    BUILD_OPTIONS=(-DBRANNOCK_TESTS=ON -DBRANNOCK_BENCH=ON)
else
    BRANNOCK_WERROR=OFF
    BUILD_OPTIONS=(-DBRANNOCK_TESTS=OFF -DBRANNOCK_BENCH=OFF)
fi
source scripts/setup.sh
