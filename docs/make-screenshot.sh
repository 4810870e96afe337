#!/bin/sh
# Makes docs/screenshot.png: the editor holding an armoured block, as the program draws itself
# under a virtual X server. Needs a build (build/bin/shroud-a-pad and qvl), xvfb-run, xdotool
# and ImageMagick's import. Usage: docs/make-screenshot.sh [BUILD_FOLDER]
set -eu
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'Meet me at the old mill at nine.\r\nBring the map, and tell no one.\r\n' |
    "$build/bin/qvl" encrypt >"$work/letter.qvl"

# Inside the virtual server: start the editor on the block with settings of its own (so no
# user's QVL.INI is read or written), wait for its window, and take the window's picture.
cat >"$work/shoot.sh" <<'SHOOT'
set -eu
"$1/bin/shroud-a-pad" "$2/letter.qvl" &
editor=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Shroud-a-Pad' | head -n 1)
sleep 1
import -window "$window" "$3"
kill "$editor"
SHOOT
XDG_CONFIG_HOME=$work xvfb-run -a -s "-screen 0 1024x768x24" \
    sh "$work/shoot.sh" "$build" "$work" "$PWD/docs/screenshot.png"
echo "docs/screenshot.png: $(identify -format '%wx%h' docs/screenshot.png)"
