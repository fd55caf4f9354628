#!/usr/bin/env bash
# Makes GIFs with textshow-play as a user does: an excerpt of a piped stream,
# the colour choice, and each way the output can fail, which must leave no
# half-written file under the name asked for.
set -euo pipefail
play=$1
textshow=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# An excerpt of a stream from standard input: a GIF, and the summary of its
# stages alone. The player stops reading after the last stage asked for, so
# textshow may end by SIGPIPE.
"$play" --gif excerpt.gif --from stripes --to 'tunnel loading' - < <(printf A | "$textshow") 2> summary
[[ $(head -c 6 excerpt.gif) == GIF89a ]] || fail "excerpt.gif is not a GIF"
[[ $(cut -c 1-16 summary | sed 's/ *$//' | tr '\n' ,) == "stripes,tunnel loading," ]] ||
  fail "the summary of the excerpt: $(cat summary)"

# Colour unless asked not to be, by --color or by NO_COLOR.
"$play" --gif default.gif --to 1 > /dev/null
"$play" --gif never.gif --to 1 --color never > /dev/null
NO_COLOR=1 "$play" --gif no_color.gif --to 1 > /dev/null
NO_COLOR=1 "$play" --gif always.gif --to 1 --color always > /dev/null
cmp -s never.gif no_color.gif || fail "NO_COLOR does not make the GIF as --color never does"
cmp -s default.gif always.gif || fail "--color always does not win over NO_COLOR"
! cmp -s default.gif never.gif || fail "the GIF is not in colour by default"

# expect_failure MESSAGE-PATTERN NAME ARGUMENT...: textshow-play must fail with
# status 1 and the message, and leave the file NAME as it was (or absent).
expect_failure() {
  local pattern=$1 name=$2
  shift 2
  local before="" status=0
  [[ -f $name ]] && before=$(md5sum < "$name")
  "$play" "$@" > out 2>&1 || status=$?
  if [[ $status != 1 ]] || ! grep -Eq -- "$pattern" out || [[ $(wc -l < out) != 1 ]]; then
    fail "textshow-play $*: status $status (wanted 1), said: $(cat out)"
  fi
  if [[ -f $name && $(md5sum < "$name") != "$before" ]] || [[ -z $before && -f $name ]]; then
    fail "textshow-play $* left $name written"
  fi
}

expect_failure "^textshow-play: cannot write $work/missing/x.gif: No such file or directory$" missing/x.gif \
  --gif "$work/missing/x.gif"
expect_failure "^textshow-play: cannot write $work: Is a directory$" "$work" --gif "$work"
expect_failure '^textshow-play: cannot write /dev/full: No space left on device$' /dev/full --gif /dev/full
expect_failure "^textshow-play: cannot read font $work/none.ttf: No such file or directory$" font.gif \
  --gif font.gif --font "$work/none.ttf"
expect_failure "^textshow-play: cannot use font $work/summary: not a font FreeType can read$" font.gif \
  --gif font.gif --font "$work/summary"
expect_failure "^textshow-play: cannot read $work/none.txt: No such file or directory$" stream.gif \
  --gif stream.gif "$work/none.txt"

# A disk that fills in the middle of the GIF, as a limit on the size of files
# makes it: the old file of that name stays as it was.
echo "an older GIF" > full.gif
(
  ulimit -f 200
  trap '' XFSZ
  failures=0
  expect_failure '^textshow-play: cannot write full.gif: File too large$' full.gif --gif full.gif
  exit "$failures"
) || failures=$((failures + 1))
[[ $(cat full.gif) == "an older GIF" ]] || fail "the older full.gif was overwritten"

leftovers=$(find . -name '.*.gif.*')
[[ -z $leftovers ]] || fail "temporary files left: $leftovers"

if ((failures > 0)); then
  exit 1
fi
echo "gif test passed"
