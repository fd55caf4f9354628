#!/usr/bin/env bash
# Measures textshow at full speed ("A") against the byte pump, the fastest writer
# of the same bytes: wall time side by side in hyperfine, instructions under
# callgrind, peak resident memory of each, and one unit of the frame wait.
# Usage: bash bench/compare.sh [BUILD_DIR] (default: build-perf)
# Environment: ROUNDS (paired hyperfine runs, default 15) and RUNS (timed runs of
# each program in a round, default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-perf}
rounds=${ROUNDS:-15}
runs=${RUNS:-20}

source bench/install_missing.sh

build_programs() {
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTEXTSHOW_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$build" -j2 --target textshow byte_pump textshow_bench >/dev/null
}

# Prints the total instruction count of a command run under callgrind.
instructions() {
  local out
  out=$(mktemp -p "$work")
  valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
  awk '/^totals:/ { print $2 }' "$out"
}

# Prints the peak resident memory of a command, in KiB.
peak_rss_kib() {
  /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null
  cat "$work/rss"
}

# Prints the median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One round: both programs side by side in one hyperfine run. Prints the median
# wall time in seconds of textshow, of the pump, and their ratio.
time_round() {
  hyperfine --style none --warmup 3 --runs "$runs" --export-csv "$work/round.csv" \
    "$textshow <$work/speed_A" "$pump $work/recorded" >/dev/null 2>"$work/hyperfine.err" ||
    { cat "$work/hyperfine.err" >&2; return 1; }
  awk -F, 'NR == 2 { s = $4 } NR == 3 { p = $4 } END { print s, p, s / p }' "$work/round.csv"
}

# Other work on the machine comes and goes, so the rounds are short and many:
# each ratio compares two programs timed within a second of each other.
time_rounds() {
  local round
  for ((round = 1; round <= rounds; round++)); do
    time_round | tee -a "$work/rounds"
  done
}

# Instructions of one delay unit: at "B" the show waits at least one unit a frame,
# and callgrind's caller tree counts the calls of count_delay_unit.
delay_unit_instructions() {
  local out="$work/delay.callgrind"
  valgrind --tool=callgrind --callgrind-out-file="$out" "$textshow" <"$work/speed_B" \
    >/dev/null 2>&1
  callgrind_annotate --inclusive=yes --tree=caller "$out" | awk '
    /^$/ { calls = 0 }
    /^ *[0-9,]+ .*< / && match($0, /\([0-9,]+x\)/) {
      n = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", n); calls += n
    }
    /\* .*textshow::count_delay_unit\(\)/ {
      total = $1; gsub(",", "", total)
      printf "%d calls, %.0f instructions each\n", calls, total / calls
    }'
}

delay_unit_time() {
  "$build/bench/textshow_bench" --benchmark_filter='^delay_unit$' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/delay_unit_median/ { print $2, $3, "wall,", $4, $5, "CPU" }'
}

install_missing cmake g++ libbenchmark-dev hyperfine valgrind time
build_programs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
textshow=$(realpath "$build/src/textshow")
pump=$(realpath "$build/bench/byte_pump")
printf A >"$work/speed_A"
printf B >"$work/speed_B"
"$textshow" <"$work/speed_A" >"$work/recorded"
echo "recorded output: $(stat -c %s "$work/recorded") bytes"

echo "wall time in seconds, $rounds rounds of $runs runs each: textshow, byte pump, ratio"
time_rounds
show_time=$(awk '{ print $1 }' "$work/rounds" | median)
pump_time=$(awk '{ print $2 }' "$work/rounds" | median)
time_ratio=$(awk '{ print $3 }' "$work/rounds" | median)

show_instructions=$(instructions "$textshow" <"$work/speed_A")
pump_instructions=$(instructions "$pump" "$work/recorded")
show_rss=$(peak_rss_kib "$textshow" <"$work/speed_A")
pump_rss=$(peak_rss_kib "$pump" "$work/recorded")

echo
awk -v s="$show_time" -v p="$pump_time" -v r="$time_ratio" 'BEGIN {
  printf "wall time, medians: textshow %.2f ms, byte pump %.2f ms, ratio %.3f (target <= 1.15)\n",
    s * 1000, p * 1000, r }'
awk -v s="$show_instructions" -v p="$pump_instructions" 'BEGIN {
  printf "instructions:       textshow %d, byte pump %d, ratio %.3f (target <= 1.3)\n", s, p, s / p }'
echo "peak resident:      textshow $show_rss KiB, byte pump $pump_rss KiB," \
  "difference $((show_rss - pump_rss)) KiB (target <= 1024)"
echo "one delay unit:     $(delay_unit_time) (median of 5 benchmark repetitions)"
echo "one delay unit:     $(delay_unit_instructions) (callgrind, textshow at \"B\")"
