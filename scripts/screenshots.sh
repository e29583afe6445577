#!/usr/bin/env bash
# Remakes the README's screenshots (docs/*.png) from the game itself: florinet-headless plays two
# short scripts with fixed seeds in program folders of their own (the built pictures and sounds,
# a progress file written here) and takes its `shot`s, which the asset generator writes as PNG
# files at twice the picture's size. Run it whenever the game's look changes, and look at them.
#
#   counter.png     a customer at the counter, her parcel wrapped, folded and sealed with the
#                   seal she loves most, and her delight
#   counter-en.png  the same moment in the English game (--lang en)
#   title.png       the title menu
#   evening.png     the first evening's shop, where wrappings and seals are bought
#
# BUILD_DIR names the build (default: build); it is brought up to date first.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target florinet-headless assetgen assets > /dev/null
game=$(realpath "$BUILD_DIR/game")
assetgen=$(realpath "$BUILD_DIR/tools/assetgen/assetgen")

work=$(mktemp -d /tmp/florinet-shots-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "screenshots: FAILED: $*" >&2
  exit 1
}

# A program folder: the build's pictures, sounds, music and names, and no progress file yet.
program_folder() {
  mkdir -p "$1/dat"
  ln -s "$game/cg" "$1/cg"
  ln -s "$game/MIXER.INI" "$1/MIXER.INI"
  for f in "$game"/dat/*; do
    case $(basename "$f") in my.dat*) ;; *) ln -s "$f" "$1/dat/" ;; esac
  done
}
# A progress file: the fresh game's 2259 lines with the given LINE=VALUE changes.
progress() {
  local file=$1
  shift
  declare -A v=([1207]=1 [2252]=-1) # the file's marker; no flyer batch
  for kv in "$@"; do v[${kv%%=*}]=${kv#*=}; done
  for ((n = 1; n <= 2259; n++)); do printf '%s\r\n' "${v[$n]:-0}"; done > "$file"
}
# The waits of a scene read through: each a beat of the timer, then Space (which does nothing
# where no wait is pending).
read_on() {
  for ((i = 0; i < $1; i++)); do printf 'tick 3\nkey space\n'; done
}
# Plays a script in a language; every line it answers must be no error, and the trace must show
# each of the given events.
play() {
  local root=$1 seed=$2 script=$work/$3 lang=$4
  shift 4
  (cd "$work" && "$game/florinet-headless" --root "$root" --seed "$seed" --lang "$lang" --trace \
    --script "$script" > "$script.out" 2> "$script.err") || fail "the driver: $(cat "$script.err")"
  if grep -q '^error:' "$script.out"; then fail "$(grep '^error:' "$script.out")"; fi
  for event in "$@"; do
    grep -qxF "$event" "$script.out" || fail "$(basename "$script") did not come to \"$event\""
  done
}

# The counter: a level-3 clerk on the morning of day 6, with goods, bags and seals in stock.
program_folder "$work/counter"
stock=()
for id in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 33 37 45 55 56 57 64 65 70 72 \
  81 82 83; do stock+=("$((101 + id))=3"); done
for id in $(seq 200 211); do stock+=("$((101 + id))=5"); done
for id in $(seq 100 115) 127 129 133 135 151 188 195 196 198; do stock+=("$((101 + id))=2"); done
progress "$work/counter/dat/my.dat" 8=1 1201=3000 1205=3 1206=5 2259=1 "${stock[@]}"
{
  printf 'key space\nkey space\ntick 8\nkey 3\n' # Start
  read_on 12
  printf 'key 3\n' # がんばるぞー♪: the morning
  read_on 12
  printf 'key 3\n' # 次: ターミン comes in, wanting a meat bun
  read_on 8
  printf 'tick 4\nkey 3\ntick 3\nkey space\n'     # 包む
  printf 'tick 3\nkey 3\ntick 3\nkey space\n'     # 折る
  printf 'tick 3\nkey 3\ntick 9\n'                # シール: the box
  printf 'click 225 85\ntick 1\n'                 # the ninth cell of the third row: コッコチール
  printf 'move 190 165\nclick 190 165\ntick 1\n'  # stuck on the parcel
} > "$work/counter.txt"
# The same script and seed play the same game in either language.
cp "$work/counter.txt" "$work/counter-en.txt"
printf 'shot counter.bmp\n' >> "$work/counter.txt"
printf 'shot counter-en.bmp\n' >> "$work/counter-en.txt"
play "$work/counter" 5 counter.txt ja "picture 1 tam.bmp" "menu |はい終わり|シール" \
  "msg 0 【コッコチール】を貼った"
progress "$work/counter/dat/my.dat" 8=1 1201=3000 1205=3 1206=5 2259=1 "${stock[@]}"
play "$work/counter" 5 counter-en.txt en "picture 1 tam.bmp" "menu |All done|Sticker"

# The title menu and the first evening of a new game (the easiest mode).
program_folder "$work/new"
{
  printf 'key space\nkey space\ntick 10\nshot title.bmp\nkey 3\n' # Start
  read_on 10
  printf 'tick 4\nkey 1\n' # ようちえんモード
  read_on 6
  printf 'tick 6\npanel select #2\ntick 2\nshot evening.bmp\n'
} > "$work/new.txt"
play "$work/new" 3 new.txt ja "menu |About|Start" "msg 303 ようちえんモードだな、よし"

mkdir -p docs
for shot in counter counter-en title evening; do
  "$assetgen" --png "$work/$shot.bmp" "docs/$shot.png" 2
  echo "screenshots: docs/$shot.png ($(stat -c %s "docs/$shot.png") bytes)"
done
