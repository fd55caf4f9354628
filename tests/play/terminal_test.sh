#!/usr/bin/env bash
# Plays the show in real terminals (tmux panes): a frame centred in 120 x 60,
# the size notice in 80 x 24, resizing down to 1 x 1, and the terminal left as
# it was after q, Ctrl-C and SIGTERM.
set -euo pipefail
play=$1
textshow=$2

if ! command -v tmux >/dev/null; then
  echo "tmux is not installed: skipped"
  exit 77
fi

work=$(mktemp -d)
term() { tmux -S "$work/socket" -f /dev/null "$@"; }
cleanup() {
  term kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  echo "--- the pane:"
  term capture-pane -p -t show || true
  exit 1
}

# Waits up to 5 s for a line of the pane to match the extended regular expression $1.
wait_for() {
  for _ in $(seq 50); do
    if term capture-pane -p -t show | grep -Eq -- "$1"; then
      return 0
    fi
    sleep 0.1
  done
  fail "the pane never showed /$1/"
}

# A line of the summary printed at exit: stage name, frames, seconds, rate.
summary_line='^[a-z][a-z ]* +[0-9]+ frames +[0-9.]+ s +([0-9.]+|-) fps$'

# The frames that the summary on the pane counts, all stages together.
frames_summed() {
  term capture-pane -p -t show | grep -E "$summary_line" | awk '{ sum += $(NF - 5) } END { print sum }'
}

type_line() { term send-keys -t show -l -- "$1" && term send-keys -t show Enter; }

# The terminal's settings now are those it had at the start.
expect_terminal_as_before() {
  type_line "clear; stty -g | cmp -s - $work/settings && echo terminal-as-before-$1"
  wait_for "^terminal-as-before-$1"
}

term new-session -d -s show -x 120 -y 60 "bash --norc --noprofile"
type_line "PS1='$ '; stty -g > $work/settings; cd $work"
type_line "clear"

# The first frame, centred: 5 rows above and 10 columns to the left.
printf A | "$textshow" > "$work/show"
head -c 5100 "$work/show" | tr -d '\r' > "$work/frame"
{
  printf '\n%.0s' 1 2 3 4 5
  sed 's/^/          /; s/ *$//' "$work/frame"
  printf '\n%.0s' 1 2 3 4 5
} > "$work/expected_screen"
# The first text of the frame, as a pattern that says it is on the screen.
frame_shown=$(grep -m1 '[^ ]' "$work/frame" | sed 's/^ *//; s/ *$//; s/[][\.*^$|?+(){}]/\\&/g')

type_line "'$play' --fps 1; echo exit=\$?"
wait_for "$frame_shown"
term capture-pane -p -t show | sed 's/ *$//' > "$work/screen"
diff "$work/expected_screen" "$work/screen" > "$work/screen_diff" || fail "the first frame is not centred in 120 x 60: $(head -20 "$work/screen_diff")"

term resize-window -t show -x 80 -y 24
wait_for "needs 100 x 50, this terminal is 80 x 24"
for size in "1 1" "2 1" "1 2" "7 3" "100 49" "80 24"; do
  read -r columns lines <<<"$size"
  term resize-window -t show -x "$columns" -y "$lines"
  sleep 0.1
done
wait_for "needs 100 x 50, this terminal is 80 x 24"
term send-keys -t show q
wait_for "^exit=0$"
term capture-pane -p -t show | grep -Eq "$summary_line" || fail "no summary"
term resize-window -t show -x 120 -y 60
expect_terminal_as_before q

type_line "clear; '$play' --fps 1"
wait_for "$frame_shown"
term send-keys -t show C-c
wait_for "$summary_line"
type_line "echo status=\$?"
wait_for "^status=130$"
expect_terminal_as_before ctrl-c

type_line "clear; sh -c 'echo \$\$ > pid; exec \"$play\" --fps 1'"
wait_for "$frame_shown"
kill -TERM "$(cat "$work/pid")"
wait_for "$summary_line"
type_line "echo status=\$?"
wait_for "^status=143$"
expect_terminal_as_before sigterm

# A stream cut in the middle of its sixth frame plays its six frames and ends.
head -c 30000 "$work/show" > "$work/show6"
type_line "clear; cat show6 | '$play' --fps 1000 -; echo exit=\$?"
wait_for "^exit=0$"
[[ $(frames_summed) == 6 ]] || fail "the cut stream did not show its 6 frames"
expect_terminal_as_before stream

# --loop plays the stream again and again until any key is pressed.
type_line "clear; '$play' --loop --fps 1000 show6; echo exit=\$?"
wait_for "$frame_shown"
sleep 0.2
term send-keys -t show x
wait_for "^exit=0$"
(($(frames_summed) > 6)) || fail "--loop did not play the stream again"
expect_terminal_as_before loop

echo "terminal test passed"
