#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds florinet and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec build/game/florinet
