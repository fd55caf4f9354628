#!/usr/bin/env bash
# The pictures in README.md must be what tools/readme_pictures.sh cuts from
# textshow's output today.
set -euo pipefail
source_dir=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The lines between the markers, without the blank line after the first and before the last.
sed -n '/^<!-- pictures: begin -->$/,/^<!-- pictures: end -->$/p' "$source_dir/README.md" | sed '1,2d' | head -n -2 \
  > "$work/in_readme"
bash "$source_dir/tools/readme_pictures.sh" "$build" > "$work/cut_now"
if ! diff -u "$work/in_readme" "$work/cut_now" > "$work/difference"; then
  echo "FAIL: the pictures in README.md differ from the show; put the output of"
  echo "tools/readme_pictures.sh between the picture markers. The difference:"
  head -40 "$work/difference"
  exit 1
fi
echo "README pictures test passed"
