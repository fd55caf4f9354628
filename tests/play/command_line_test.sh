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
expect 1 "^textshow-play: cannot read $work/missing: No such file or directory" "$work/missing"
expect 1 "^textshow-play: cannot read $work: Is a directory" "$work"
expect 1 "^textshow-play: cannot write $work/no/such/dir/x.cast: No such file or directory" --record "$work/no/such/dir/x.cast"
expect 1 "^textshow-play: cannot read $work/missing" --record "$work/x.cast" "$work/missing"
expect 1 '^textshow-play: standard output is not a terminal' --fps 5

if ((failures > 0)); then
  exit 1
fi
echo "command line test passed"
