#!/usr/bin/env bash
# The sound review's table: builds the program folder's sounds and tunes and the report tool, then
# renders every tune through FluidSynth with the game's settings and measures every sound effect.
# BUILD_DIR chooses the build (build/ by default); a folder given as the argument is reported
# instead of BUILD_DIR/game (a program folder kept from an earlier build, say).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
fi
cmake --build "$BUILD_DIR" --target assets audio-report >/dev/null
exec "$BUILD_DIR/tools/assetgen/audio-report" "${1:-$BUILD_DIR/game}"
