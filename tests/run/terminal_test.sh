#!/usr/bin/env bash
# Plays the show in a real terminal of exactly 100 × 50 and reads the screen
# back: it must hold the twister's last frame as the stream has it, moved up
# one row by the CR LF that ends the frame. Usage: terminal_test.sh TEXTSHOW
set -u
textshow=$1
work=$(mktemp -d)
socket="textshow-test-$$"
trap 'tmux -L "$socket" kill-server 2>/dev/null; rm -rf "$work"' EXIT

echo "set -g status off" >"$work/tmux.conf"
printf A | "$textshow" >"$work/stream"
tmux -L "$socket" -f "$work/tmux.conf" new-session -d -x 100 -y 50 \
  "printf A | '$textshow'; touch '$work/done'; sleep 600"
for _ in $(seq 1 100); do
  [ -e "$work/done" ] && break
  sleep 0.1
done
[ -e "$work/done" ] || { echo "FAIL: the show did not finish in the terminal"; exit 1; }

size=$(tmux -L "$socket" display-message -p '#{pane_width}x#{pane_height}')
[ "$size" = "100x50" ] || { echo "FAIL: pane is $size, expected 100x50"; exit 1; }

tmux -L "$socket" capture-pane -p >"$work/screen"
# The last frame is the 5100 bytes before the final byte 0; its rows 2 to 50
# stand on screen rows 1 to 49, and row 50 of the screen is empty.
head -c -1 "$work/stream" | tail -c 5100 | tr -d '\r' | tail -n 49 >"$work/expected"
echo "" >>"$work/expected"
if ! diff <(sed 's/ *$//' "$work/expected") <(sed 's/ *$//' "$work/screen") >"$work/diff"; then
  echo "FAIL: the screen differs from the last frame:"
  head -n 20 "$work/diff"
  exit 1
fi
echo "terminal: the screen shows the last frame"
