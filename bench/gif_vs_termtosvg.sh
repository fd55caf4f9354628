#!/usr/bin/env bash
# Renders the whole show as an animation both ways, side by side: textshow-play
# --gif (in colour, its default, and without) from the stream textshow writes,
# and termtosvg from an asciicast recording of the same frames. Prints for each
# the wall time, the processor time (user + system), the peak resident memory
# and the size of what it made, as medians of a few rounds taken in turn.
# Usage: bash bench/gif_vs_termtosvg.sh [BUILD_DIR] (default: build-perf)
# Environment: ROUNDS (default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-perf}
rounds=${ROUNDS:-3}

source bench/install_missing.sh

build_programs() {
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$build" -j2 --target textshow textshow-play >/dev/null
}

# measure NAME OUTPUT COMMAND...: runs the command once and appends to the
# results "NAME wall cpu rss bytes".
measure() {
  local name=$1 output=$2
  shift 2
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/errors" ||
    { cat "$work/errors" >&2; return 1; }
  awk -v name="$name" -v bytes="$(stat -c %s "$output")" \
    '{ printf "%s %.2f %.2f %d %d\n", name, $1, $2 + $3, $4, bytes }' "$work/time" >>"$work/results"
}

# Prints the median of column `column` for the runs of `name`.
median_of() {
  awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$work/results" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

install_missing cmake g++ libncurses-dev pkg-config libfreetype-dev libfontconfig-dev fonts-dejavu-core libgif-dev \
  termtosvg time
build_programs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
play=$(realpath "$build/src/play/textshow-play")
printf A | "$build/src/textshow" >"$work/show.txt"
"$play" --record "$work/show.cast" "$work/show.txt" >/dev/null

for ((round = 1; round <= rounds; round++)); do
  measure gif-colour "$work/colour.gif" "$play" --gif "$work/colour.gif" --color always "$work/show.txt"
  measure gif-mono "$work/mono.gif" "$play" --gif "$work/mono.gif" --color never "$work/show.txt"
  measure termtosvg "$work/show.svg" termtosvg render "$work/show.cast" "$work/show.svg"
  echo "round $round of $rounds done" >&2
done

echo "the whole show, $(grep -c . "$work/show.txt" | awk '{ print $1 / 50 }') frames; medians of $rounds rounds"
printf '%-11s %9s %9s %10s %12s\n' "" "wall s" "CPU s" "peak KiB" "bytes"
for name in gif-colour gif-mono termtosvg; do
  printf '%-11s %9.2f %9.2f %10d %12d\n' "$name" "$(median_of $name 2)" "$(median_of $name 3)" \
    "$(median_of $name 4)" "$(median_of $name 5)"
done
for name in gif-colour gif-mono; do
  awk -v n="$name" -v w="$(median_of $name 2)" -v c="$(median_of $name 3)" \
    -v tw="$(median_of termtosvg 2)" -v tc="$(median_of termtosvg 3)" 'BEGIN {
    printf "%s against termtosvg: wall time %.3f, CPU time %.3f (target <= 0.1)\n", n, w / tw, c / tc }'
done
