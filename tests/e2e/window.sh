#!/usr/bin/env bash
# The real game on an X server (run under xvfb-run): its main window comes up
# painted, and the player's clicks reach it. Usage: window.sh GAME DATA_DIR
set -euo pipefail
export GLINT_DATA_DIR=$2 QT_QPA_PLATFORM=xcb
"$1" & game=$!
trap 'kill $game 2>/dev/null || true' EXIT

win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Glint Galore - ')
# The colour of a window pixel, and a fingerprint of a region once it stays still.
pixel() { import -window "$win" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
still() {
  local before after=$(import -window "$win" -crop "$1" rgb:- | md5sum)
  until [ "$after" = "${before:-}" ]; do sleep 0.3; before=$after; after=$(import -window "$win" -crop "$1" rgb:- | md5sum); done
  echo "$after"
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

# The first paint: the coin slot's red panel and the status line's black panel.
[ "$(pixel 604 30)" = "#FF0000" ] || { echo "coin panel not painted red: $(pixel 604 30)"; exit 1; }
[ "$(pixel 12 38)" = "#000000" ] || { echo "status panel not painted black: $(pixel 12 38)"; exit 1; }

status=$(still 313x25+8+16)
click 636 36 # cash
[ "$(still 313x25+8+16)" != "$status" ] || { echo "a click on cash did not change the status line"; exit 1; }
reels=$(still 313x300+8+56)
click 360 460 # Start
[ "$(still 313x300+8+56)" != "$reels" ] || { echo "a click on Start did not turn the reels"; exit 1; }
kill -0 $game
