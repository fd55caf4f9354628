#!/usr/bin/env bash
# Makes the animated GIF that README.md opens with: the tunnel, in colour, at
# textshow-play's default size and pace, looping.
#
#   tools/readme_gif.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mkdir -p doc
"$build/src/play/textshow-play" --gif doc/tunnel.gif --from tunnel --to tunnel --color always
