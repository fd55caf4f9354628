#!/usr/bin/env bash
# Plays the show in real terminals (tmux panes): a frame centred in 120 x 60,
# the size notice in 80 x 24 and 40 x 10, resizing down to 1 x 1, space holding
# the picture and letting it go on, n skipping a stage, the status line, the
# terminal left as it was after q, Ctrl-C, SIGTERM, SIGHUP, Ctrl-\ and Ctrl-Z,
# terminals and streams that cannot be played, and the memory that an endless
# stream takes.
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

# Waits up to 10 s for a line of the pane to match the extended regular expression $1.
wait_for() {
  for _ in $(seq 100); do
    if term capture-pane -p -t show | grep -Eq -- "$1"; then
      return 0
    fi
    sleep 0.1
  done
  fail "the pane never showed /$1/"
}

# Waits up to 10 s for the pane to differ from the picture in the file $1; $2 says what failed.
wait_for_change() {
  for _ in $(seq 100); do
    if ! term capture-pane -p -t show | cmp -s - "$1"; then
      return 0
    fi
    sleep 0.1
  done
  fail "$2"
}

# Waits up to 20 s for the pane to stay the same through 20 looks in a row,
# 2 s at least, and leaves that picture in the file $1.
wait_still() {
  local same=0
  term capture-pane -p -t show > "$1"
  for _ in $(seq 200); do
    sleep 0.1
    if term capture-pane -p -t show | cmp -s - "$1"; then
      same=$((same + 1))
      ((same < 20)) || return 0
    else
      term capture-pane -p -t show > "$1"
      same=0
    fi
  done
  fail "the picture never held still"
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

# Space holds the picture still and space again lets it go on; n skips from
# the marquee to the stripes, whose top row alone reads "# # # ...". At 10
# frames a second a marquee frame stays 0.3 s and the marquee 84 s, so a
# picture still for 2 s is held, and stripes seen within seconds were skipped to.
marquee_bars='####    ####    ####    ####'
stripes_top='# # # # # # # # # # # #'
type_line "clear; '$play' --fps 10; echo exit=\$?"
wait_for "$marquee_bars"
term capture-pane -p -t show > "$work/moving"
wait_for_change "$work/moving" "the marquee did not move"
term send-keys -t show Space
wait_still "$work/held"
grep -q -- "$marquee_bars" "$work/held" || fail "space did not hold the marquee"
term send-keys -t show Space
wait_for_change "$work/held" "space again did not let the show go on"
grep -q -- "$stripes_top" "$work/held" && fail "the stripes came before n"
term send-keys -t show n
wait_for "$stripes_top"
term send-keys -t show q
wait_for "^exit=0$"
marquee_frames=$(term capture-pane -p -t show | awk '$1 == "marquee" { print $2 }')
((marquee_frames > 0 && marquee_frames < 280)) || fail "n did not cut the marquee short: $marquee_frames frames"
expect_terminal_as_before keys

# A stream cut in the middle of its sixth frame plays its six frames and ends.
head -c 30000 "$work/show" > "$work/show6"
type_line "clear; cat show6 | '$play' --fps 1000 -; echo exit=\$?"
wait_for "^exit=0$"
[[ $(frames_summed) == 6 ]] || fail "the cut stream did not show its 6 frames"
expect_terminal_as_before stream

# --loop plays the stream again and again until any key is pressed: a file
# read again from its start, a pipe from the frames kept.
for source in "show6" "- < <(cat show6)"; do
  type_line "clear; '$play' --loop --fps 1000 $source; echo exit=\$?"
  wait_for "$frame_shown"
  sleep 0.2
  term send-keys -t show x
  wait_for "^exit=0$"
  (($(frames_summed) > 6)) || fail "--loop did not play $source again"
done
expect_terminal_as_before loop

# Pause and a change of rate say so on the bottom line, over the frame; the
# rate goes after a while.
type_line "clear; '$play' --fps 1; echo exit=\$?"
wait_for "$frame_shown"
term send-keys -t show ' '
wait_for "^paused: space resumes"
term capture-pane -p -t show | grep -Eq -- "$frame_shown" || fail "the paused frame is gone"
term send-keys -t show ' ' '+'
wait_for "^2 fps"
for _ in $(seq 100); do
  term capture-pane -p -t show | grep -Eq '^(2 fps|paused)' || break
  sleep 0.1
done
term capture-pane -p -t show | grep -Eq '^(2 fps|paused)' && fail "the status line stayed"
term send-keys -t show q
wait_for "^exit=0$"
expect_terminal_as_before status

# The size notice fits a terminal 40 x 10, and a shorter one 20 x 5.
type_line "clear; '$play' --fps 1; echo exit=\$?"
wait_for "$frame_shown"
term resize-window -t show -x 40 -y 10
wait_for "^needs 100 x 50, this terminal is 40 x 10$"
term resize-window -t show -x 20 -y 5
wait_for "^needs 100 x 50 *$"
term send-keys -t show q
wait_for "^exit=0$"
term resize-window -t show -x 120 -y 60
expect_terminal_as_before narrow

# SIGHUP and Ctrl-\ restore the terminal and end the program by that signal,
# as Ctrl-C and SIGTERM do.
type_line "clear; sh -c 'echo \$\$ > pid; exec \"$play\" --fps 1'"
wait_for "$frame_shown"
kill -HUP "$(cat "$work/pid")"
wait_for "$summary_line"
type_line "echo status=\$?"
wait_for "^status=129$"
expect_terminal_as_before sighup

# A terminal that hangs up for real (its pane closed) ends the program by
# SIGHUP too, though the summary can no longer be written.
term new-window -d -t show -n hangup \
  "bash --norc --noprofile -c 'trap \"\" TERM; trap \"echo hup\" HUP; \"$play\" --fps 1; echo \$? > $work/hangup_status'"
for _ in $(seq 50); do
  term capture-pane -p -t show:hangup | grep -Eq -- "$frame_shown" && break
  sleep 0.1
done
term kill-window -t show:hangup
for _ in $(seq 50); do
  [[ -s $work/hangup_status ]] && break
  sleep 0.1
done
[[ $(cat "$work/hangup_status" 2> /dev/null) == 129 ]] ||
  fail "a closed terminal ended the program with status $(cat "$work/hangup_status" 2> /dev/null)"

type_line "clear; '$play' --fps 1"
wait_for "$frame_shown"
term send-keys -t show 'C-\'
wait_for "$summary_line"
type_line "echo status=\$?"
wait_for "^status=131$"
expect_terminal_as_before sigquit

# Ctrl-Z gives the terminal back and stops the program; fg draws the frame
# again, and the time stopped is left out of the summary as a pause is.
type_line "clear; '$play' --fps 1"
wait_for "$frame_shown"
term send-keys -t show C-z
wait_for "Stopped"
expect_terminal_as_before stopped
sleep 2
type_line "fg"
wait_for "$frame_shown"
term send-keys -t show q
wait_for "$summary_line"
seconds=$(term capture-pane -p -t show | grep -E '^marquee ' | awk '{ print $(NF - 3) }')
awk -v s="$seconds" 'BEGIN { exit !(s < 2) }' || fail "the 2 s stopped counted in the summary: $seconds s"
expect_terminal_as_before suspended

# A terminal that cannot place the cursor is refused before anything is drawn.
type_line "clear; TERM=dumb '$play'; echo status=\$?"
wait_for "^status=1$"
term capture-pane -p -t show | grep -q "^textshow-play: this terminal (TERM=dumb) cannot place the cursor" ||
  fail "no refusal of TERM=dumb"
term capture-pane -p -t show | grep -Fq -- "$(grep -m1 '[^ ]' "$work/frame" | sed 's/^ *//')" && fail "TERM=dumb got a frame"

# The keyboard is no stream of frames; a stream without a frame is an error.
type_line "clear; '$play' -; echo status=\$?"
wait_for "^status=1$"
term capture-pane -p -t show | grep -q "^textshow-play: standard input is a terminal" || fail "keys read as frames"
type_line "clear; '$play' - < /dev/null; echo status=\$?"
wait_for "^status=1$"
term capture-pane -p -t show | grep -q "^textshow-play: standard input held no frame" || fail "no word of the empty stream"
expect_terminal_as_before empty

# A stream that has yet to bring a frame says so.
type_line "clear; sh -c 'echo \$\$ > writer; exec sleep 30' | '$play' -; echo exit=\${PIPESTATUS[1]}"
wait_for "^waiting for frames"
term send-keys -t show q
kill "$(cat "$work/writer")"
wait_for "^exit=0$"
expect_terminal_as_before waiting

# An endless stream is played in bounded memory, as a looped one is: the
# player reads only as fast as it plays.
kib_most=$((16 * 1024))
for loop in "" "--loop "; do
  rm -f "$work/pid"
  type_line "clear; yes '' | sh -c 'echo \$\$ > pid; exec \"$play\" $loop--fps 1000 -'; echo exit=\${PIPESTATUS[1]}"
  for _ in $(seq 50); do
    [[ -s $work/pid ]] && break
    sleep 0.1
  done
  high_water=0
  for _ in $(seq 15); do
    high_water=$(awk '/^VmHWM:/ { print $2 }' "/proc/$(cat "$work/pid")/status")
    ((high_water < kib_most)) || fail "an endless stream ${loop}took $high_water KiB"
    sleep 0.1
  done
  term send-keys -t show q
  wait_for "^exit=0$"
  (($(frames_summed) > 256)) || fail "the endless stream ${loop}played only $(frames_summed) frames"
  echo "endless stream ${loop}played in at most $high_water KiB"
done
expect_terminal_as_before endless

echo "terminal test passed"
