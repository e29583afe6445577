#!/usr/bin/env bash
# Checks an installation of florinet as a packager and a new player would meet it: the layout,
# the menu entry and the AppStream data (validated), the icons, the manual pages, the installed
# programs' command line, then the installed game started by its menu entry's command under a
# virtual X server from another folder, as a new player: it plays through the start screens to a
# New Game, whose save must land in the player's XDG data folder while nothing in the
# installation changes. A second start must keep that progress file.
#
#   scripts/check-install.sh              installs the build BUILD_DIR (default: build) into a
#                                         temporary prefix, its data made read-only, and checks
#                                         that (run as root, the game runs as the user "nobody")
#   scripts/check-install.sh --installed  checks the game the Debian package installed on this
#                                         machine (/usr/games, /usr/share/florinet), without any
#                                         build folder; run as root, the game runs as a user
#                                         made for the check, with a home of its own and the
#                                         XDG folders at their defaults
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
APP_ID=net.florinet.Florinet
installed=false
case "${1:-}" in
  --installed) installed=true ;;
  "") ;;
  *)
    echo "usage: scripts/check-install.sh [--installed]" >&2
    exit 2
    ;;
esac

fail() {
  echo "check-install: FAILED: $*" >&2
  exit 1
}
for tool in Xvfb xdotool xwininfo desktop-file-validate appstreamcli; do
  command -v "$tool" > /dev/null || fail "$tool is missing: run scripts/setup.sh"
done

work=$(mktemp -d /tmp/florinet-install-XXXXXX)
pids=()
player_user=""
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2> /dev/null || true; done
  if [ -n "$player_user" ]; then userdel --remove "$player_user" 2> /dev/null || true; fi
  chmod -R u+w "$work" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if $installed; then
  prefix=/usr
  dpkg-query -W -f='${Status}' florinet 2> /dev/null | grep -q "install ok installed" ||
    fail "the florinet package is not installed"
else
  prefix=$work/prefix
  cmake --install "$BUILD_DIR" --prefix "$prefix" > "$work/install.log"
fi
share=$prefix/share/florinet
entry=$prefix/share/applications/$APP_ID.desktop

