#!/usr/bin/env bash
# Installs the build into a scratch prefix: both programs and both manual pages.
set -euo pipefail
build=$1

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

missing=0
for file in bin/textshow bin/textshow-play share/man/man6/textshow.6 share/man/man6/textshow-play.6; do
  if [[ ! -s "$prefix/$file" ]]; then
    echo "FAIL: $file was not installed"
    missing=1
  fi
done
if ((missing)); then
  exit 1
fi
[[ -x "$prefix/bin/textshow-play" ]] || { echo "FAIL: textshow-play cannot be run"; exit 1; }
"$prefix/bin/textshow-play" --version > /dev/null
echo "install test passed"
