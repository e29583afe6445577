#!/usr/bin/env bash
# Installs florinet into a temporary prefix and checks the installation as a packager and a new
# player would meet it: the layout, the menu entry and the AppStream data (validated), the icons,
# the installed programs' command line, then the installed game started under a virtual X server
# from another folder, with its data folder read-only (and, run as root, as an ordinary user):
# it plays through the start screens to a New Game, whose save must land in the player's XDG data
# folder while nothing in the installation changes. A second start must keep that progress file.
#
# BUILD_DIR names the build to install (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
APP_ID=net.florinet.Florinet

fail() {
  echo "check-install: FAILED: $*" >&2
  exit 1
}
for tool in Xvfb xdotool xwininfo desktop-file-validate appstreamcli; do
  command -v "$tool" > /dev/null || fail "$tool is missing: run scripts/setup.sh"
done

work=$(mktemp -d /tmp/florinet-install-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2> /dev/null || true; done
  chmod -R u+w "$work" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$BUILD_DIR" --prefix "$prefix" > "$work/install.log"
share=$prefix/share/florinet

# The layout.
for f in bin/florinet bin/florinet-headless share/florinet/MIXER.INI share/florinet/cg/00.bmp \
  share/florinet/cg/en/title.bmp share/florinet/cg/en/letter.bmp \
  share/florinet/dat/name.dat share/florinet/dat/my.dat share/florinet/dat/shop.mid \
  share/applications/$APP_ID.desktop share/metainfo/$APP_ID.metainfo.xml; do
  [ -e "$prefix/$f" ] || fail "the installation has no $f"
done
# The shipped progress file is the fresh game's (2259 lines), never a player's.
[ "$(wc -l < "$share/dat/my.dat")" -eq 2259 ] || fail "the installed my.dat is not a progress file"
cmp -s "$share/dat/my.dat" "$BUILD_DIR/desktop/dist/my.dat" || fail "the installed my.dat is not the fresh game's"
if ls "$share/dat" | grep -q -e 'damaged' -e '\.new-'; then fail "stray files installed in dat/"; fi

# The icons: PNG files of the sizes their folders name.
for size in 48 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
  [ -f "$png" ] || fail "no ${size}px icon"
  [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG file"
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
  w=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3)) h=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
  [ "$w" -eq "$size" ] && [ "$h" -eq "$size" ] || fail "$png is ${w}x$h"
done

# The desktop's own checkers.
desktop-file-validate "$prefix/share/applications/$APP_ID.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" > "$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }

# A new player: an empty home, the XDG folders inside it named explicitly, a working folder
# elsewhere. Run as root, the game runs as the user "nobody", for whom the installation is
# read-only indeed.
home=$work/home
mkdir -p "$home" "$work/elsewhere" "$work/xdg-data" "$work/xdg-config"
as_player=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null; then
  chmod 755 "$work"
  chown -R 65534:65534 "$home" "$work/elsewhere" "$work/xdg-data" "$work/xdg-config"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
player_env=(env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$work/xdg-data"
  XDG_CONFIG_HOME="$work/xdg-config" SDL_AUDIODRIVER=dummy LANG=C.UTF-8)
game=$prefix/bin/florinet
cd "$work/elsewhere"

# The command line.
"${player_env[@]}" "$game" --version > "$work/out" || fail "--version"
grep -q '^florinet 1\.4' "$work/out" || fail "--version says $(cat "$work/out")"
grep -q '^build ' "$work/out" || fail "--version names no build"
"${player_env[@]}" "$game" --help > "$work/out" || fail "--help"
grep -qF "$work/xdg-data/florinet/my.dat" "$work/out" || fail "--help does not say where progress is kept"
set +e
"${player_env[@]}" "$game" --no-such-option > "$work/out" 2> "$work/err"
status=$?
set -e
[ "$status" -eq 2 ] && grep -q '^usage: florinet' "$work/err" && [ ! -s "$work/out" ] ||
  fail "a bad option gave status $status"
set +e
"${player_env[@]}" "$game" > "$work/out" 2> "$work/err"
status=$?
set -e
[ "$status" -eq 1 ] && [ "$(wc -l < "$work/err")" -eq 1 ] &&
  grep -q '^florinet: cannot open a window: ' "$work/err" ||
  fail "with no display: status $status, $(cat "$work/err")"
"${player_env[@]}" "$prefix/bin/florinet-headless" --help | grep -q '^usage: florinet-headless' ||
  fail "florinet-headless --help"
[ -z "$(find "$work/xdg-data" "$work/xdg-config" -mindepth 1)" ] || fail "the command line alone wrote files"

# The installation read-only, and its fingerprint (names, sizes, times, contents).
chmod -R a-w "$share"
fingerprint() {
  (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
before=$(fingerprint)

# A virtual display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=:$(head -n1 "$work/display")
export DISPLAY=$display

start_game() {
  "${as_player[@]}" "${player_env[@]}" DISPLAY="$display" "$game" > "$work/game.out" 2> "$work/game.err" &
  game_pid=$!
  pids+=("$game_pid")
  window=$(timeout 30 xdotool search --sync --onlyvisible --name florinet | head -n1) ||
    fail "no window appeared: $(cat "$work/game.err")"
}
stop_game() {
  # SDL turns SIGTERM into the window's close request: the game ends as when the window closes.
  kill -TERM "$game_pid"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$work/game.err")"
}

start_game
width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
scale=$((width / 390))
[ "$scale" -ge 1 ] || fail "a window $width pixels wide"
click() {  # picture coordinates
  xdotool mousemove --window "$window" $(($1 * scale + scale / 2)) $(($2 * scale + scale / 2)) click 1
  sleep 0.3
}
progress=$work/xdg-data/florinet/my.dat
ledger=$work/xdg-data/florinet/うりあげ帳.txt
[ -f "$progress" ] || fail "the first start did not put a progress file in the XDG data folder"
# The start screens, About and its four lines, New Game and its three: the game saves.
click 100 80
click 100 80
sleep 1  # the title menu slides in
click 322 218
for _ in 1 2 3 4; do click 100 80; done
click 322 218
for _ in 1 2 3; do click 100 80; done
for _ in $(seq 100); do
  [ -f "$ledger" ] && break
  sleep 0.2
done
[ -f "$ledger" ] || fail "New Game wrote no ledger in the XDG data folder: $(cat "$work/game.err")"
stop_game
[ "$(wc -l < "$progress")" -eq 2259 ] || fail "the saved progress file is not whole"

# A second start keeps the player's progress file as it is.
printf '%s\r\n' 777 >> "$progress"
sum=$(sha256sum < "$progress")
start_game
sleep 1
stop_game
[ "$(sha256sum < "$progress")" = "$sum" ] || fail "a second start replaced the player's progress file"

[ "$(fingerprint)" = "$before" ] || fail "the game wrote into its installation"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into its working folder"
echo "check-install: the installation is whole and valid; the installed game keeps its progress in" \
  "the player's data folder and leaves its installation untouched"
