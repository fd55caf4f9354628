#!/usr/bin/env bash
# Measures what textshow-play costs while it plays the whole show in a real
# terminal (a tmux pane): processor time and the bytes sent to the terminal,
# per frame, monochrome, in 8 and in 256 colours, at 80 x 24 and 100 x 50.
# Prints the README's table.
#
#   tools/play_cost.sh [BUILD_DIR]     (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
play=$build/src/play/textshow-play
# The show's frames, all stages, from the summary of a recording.
frames=$("$play" --record /dev/null 2>&1 >/dev/null | awk '{ sum += $(NF - 5) } END { print sum }')

work=$(mktemp -d)
term() { tmux -S "$work/socket" -f /dev/null "$@"; }
cleanup() {
  term kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Plays the show once in a pane of $1 columns by $2 lines, for the terminal
# type $3 with --color=$4; prints the processor seconds and the bytes that the
# pane received.
measure() {
  rm -f "$work/bytes" "$work/cpu" "$work/go" "$work/done"
  term new-session -d -s cost -x "$1" -y "$2" \
    "until [ -e '$work/go' ]; do sleep 0.05; done
     TERM=$3 /usr/bin/time -f '%U %S' -o '$work/cpu' '$play' --fps 1000 --color=$4
     touch '$work/done'; sleep 1000"
  term pipe-pane -o -t cost "cat > '$work/bytes'"
  touch "$work/go"
  for _ in $(seq 600); do
    [[ -e $work/done ]] && break
    sleep 0.1
  done
  term kill-session -t cost
  read -r user system < "$work/cpu"
  echo "$user $system $(stat -c %s "$work/bytes")"
}

echo "| terminal | colours | processor time per frame | bytes per frame |"
echo "|---|---|---|---|"
for size in "80 24" "100 50"; do
  read -r columns lines <<<"$size"
  for colors in "monochrome tmux-256color never" "8 screen always" "256 tmux-256color always"; do
    read -r label terminal option <<<"$colors"
    read -r user system bytes < <(measure "$columns" "$lines" "$terminal" "$option")
    awk -v c="$columns" -v l="$lines" -v label="$label" -v u="$user" -v s="$system" \
        -v bytes="$bytes" -v frames="$frames" \
        'BEGIN { printf "| %d x %d | %s | %.0f µs | %.0f |\n", c, l, label, (u + s) * 1e6 / frames, bytes / frames }'
  done
done
