#!/usr/bin/env bash
# Installs the Debian packages florinet builds, runs and tests with.
# Safe to run again: apt-get is asked only for what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libfreetype-dev libfontconfig-dev fonts-ipafont-gothic zlib1g-dev
  libfluidsynth-dev timgm6mb-soundfont gettext
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth clang-format xdotool x11-utils libx11-dev
  desktop-file-utils appstream
  dpkg-dev lintian man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "setup: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
