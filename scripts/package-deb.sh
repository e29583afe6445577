#!/usr/bin/env bash
# Builds the Debian package of florinet: a Release build of its own (build-deb/, no tests) laid
# out as Debian lays out a game (the programs in /usr/games, the data in /usr/share/florinet),
# compiled with Debian's own build flags (hardened), packed by CPack with the libraries'
# dependencies worked out by dpkg-shlibdeps, then checked by lintian: an error fails the script,
# warnings are shown (CONTRIBUTING.md lists those we keep, and why).
#
# BUILD_DIR names the build folder (default: build-deb). Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-deb}

# Debian's build flags, as a Debian package build would set them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS CFLAGS LDFLAGS

mkdir -p "$BUILD_DIR"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFLORINET_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DFLORINET_DEB=ON \
  ${FLORINET_WERROR:+-DFLORINET_WERROR=$FLORINET_WERROR} > "$BUILD_DIR/configure.log" ||
  { cat "$BUILD_DIR/configure.log" >&2; exit 1; }
cmake --build "$BUILD_DIR" -j"$(nproc)"
rm -f "$BUILD_DIR"/florinet_*.deb
(cd "$BUILD_DIR" && cpack -G DEB > cpack.log) || { cat "$BUILD_DIR/cpack.log" >&2; exit 1; }
deb=$(ls "$BUILD_DIR"/florinet_*.deb)

if command -v lintian > /dev/null; then
  echo "package-deb: lintian $deb" >&2
  lintian --fail-on error --display-info "$deb" >&2 || { echo "package-deb: lintian found errors" >&2; exit 1; }
else
  echo "package-deb: lintian is missing (scripts/setup.sh installs it): the package is unchecked" >&2
fi
echo "$deb"
