#!/usr/bin/env bash
# The soak: the robot player (tools/autoplay) under AddressSanitizer and UndefinedBehaviorSanitizer,
# SEEDS seeds of DAYS days each (default 100 × 100: 10 000 days), every LATE_EVERY-th seed from a
# late game the robot prepares (so the endings come too), split over JOBS processes at low
# priority. Bankruptcy and the endings start a fresh game and the run goes on. Prints the days
# played, the failures (each with the commands that replay it) and the days per minute.
#
#   SEEDS=100 DAYS=100 FIRST_SEED=1 LATE_EVERY=4 JOBS=2 bash scripts/soak.sh
#
# BUILD_DIR chooses the sanitized build folder (default build-sanitize, built first unless
# NO_BUILD=1). Exits 1 when anything failed; the failures' files are then kept and named.
set -euo pipefail
cd "$(dirname "$0")/.."
SEEDS=${SEEDS:-100}
DAYS=${DAYS:-100}
FIRST_SEED=${FIRST_SEED:-1}
LATE_EVERY=${LATE_EVERY:-4}
JOBS=${JOBS:-$(nproc)}
BUILD_DIR=${BUILD_DIR:-build-sanitize}
if [ -z "${NO_BUILD:-}" ]; then
  echo "soak: building the sanitized game in $BUILD_DIR" >&2
  BUILD_DIR=$BUILD_DIR bash scripts/build.sh -DFLORINET_SANITIZE=ON >/dev/null
fi
robot=$BUILD_DIR/tools/autoplay/florinet-autoplay
[ -x "$robot" ] || { echo "soak: no $robot" >&2; exit 2; }
checks="without sanitizers"
grep -q '^FLORINET_SANITIZE:BOOL=ON' "$BUILD_DIR/CMakeCache.txt" 2>/dev/null && checks="under ASan+UBSan"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

work=$(mktemp -d /tmp/florinet-soak-XXXXXX)
echo "soak: $SEEDS seeds × $DAYS days in $JOBS processes, work in $work" >&2
start=$(date +%s.%N)
per=$(((SEEDS + JOBS - 1) / JOBS))
pids=()
for ((j = 0; j < JOBS; j++)); do
  first=$((FIRST_SEED + j * per))
  count=$((FIRST_SEED + SEEDS - first))
  ((count > per)) && count=$per
  ((count <= 0)) && break
  nice -n 10 "$robot" --seed "$first" --seeds "$count" --days "$DAYS" \
    --late-every "$LATE_EVERY" --work "$work/job-$j" >"$work/job-$j.out" 2>"$work/job-$j.err" &
  pids+=($!)
done
status=0
for p in "${pids[@]}"; do wait "$p" || status=1; done
end=$(date +%s.%N)

cat "$work"/job-*.out | grep '^seed ' || true
# The totals of every process, summed.
cat "$work"/job-*.out | awk -v start="$start" -v end="$end" -v jobs="${#pids[@]}" \
  -v seeds="$SEEDS" -v days="$DAYS" -v checks="$checks" '
  /^robot: [0-9]+ seeds/ {
    for (i = 1; i <= NF; i++) {
      if ($(i + 1) == "seeds,") s += $i
      if ($(i + 1) == "days" && $(i + 2) == "played") d += $i
      if ($(i + 1) == "lives") l += substr($i, 1)
      if ($(i + 1) == "bankrupt,") b += substr($i, 2)
      if ($(i + 1) == "endings,") e += $i
      if ($(i + 1) == "saves") v += $i
      if ($(i + 1) == "failures,") f += $i
    }
  }
  /^robot: went through/ {
    sub(/^robot: went through /, "")
    n = split($0, parts, ", ")
    for (k = 1; k <= n; k++) {
      m = split(parts[k], w, " ")
      name = w[1]; for (x = 2; x < m; x++) name = name " " w[x]
      if (!(name in seen)) order[++names] = name
      seen[name] += w[m]
    }
  }
  END {
    minutes = (end - start) / 60
    printf "soak: %d seeds × %d days %s: %d days played in %d lives (%d bankrupt, %d endings), %d saves checked, %d failures\n", s, days, checks, d, l, b, e, v, f
    printf "soak: %.1f minutes, %.1f days per minute (%d processes), %.1f per process\n", minutes, d / minutes, jobs, d / minutes / jobs
    line = "soak: went through"
    for (k = 1; k <= names; k++) line = line (k > 1 ? ", " : " ") order[k] " " seen[order[k]]
    print line
  }'
if [ "$status" -ne 0 ] || grep -q 'FAILED\|failed' "$work"/job-*.err 2>/dev/null; then
  cat "$work"/job-*.err
  echo "soak: failures; their files are in $work" >&2
  exit 1
fi
rm -rf "$work"
