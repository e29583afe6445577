#!/usr/bin/env bash
# Builds florinet with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ and runs
# the suite there (all but the real-window test, whose X and SDL libraries are not instrumented).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-sanitize bash scripts/build.sh -DFLORINET_SANITIZE=ON
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" --timeout 900 -E 'RealWindow|Window'
