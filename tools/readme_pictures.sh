#!/usr/bin/env bash
# Prints the pictures of README.md: the middle frame of each stage of the show,
# taken from what textshow writes, as Markdown text blocks. The loading bar is
# shown once, and blank rows above and below a picture are left out.
#
#   tools/readme_pictures.sh [BUILD_DIR]     (default: build)
#
# The pictures in README.md lie between the lines "<!-- pictures: begin -->"
# and "<!-- pictures: end -->"; a test compares them with this script's output.
set -euo pipefail
build=${1:-build}
textshow=$build/src/textshow
play=$build/src/play/textshow-play

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One row a line, each frame 50 lines.
printf A | "$textshow" | tr -d '\r\0' > "$work/rows"

# The stages with their frames, from the summary of a recording on standard error.
"$play" --record /dev/null --fps 1000 2> "$work/stages"

awk -v rows_file="$work/rows" '
  BEGIN { while ((getline line < rows_file) > 0) row[n++] = line }
  {
    frames = $(NF - 5)
    name = $0
    sub(/ +[0-9]+ frames .*/, "", name)
    if (name ~ /loading$/) {
      if (loading_shown++) { first += frames; next }
      name = "loading bar"
    }
    picture(name, first + int(frames / 2))
    first += frames
  }
  function picture(name, frame,    top, bottom, r, text) {
    top = frame * 50
    bottom = top + 49
    while (top < bottom && row[top] ~ /^ *$/) top++
    while (bottom > top && row[bottom] ~ /^ *$/) bottom--
    printf "%s%s, frame %d of the show:\n\n```text\n", (picture_count++ ? "\n" : ""), name, frame + 1
    for (r = top; r <= bottom; r++) {
      text = row[r]
      sub(/ +$/, "", text)
      print text
    }
    print "```"
  }
' "$work/stages"
