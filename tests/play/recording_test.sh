#!/usr/bin/env bash
# Records the show and has asciinema read the recording back: what it plays
# must be every frame that textshow writes, drawn in place. Records to
# standard output, in bounded memory, and leaves nothing under the name given
# when a recording is stopped.
set -euo pipefail
play=$1
textshow=$2

for tool in asciinema tmux perl; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed: skipped"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# asciinema cat wants a terminal for its keys even when its output goes to a
# file; a tmux pane lends it one.
asciinema_cat() {
  tmux -S "$work/socket" -f /dev/null new-session -d -x 100 -y 50 \
    "asciinema cat '$1' > '$2' 2> cat.errors; echo \$? > cat.status"
  for _ in $(seq 100); do
    [[ -s cat.status ]] && break
    sleep 0.1
  done
  [[ "$(cat cat.status 2>/dev/null)" == 0 ]] || { echo "FAIL: asciinema cat $1"; cat cat.errors; exit 1; }
  rm -f cat.status
}

# What a player shows of a recording, one row a line: every frame drawn from
# the top-left corner follows a newline; the cursor and clearing codes go.
rows_played() { perl -0777 -pe 's/\e\[\?25[lh]|\e\[2J//g; s/\e\[H/\n/g; s/\r//g' "$1"; }

printf A | "$textshow" > show
{
  printf '\n'
  tr -d '\r\0' < show | head -c -1
} > expected_rows

"$play" --record show.cast --fps 1000 2> summary
asciinema_cat show.cast played
rows_played played > played_rows
cmp expected_rows played_rows || { echo "FAIL: the recording of the show does not play the show's frames"; exit 1; }
head -1 show.cast | grep -qx '{"version": 2, "width": 100, "height": 50}' || { echo "FAIL: header $(head -1 show.cast)"; exit 1; }
tail -n +2 show.cast | sed 's/^\[\([0-9.]*\),.*/\1/' | sort -c -g || { echo "FAIL: times decrease"; exit 1; }
frames=$(($(tr -cd '\n' < show | wc -c) / 50))
[[ $(awk '{ sum += $(NF - 5) } END { print sum }' summary) == "$frames" ]] ||
  { echo "FAIL: the summary does not count the show's $frames frames"; cat summary; exit 1; }

# In colour: the same characters, with colours; the plain recording has none.
"$play" --record colored.cast --fps 1000 --color=always > /dev/null
asciinema_cat colored.cast colored_played
grep -q $'\e\\[38;5;[0-9]*m' colored_played || { echo "FAIL: --color=always recorded no colours"; exit 1; }
! grep -q $'\e\\[[0-9;]*m' played || { echo "FAIL: the plain recording has colours"; exit 1; }
perl -pe 's/\e\[[0-9;]*m//g' colored_played | rows_played /dev/stdin > colored_rows
cmp expected_rows colored_rows || { echo "FAIL: the coloured recording does not play the show's frames"; exit 1; }

# A stream read from standard input, cut in its third frame, with quotes and backslashes.
for r in $(seq 120); do printf '%-100s\r\n' "row $r \"\\"; done > cut_stream
"$play" --record cut.cast - < cut_stream 2> /dev/null
asciinema_cat cut.cast cut_played
{
  printf '\n'
  tr -d '\r' < cut_stream
  for _ in $(seq 30); do printf '%100s\n' ''; done
} | head -c -1 > cut_expected
rows_played cut_played > cut_rows
cmp cut_expected cut_rows || { echo "FAIL: the cut stream's recording"; diff <(cat -A cut_expected) <(cat -A cut_rows) | head; exit 1; }

# --record - writes the same recording to standard output, the summary staying
# on standard error.
"$play" --record - --fps 1000 > stdout.cast 2> stdout_summary
cmp show.cast stdout.cast || { echo "FAIL: the recording on standard output differs"; exit 1; }
cmp summary stdout_summary || { echo "FAIL: the summary of --record -"; exit 1; }

# The highest resident memory, in KiB, that the process $1 has reached so far;
# it stays within MEMORY_BOUND_KIB (16 MiB, more under the sanitizers) for
# the second that this watches.
watch_memory() {
  local high_water=0 now
  for _ in $(seq 10); do
    now=$(awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2> /dev/null) || break
    high_water=${now:-$high_water}
    ((high_water < ${MEMORY_BOUND_KIB:-16384})) || { echo "FAIL: $2 took $high_water KiB"; exit 1; }
    sleep 0.1
  done
  echo "$2 recorded in at most $high_water KiB"
}

# A long stream and an endless one are recorded in bounded memory, as they
# arrive. A stop signal ends the recording and leaves no file; a signal
# ignored from the start (nohup) stays ignored.
head -c 10000000 /dev/zero | tr '\0' '\n' > newlines
"$play" --record /dev/null newlines 2> /dev/null &
watch_memory $! "10 MB of newlines"
kill $! 2> /dev/null || true
status=0
wait $! || status=$?
[[ $status == 0 || $status == 143 ]] || { echo "FAIL: the recording of 10 MB of newlines: status $status"; exit 1; }

yes '' | (trap '' HUP; exec "$play" --record endless.cast -) 2> /dev/null &
watch_memory $! "an endless stream"
kill -HUP $!
sleep 0.2
kill -0 $! 2> /dev/null || { echo "FAIL: an ignored SIGHUP ended the recording"; exit 1; }
kill -TERM $!
status=0
wait $! || status=$?
[[ $status == 143 ]] || { echo "FAIL: SIGTERM ended the endless recording with status $status"; exit 1; }
leftover=$(find . -maxdepth 1 -name '*endless*')
[[ -z $leftover ]] || { echo "FAIL: a stopped recording left $leftover"; exit 1; }

echo "recording test passed"
