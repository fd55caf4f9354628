#!/usr/bin/env bash
# Runs textshow-play as a user would from a script: help, version, and a clear
# message with a non-zero status for each command line or file it cannot use.
set -euo pipefail
play=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS MESSAGE-PATTERN ARGUMENT...: runs the player without a
# terminal and checks its status and what it said.
expect() {
  local status=$1 pattern=$2
  shift 2
  local got=0
  "$play" "$@" < /dev/null > "$work/out" 2>&1 || got=$?
  if [[ $got != "$status" ]] || ! grep -Eq -- "$pattern" "$work/out"; then
    echo "FAIL: textshow-play $*: status $got (wanted $status), said:"
    cat "$work/out"
    failures=$((failures + 1))
  fi
}

expect 0 '^Usage: textshow-play \[OPTION\]\.\.\. \[FILE\]' --help
expect 0 '^textshow-play [0-9]+\.[0-9]+\.[0-9]+$' --version
expect 2 "^textshow-play: unknown option '--bogus'" --bogus
expect 2 "Try 'textshow-play --help'" --bogus
expect 2 "^textshow-play: --fps needs a whole number from 1 to 1000, not '0'" --fps 0
expect 2 "^textshow-play: --fps needs a whole number from 1 to 1000, not 'fast'" --fps=fast
expect 2 "^textshow-play: option '--fps' needs a value" --fps
expect 2 "^textshow-play: one FILE at most" a b
expect 2 "^textshow-play: --color needs auto, always or never, not 'yes'" --color=yes
expect 2 "^textshow-play: unknown option '--crop=1'" --crop=1
expect 1 "^textshow-play: cannot read $work/missing: No such file or directory" "$work/missing"
expect 1 "^textshow-play: cannot read $work: Is a directory" "$work"
expect 1 "^textshow-play: cannot write $work/no/such/dir/x.cast: No such file or directory" --record "$work/no/such/dir/x.cast"
expect 1 "^textshow-play: cannot read $work/missing" --record "$work/x.cast" "$work/missing"
expect 1 '^textshow-play: standard output is not a terminal' --fps 5

# A stream without a frame is an error, and leaves no recording.
expect 1 "^textshow-play: standard input held no frame$" --record "$work/x.cast" -
expect 1 "^textshow-play: /dev/null held no frame$" --record "$work/x.cast" /dev/null
leftover=$(ls -A "$work" | grep -v '^out$' || true)
if [[ -n $leftover ]]; then
  echo "FAIL: a recording without a frame left $leftover"
  failures=$((failures + 1))
fi

# The output is opened before the stream is read: a path that cannot be
# written is reported at once, not after the stream ends.
exec 3< <(exec sleep 30 2> /dev/null)
slow_writer=$!
status=0
timeout 10 "$play" --record /proc/x - <&3 > "$work/out" 2>&1 || status=$?
exec 3<&-
kill "$slow_writer"
if [[ $status != 1 ]] || ! grep -q "^textshow-play: cannot write /proc/x" "$work/out"; then
  echo "FAIL: --record /proc/x with a slow stream: status $status, said: $(cat "$work/out")"
  failures=$((failures + 1))
fi

# A failed write of anything is a failure, the summary and the help included.
for output in "--record $work/y.cast >/dev/full 2>/dev/full" "--record - >/dev/full" "--help >/dev/full"; do
  status=0
  eval "\"\$play\" $output" < /dev/null 2> "$work/out" || status=$?
  if [[ $status != 1 ]]; then
    echo "FAIL: textshow-play $output: status $status"
    failures=$((failures + 1))
  fi
done
grep -q "^textshow-play: cannot write standard output: No space left on device$" "$work/out" || {
  echo "FAIL: --help to a full disk said: $(cat "$work/out")"
  failures=$((failures + 1))
}

if ((failures > 0)); then
  exit 1
fi
echo "command line test passed"
