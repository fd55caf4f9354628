#!/usr/bin/env bash
# Makes the starting corpus of one fuzz target: slices of the show that
# textshow writes, and small hand seeds for the cases that found faults in the
# player before. Usage: make_corpus.sh TEXTSHOW TARGET CORPUS_DIR
set -euo pipefail
textshow=$1
target=$2
corpus=$3
rm -rf "$corpus"
mkdir -p "$corpus"

# seed NAME FORMAT [ARGUMENTS]: one seed, written by printf.
seed() {
  local name=$1
  shift
  # shellcheck disable=SC2059 # the format is the seed
  printf -- "$@" >"$corpus/$name"
}

# slice NAME OFFSET LENGTH: bytes of the show.
slice() {
  dd if="$show" of="$corpus/$1" iflag=skip_bytes,count_bytes skip="$2" count="$3" status=none
}

show=$(mktemp)
trap 'rm -f "$show"' EXIT
printf A | "$textshow" >"$show"

long_row=$(printf '%300s' '' | tr ' ' x)
case $target in
  frame_splitter | frame_feed)
    # Offsets in the show: the stripes start at 1,428,000, the tunnel's loading
    # bar at 1,938,000, the tunnel at 2,193,000 (frames of 5,051 bytes, rows 1
    # to 49 ended by LF alone), the plasma at 3,205,650.
    slice first-frame 0 5100
    slice truncated-frame 0 3000
    slice stripes-into-loading-bar 1932900 10200
    slice tunnel-frames 2193000 10102
    slice tunnel-into-loading-bar 2945599 10151
    slice plasma-frame 3205650 5100
    tail -c 5101 "$show" >"$corpus/last-frame-and-closing-0"
    seed lf-only-rows '%.0srow\n' $(seq 50)
    seed cr-without-lf 'a\rb\r\rc\r\n'
    seed nul 'a\0b\r\n\0'
    seed high-bytes '\x80\xc3\xa9\xff\xfe\r\n'
    seed long-row '%s\r\n' "$long_row"
    ;;
  json_string)
    slice marquee-row 0 102
    slice tunnel-row 2193000 101
    seed escape-sequences '\x1b[H\x1b[2J\x1b[?25l'
    seed quotes-and-backslashes '"\\"\\\\/'
    seed control-bytes '\0\x01\b\t\n\f\r\x1f\x7f'
    seed utf8-text 'caf\xc3\xa9 \xe2\x94\x80 \xf0\x9f\x8e\x86'
    seed broken-utf8 '\xff\xc3\x28\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82'
    seed long-row '%s' "$long_row"
    ;;
  parse_options)
    seed fps '--fps\0%s' 30
    seed fps-joined '--fps=1000'
    seed record-stream '--record\0x.cast\0-'
    seed loop-and-record '--loop\0--record=y.cast'
    seed help '-h\0--version'
    seed missing-value '--fps'
    seed negative '--fps\0-5'
    seed unknown '--unknown\0-x'
    seed two-files 'a\0b'
    ;;
  gif_animation)
    # The first byte chooses the stage whose palette colours the frames.
    staged() {
      { printf '%b' "$2"; dd if="$show" iflag=skip_bytes,count_bytes skip="$3" count="$4" status=none; } >"$corpus/$1"
    }
    staged marquee-frame '\0' 0 5100
    staged tunnel-frames '\3' 2193000 10102
    staged plasma-frames '\5' 3205650 10200
    seed long-row-twister '\6%s\r\n' "$long_row"
    seed high-bytes-further '\7\x80\xc3\xa9\xff\xfe\r\n'
    ;;
  *)
    echo "no corpus for fuzz target '$target'" >&2
    exit 1
    ;;
esac
