#!/usr/bin/env bash
# The textshow program as a user runs it: its input, its exit status, and what
# it does when the console stops taking output. Usage: textshow_process_test.sh TEXTSHOW
set -u
textshow=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Runs a shell command with a deadline; prints its status and sets $elapsed_ms.
timed() {
  local start end status
  start=$(date +%s%N)
  timeout 10 bash -c "$1"
  status=$?
  end=$(date +%s%N)
  elapsed_ms=$(((end - start) / 1000000))
  return $status
}

# The whole show, and only the first byte of the input counts.
printf A | "$textshow" >"$work/A"
status=$?
[ "$status" -eq 0 ] || fail "input A: exit status $status, expected 0"
size=$(stat -c %s "$work/A")
[ "$size" -eq 4990651 ] || fail "input A: $size bytes, expected 4990651"
printf AB | "$textshow" >"$work/AB"
cmp -s "$work/A" "$work/AB" || fail "input AB: differs from input A"

# Only the speed byte is taken from the input: the rest stays for the next reader.
rest=$(printf 'Ahello' | { "$textshow" >/dev/null; cat; })
[ "$rest" = "hello" ] || fail "input Ahello: the next reader got '$rest', expected 'hello'"

# Arguments other than --help and --version are ignored.
printf A | "$textshow" foo -x --helps >"$work/arguments"
cmp -s "$work/A" "$work/arguments" || fail "other arguments: the show differs from input A"

# A closed or empty input still starts the same show (at its slowest pace, so
# only the first frame is read).
"$textshow" <&- 2>/dev/null | head -c 5100 >"$work/closed-input"
cmp -s "$work/closed-input" <(head -c 5100 "$work/A") || fail "closed input: first frame differs"
"$textshow" </dev/null | head -c 5100 >"$work/empty-input"
cmp -s "$work/empty-input" <(head -c 5100 "$work/A") || fail "empty input: first frame differs"

# A console that stops taking output ends the show at once, even at a slow
# pace (the byte 64 waits 255 units a frame), with the cause on standard error.
expect_stop() {
  local name=$1 command=$2 expected_status=$3 expected_message=$4 status message
  timed "$command" 2>"$work/stderr"
  status=$?
  message=$(cat "$work/stderr")
  [ "$status" -eq "$expected_status" ] ||
    fail "$name: exit status $status, expected $expected_status"
  [ "$message" = "$expected_message" ] ||
    fail "$name: said '$message', expected '$expected_message'"
  [ "$elapsed_ms" -lt 1000 ] || fail "$name: took $elapsed_ms ms, expected under 1000"
}

printf '\100' >"$work/slow"
slow_textshow="'$textshow' <'$work/slow'"
expect_stop "full disk" "$slow_textshow >/dev/full" 1 \
  "textshow: write error: No space left on device"
expect_stop "closed output" "$slow_textshow >&-" 1 \
  "textshow: write error: Bad file descriptor"
# env sets SIGPIPE's disposition itself: a shell cannot undo one ignored by its parent.
expect_stop "reader gone" \
  "env --default-signal=PIPE $slow_textshow | head -c 100 >/dev/null; exit \${PIPESTATUS[0]}" 141 ""
expect_stop "reader gone, SIGPIPE ignored" \
  "env --ignore-signal=PIPE $slow_textshow | head -c 100 >/dev/null; exit \${PIPESTATUS[0]}" 1 \
  "textshow: write error: Broken pipe"

# --help and --version answer at once, even from an input that never ends
# (a pipe this shell holds open for writing), and a failed write of the answer
# is reported like a failed show.
mkfifo "$work/never-ends"
exec 3<>"$work/never-ends"
while IFS='|' read -r name arguments output expected_status expected_start; do
  timed "'$textshow' $arguments <&3 >$output 2>'$work/stderr'"
  status=$?
  [ "$status" -eq "$expected_status" ] || fail "$name: exit status $status, expected $expected_status"
  [ "$elapsed_ms" -lt 1000 ] || fail "$name: took $elapsed_ms ms, expected under 1000"
  answer=$(cat "$work/answer" "$work/stderr" 2>/dev/null | head -n 1)
  [[ "$answer" == "$expected_start"* ]] || fail "$name: said '$answer', expected '$expected_start...'"
  rm -f "$work/answer"
done <<EOF
help|--help|'$work/answer'|0|Usage: textshow [--help | --version]
version|--version|'$work/answer'|0|textshow 1.
help among other arguments|x --version --help|'$work/answer'|0|Usage: textshow
help to a full disk|--help|/dev/full|1|textshow: write error: No space left on device
version to a full disk|--version|/dev/full|1|textshow: write error: No space left on device
EOF
exec 3<&-

if [ "$failures" -eq 0 ]; then
  echo "textshow process: all cases passed"
fi
exit $((failures > 0))
