#!/usr/bin/env bash
# Runs one fuzz target and keeps its whole log in LOG; prints only the number
# of inputs it tried, or the end of the log if it found a fault.
# Usage: run_fuzzer.sh LOG FUZZER [ARGUMENT]...
set -u
log=$1
shift
"$@" >"$log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log"
  exit "$status"
fi
grep -E '^Done [0-9]+ runs' "$log"
