#!/usr/bin/env bash
# Configures and builds florinet into build/ (the program folder is build/game/).
# BUILD_DIR and BUILD_TYPE choose the folder and the build type (RelWithDebInfo by default);
# FLORINET_WERROR=ON makes every compiler warning an error (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
  ${FLORINET_WERROR:+-DFLORINET_WERROR=$FLORINET_WERROR} "$@"
cmake --build "$BUILD_DIR" -j"$(nproc)"