# The menu entry's command is the game: a full path, or a name in the prefix's bin/.
[ -f "$entry" ] || fail "the installation has no menu entry"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
case "$command" in
  /*) game=$command ;;
  *) game=$prefix/bin/$command ;;
esac
case "$game" in
  "$prefix"/*) ;;
  *) fail "the menu entry starts $game, outside the installation" ;;
esac
[ -x "$game" ] || fail "the menu entry's command $game is not an installed program"
headless=$(dirname "$game")/florinet-headless
if $installed; then
  [ "$game" = /usr/games/florinet ] || fail "the package's game is $game, not in /usr/games"
fi

# The layout.
for f in "$headless" "$share/MIXER.INI" "$share/cg/00.bmp" "$share/cg/en/title.bmp" \
  "$share/cg/en/letter.bmp" "$share/dat/name.dat" "$share/dat/my.dat" "$share/dat/shop.mid" \
  "$prefix/share/metainfo/$APP_ID.metainfo.xml" \
  "$prefix/share/man/man6/florinet.6.gz" "$prefix/share/man/man6/florinet-headless.6.gz" \
  "$prefix/share/locale/en/LC_MESSAGES/florinet.mo"; do
  [ -e "$f" ] || fail "the installation has no $f"
done
# The shipped progress file is the fresh game's (2259 lines), never a player's.
[ "$(wc -l < "$share/dat/my.dat")" -eq 2259 ] || fail "the installed my.dat is not a progress file"
if ls "$share/dat" | grep -q -e 'damaged' -e '\.new-'; then fail "stray files installed in dat/"; fi
if $installed; then
  # Every file as the package shipped it (the fresh my.dat among them).
  dpkg --verify florinet || fail "the package's files differ from what it shipped"
  for f in copyright changelog.gz; do
    [ -f "$prefix/share/doc/florinet/$f" ] || fail "the package has no /usr/share/doc/florinet/$f"
  done
  grep -q '^License: GPL-3+' "$prefix/share/doc/florinet/copyright" || fail "the copyright names no licence"
else
  cmp -s "$share/dat/my.dat" "$BUILD_DIR/desktop/dist/my.dat" || fail "the installed my.dat is not the fresh game's"
fi

# The icons: PNG files of the sizes their folders name.
for size in 48 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
  [ -f "$png" ] || fail "no ${size}px icon"
  [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG file"
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
  w=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3)) h=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
  [ "$w" -eq "$size" ] && [ "$h" -eq "$size" ] || fail "$png is ${w}x$h"
done

# The desktop's own checkers, and the manual pages as man shows them.
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" > "$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
if command -v man > /dev/null; then
  for page in florinet florinet-headless; do
    MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man6/$page.6.gz" > "$work/man.out" \
      2> "$work/man.err" || fail "man cannot show $page(6)"
    [ ! -s "$work/man.err" ] || fail "$page(6): $(cat "$work/man.err")"
    grep -q 'my\.dat' "$work/man.out" || [ "$page" != florinet ] || fail "florinet(6) does not say where progress is kept"
  done
fi

# A new player and a working folder elsewhere. Installed by the package and run as root, the
# game runs as a user made for the check, whose home is the only place it may write to, the XDG
# folders at their defaults in it; otherwise in an empty home of the check's own with the XDG
# folders named explicitly (as root: as the user "nobody", for whom the installation is
# read-only indeed).
mkdir -p "$work/elsewhere"
as_player=()
if $installed && [ "$(id -u)" -eq 0 ]; then
  player_user=florinet-check-$$
  useradd --create-home --user-group --shell /bin/sh "$player_user" || fail "cannot make a user for the check"
  home=$(getent passwd "$player_user" | cut -d: -f6)
  data_home=$home/.local/share config_home=$home/.config
  chmod 755 "$work"
  chown "$player_user:" "$work/elsewhere"
  as_player=(setpriv --reuid="$player_user" --regid="$player_user" --init-groups --)
  player_env=(env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$home"
    SDL_AUDIODRIVER=dummy LANG=C.UTF-8)
elif $installed; then
  home=$work/home
  data_home=$home/.local/share config_home=$home/.config
  mkdir -p "$home"
  player_env=(env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$home"
    SDL_AUDIODRIVER=dummy LANG=C.UTF-8)
else
  home=$work/home
  data_home=$work/xdg-data config_home=$work/xdg-config
  mkdir -p "$home" "$work/xdg-data" "$work/xdg-config"
  if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null; then
    chmod 755 "$work"
    chown -R 65534:65534 "$home" "$work/elsewhere" "$work/xdg-data" "$work/xdg-config"
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  fi
  player_env=(env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$work/xdg-data"
    XDG_CONFIG_HOME="$work/xdg-config" SDL_AUDIODRIVER=dummy LANG=C.UTF-8)
fi
player() { "${as_player[@]}" "${player_env[@]}" "$@"; }
progress=$data_home/florinet/my.dat
ledger=$data_home/florinet/うりあげ帳.txt
cd "$work/elsewhere"

# The command line.
player "$game" --version > "$work/out" || fail "--version"
grep -q '^florinet 1\.4' "$work/out" || fail "--version says $(cat "$work/out")"
grep -q '^build ' "$work/out" || fail "--version names no build"
player "$game" --help > "$work/out" || fail "--help"
grep -qF "$progress" "$work/out" || fail "--help does not say where progress is kept: $(cat "$work/out")"
grep -q 'Japanese' "$work/out" || fail "--help does not say the text is Japanese"
set +e
player "$game" --no-such-option > "$work/out" 2> "$work/err"
status=$?
set -e
[ "$status" -eq 2 ] && grep -q '^usage: florinet' "$work/err" && [ ! -s "$work/out" ] ||
  fail "a bad option gave status $status"
set +e
player "$game" > "$work/out" 2> "$work/err"
status=$?
set -e
[ "$status" -eq 1 ] && [ "$(wc -l < "$work/err")" -eq 1 ] &&
  grep -q '^florinet: cannot open a window: ' "$work/err" ||
  fail "with no display: status $status, $(cat "$work/err")"
player "$headless" --help > "$work/out" || fail "florinet-headless --help"
grep -q '^usage: florinet-headless' "$work/out" || fail "florinet-headless --help: $(cat "$work/out")"
if grep -q 'ARCHITECTURE' "$work/out"; then fail "florinet-headless --help names a file not installed"; fi
[ ! -e "$data_home/florinet" ] && [ ! -e "$config_home/florinet" ] ||
  fail "the command line alone made files in $data_home or $config_home"

# The installation read-only (a package's is, to a player), and its fingerprint (names, sizes,
# times, contents).
if ! $installed; then chmod -R a-w "$share"; fi
fingerprint() {
  (cd "$share" && find . -printf '%p %s %T@ %m\n' | sort && find . -type f -exec sha256sum {} + | sort)
  sha256sum "$game" "$headless" "$entry"
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
  "${as_player[@]}" "${player_env[@]}" DISPLAY="$display" "$game" > "$work/game.out" \
    2> "$work/game.err" &
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
[ -f "$progress" ] || fail "the first start did not put a progress file in the XDG data folder $data_home"
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
if $installed; then dpkg --verify florinet || fail "the package's files changed"; fi
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into its working folder"
echo "check-install: the installation ($prefix) is whole and valid; the installed game, started" \
  "by its menu entry's command, keeps its progress in the player's data folder ($data_home/florinet)" \
  "and leaves its installation untouched"
