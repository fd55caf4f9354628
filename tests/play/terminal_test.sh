#!/usr/bin/env bash
# Plays the show in real terminals (tmux panes): a frame centred in 120 x 60,
# the whole frame scaled down in 80 x 24 while resizing down to 1 x 1, the
# centre with the size notice under --crop (in 80 x 24 and 40 x 10), one frame
# exactly at many sizes and in the colours that the terminal, NO_COLOR and
# --color ask for, space holding the picture and letting it go on, n skipping
# a stage, the status line, the terminal left as it was after q, Ctrl-C,
# SIGTERM, SIGHUP, Ctrl-\ and Ctrl-Z, terminals and streams that cannot be
# played, and the memory that an endless stream takes.
set -euo pipefail
play=$1
textshow=$2
scaled_screen=$3

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

# Waits up to 5 s for the pane to equal one of the files given, trailing
# blanks left out.
wait_for_screen() {
  for _ in $(seq 50); do
    term capture-pane -p -t show | sed 's/ *$//' > "$work/screen"
    for expected in "$@"; do
      if cmp -s "$expected" "$work/screen"; then
        return 0
      fi
    done
    sleep 0.1
  done
  diff "$1" "$work/screen" | head -20 || true
  fail "the pane never showed $*"
}

# What a terminal of $1 lines and $2 columns shows of the frame in file $3
# when it scales it down.
scaled() { "$scaled_screen" "$1" "$2" < "$3" | sed 's/ *$//'; }

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

# In 80 x 24 the whole frame, scaled down; the show goes on meanwhile, so any
# of the first page's eight pictures of the strips.
for f in $(seq 0 7); do
  head -c $(((f + 1) * 5100)) "$work/show" | tail -c 5100 > "$work/frame$f"
  scaled 24 80 "$work/frame$f" > "$work/scaled$f"
done
term resize-window -t show -x 80 -y 24
wait_for_screen "$work"/scaled?
for size in "1 1" "2 1" "1 2" "7 3" "100 49" "15 30" "80 24"; do
  read -r columns lines <<<"$size"
  term resize-window -t show -x "$columns" -y "$lines"
  sleep 0.1
done
wait_for_screen "$work"/scaled?
term send-keys -t show q
wait_for "^exit=0$"
term capture-pane -p -t show | grep -Eq "$summary_line" || fail "no summary"
term resize-window -t show -x 120 -y 60
expect_terminal_as_before q

# --crop keeps the centre at 1:1, with the size notice.
term resize-window -t show -x 80 -y 24
type_line "clear; '$play' --crop --fps 1; echo exit=\$?"
wait_for "needs 100 x 50, this terminal is 80 x 24"
term send-keys -t show q
wait_for "^exit=0$"
term resize-window -t show -x 120 -y 60

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

# A stream that brings one frame and then waits keeps it on the screen. At
# 100 x 50 the screen is the frame exactly; smaller, the whole of it scaled
# down; below the smallest scale, the centre and the notice.
mkfifo "$work/feed"
# Starts the player with the environment $1 and the options $2 on the stream.
start_still() {
  exec 3<>"$work/feed"
  type_line "clear; $1 '$play' --fps 1000 $2 - < feed; echo exit=\$?"
  cat "$work/frame0" >&3
}
stop_still() {
  exec 3>&-
  wait_for "^exit=0$"
}
tr -d '\r' < "$work/frame0" | sed 's/ *$//' > "$work/exact"

start_still TERM=tmux-256color ""
for size in "100 50" "80 24" "120 40" "99 50" "20 8" "40 7" "100 50"; do
  read -r columns lines <<<"$size"
  term resize-window -t show -x "$columns" -y "$lines"
  if ((lines >= 50 && columns >= 100)); then
    wait_for_screen "$work/exact"
  elif ((lines >= 8 && columns >= 16)); then
    scaled "$lines" "$columns" "$work/frame0" > "$work/expected_scaled"
    wait_for_screen "$work/expected_scaled"
  else
    wait_for "needs 100 x 50"
  fi
done
stop_still

# The colours the terminal, NO_COLOR and --color ask for; the characters are
# the frame's whatever the colours.
while IFS='|' read -r environment option colors; do
  start_still "$environment" "$option"
  wait_for_screen "$work/exact"
  term capture-pane -p -e -t show > "$work/colored"
  got=none
  if grep -q $'\e\\[38;5;' "$work/colored"; then
    got=256
  elif grep -q $'\e\\[3[0-7]m' "$work/colored"; then
    got=8
  fi
  [[ $got == "$colors" ]] || fail "$environment $option: colours $got, not $colors"
  stop_still
done <<'CASES'
TERM=tmux-256color||256
TERM=tmux-256color NO_COLOR=1||none
TERM=tmux-256color NO_COLOR=||256
TERM=tmux-256color NO_COLOR=1|--color=always|256
TERM=tmux-256color|--color=never|none
TERM=screen||8
TERM=vt100|--color=always|none
CASES
expect_terminal_as_before colors
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
type_line "clear; '$play' --crop --fps 1; echo exit=\$?"
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
kib_most=${MEMORY_BOUND_KIB:-16384}
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
