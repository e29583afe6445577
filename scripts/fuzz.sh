#!/usr/bin/env bash
# Runs the libFuzzer targets (clang; build-fuzz/). Usage:
#   scripts/fuzz.sh [-t SECONDS] TARGET...   search, TARGET one of bmp sjis wave ini progress names:
#                                            starts from fuzz/corpus/TARGET, keeps what it finds in
#                                            build-fuzz/corpus/TARGET, a crash in build-fuzz/finds/
#   scripts/fuzz.sh --merge TARGET...        minimise: fuzz/corpus/TARGET becomes its seed-* and
#                                            fix-* files plus the fewest others that cover what
#                                            both folders cover (then commit it)
# One target at a time uses one core. Needs clang with libFuzzer (Debian: clang).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build-fuzz}
seconds=300
merge=0
while (($#)); do
  case "$1" in
    -t) seconds=$2; shift 2 ;;
    --merge) merge=1; shift ;;
    *) break ;;
  esac
done
(($#)) || { sed -n '2,9p' "$0"; exit 2; }

if [ ! -f "$BUILD/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFLORINET_FUZZ=ON -DFLORINET_TESTS=OFF
fi
cmake --build "$BUILD" --target $(printf 'fuzz_%s ' "$@")

max_len() {
  case "$1" in
    progress) echo 40000 ;;  # a whole my.dat and then some
    *) echo 8192 ;;
  esac
}

for t in "$@"; do
  seeds=fuzz/corpus/$t
  work=$BUILD/corpus/$t
  mkdir -p "$work" "$BUILD/finds"
  dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  if ((merge)); then
    # The committed corpus is rebuilt from both: the smallest set with the same coverage.
    old=$(mktemp -d)
    cp -a "$seeds/." "$old/"
    find "$seeds" -type f ! -name 'seed-*' ! -name 'fix-*' -delete
    # my.dat inputs are kilobytes each: for them, edges only (not how often each ran).
    counters=()
    [ "$t" = progress ] && counters=(-use_counters=0)
    "$BUILD/fuzz/fuzz_$t" -merge=1 "${counters[@]}" -max_len="$(max_len "$t")" "$seeds" "$old" \
      "$work" 2>&1 |
      grep -E 'MERGE-OUTER: [0-9]+ new files' || true
    rm -rf "$old"
    echo "$t: $(find "$seeds" -type f | wc -l) files, $(du -sb "$seeds" | cut -f1) bytes"
  else
    log=$BUILD/finds/$t.log
    status=0
    "$BUILD/fuzz/fuzz_$t" "$work" "$seeds" "${dict[@]}" -max_total_time="$seconds" \
      -max_len="$(max_len "$t")" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$BUILD/finds/$t-" >"$log" 2>&1 || status=$?
    grep -E '^(#[0-9]+ +DONE|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' \
      "$log" || true
    if ((status)); then
      grep -E '^(==[0-9]+==ERROR|SUMMARY|artifact_prefix)' "$log" || true
      echo "$t: FOUND A FAULT (exit $status), see $log" >&2
      exit 1
    fi
    echo "$t: nothing found in ${seconds}s; corpus $(find "$work" -type f | wc -l) files"
  fi
done
