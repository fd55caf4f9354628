#!/usr/bin/env bash
# A whole textshow run under valgrind makes one allocation, the C++ runtime's
# own at start-up: the show allocates nothing, standard input is read without a
# buffer and standard output has a buffer of the program's own, whether it is
# a file, a pipe or a terminal. Skipped (77) where valgrind or script is
# missing. Usage: allocation_count_test.sh TEXTSHOW
set -u
textshow=$1
for tool in valgrind script; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

run="printf A | valgrind --log-file='$work/log' '$textshow'"
while IFS='|' read -r output command; do
  rm -f "$work/log"
  bash -c "$command" >/dev/null 2>&1
  usage=$(grep -o 'total heap usage: [0-9,]* allocs' "$work/log" 2>/dev/null)
  if [ "$usage" != "total heap usage: 1 allocs" ]; then
    echo "FAIL: output to a $output: '${usage:-no heap summary}', expected 'total heap usage: 1 allocs'"
    failures=$((failures + 1))
  fi
done <<CASES
file|$run >'$work/show'
pipe|$run | cat >/dev/null
terminal|script -qec "$run" /dev/null
CASES

if [ "$failures" -eq 0 ]; then
  echo "allocation count: one allocation a run"
fi
exit $((failures > 0))
