#!/usr/bin/env bash
# Takes the README's screenshots of textshow-play in colour: xterm windows of
# 100 x 50 and 80 x 24 under a virtual X server, each showing one frame of the
# show as the player draws it, saved as PNG in doc/.
#
#   tools/readme_screenshots.sh [BUILD_DIR]     (default: build)
#
# Needs the Debian packages xvfb, xterm, imagemagick and fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
textshow=$build/src/textshow
play=$build/src/play/textshow-play

for tool in xvfb-run xterm import; do
  command -v "$tool" >/dev/null || { echo "readme_screenshots: $tool is missing (apt-get install xvfb xterm imagemagick)" >&2; exit 1; }
done
# Runs again under a virtual X server of its own.
if [[ -z ${SCREENSHOT_SERVER:-} ]]; then
  exec env SCREENSHOT_SERVER=1 xvfb-run -a -s "-screen 0 1024x1024x24" bash "$0" "$build"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf A | "$textshow" > "$work/show"

# The show up to and including frame $1 (from 0), as the player reads it.
show_up_to() {
  awk -v rows=$((($1 + 1) * 50)) '{ print } NR == rows { exit }' "$work/show"
}

# Shows frame $1 of the show in an xterm of $2 columns by $3 lines and saves
# the window as $4. The frames before it stream past; the stream then stays
# open, so the frame stays on the screen until the window is taken.
shoot() {
  local frame=$1 columns=$2 lines=$3 picture=$4
  rm -f "$work/feed" "$work/window" "$work/shot"*.png
  mkfifo "$work/feed"
  exec 3<>"$work/feed"
  xterm -geometry "${columns}x${lines}" -fa 'DejaVu Sans Mono' -fs 9 -bg black -fg '#d0d0d0' -b 4 \
    -tn xterm-256color -e bash -c "echo \$WINDOWID > '$work/window'; exec '$play' --fps 1000 - < '$work/feed'" 3>&- &
  local xterm_pid=$!
  show_up_to "$frame" >&3
  # Taken once two pictures in a row agree: the stream has played out.
  for attempt in $(seq 100); do
    sleep 0.3
    [[ -s $work/window ]] || continue
    import -window "$(cat "$work/window")" -strip -define png:exclude-chunks=date,time "$work/shot$attempt.png"
    if ((attempt > 1)) && cmp -s "$work/shot$attempt.png" "$work/shot$((attempt - 1)).png"; then
      cp "$work/shot$attempt.png" "$picture"
      break
    fi
  done
  exec 3>&-
  wait "$xterm_pid"
  [[ -s $picture ]] || { echo "readme_screenshots: no steady picture for $picture" >&2; exit 1; }
}

# The plasma at full size; the twister at 80 x 24, scaled down to 48 x 24.
shoot 706 100 50 doc/play_100x50.png
shoot 881 80 24 doc/play_80x24.png
ls -l doc/play_100x50.png doc/play_80x24.png
