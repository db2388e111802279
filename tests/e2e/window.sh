#!/usr/bin/env bash
# The real game on an X server (run under xvfb-run): its main window comes up
# painted, and the player's clicks reach it; F1 opens the help and Esc closes
# it; Ctrl+Q ends the game with status 0. Usage: window.sh GAME DATA_DIR
set -euo pipefail
export GLINT_DATA_DIR=$2 QT_QPA_PLATFORM=xcb
"$1" & game=$!
trap 'kill $game 2>/dev/null || true' EXIT

win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Glint Galore - ')
# A fingerprint of a region of the window, and the same once it stays still.
shot() { import -window "$win" -crop "$1" rgb:- | md5sum; }
still() {
  local before after=$(shot "$1")
  until [ "$after" = "${before:-}" ]; do sleep 0.3; before=$after; after=$(shot "$1"); done
  echo "$after"
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

# The first paint: the coin slot's red panel.
colour=$(import -window "$win" -crop 1x1+604+30 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
[ "$colour" = "#FF0000" ] || { echo "the coin panel is painted $colour, not red"; exit 1; }

status=$(still 313x25+8+16)
click 636 36 # cash
[ "$(still 313x25+8+16)" != "$status" ] || { echo "a click on cash did not change the status line"; exit 1; }
reels=$(still 313x300+8+56)
click 360 460 # Start
[ "$(still 313x300+8+56)" != "$reels" ] || { echo "a click on Start did not turn the reels"; exit 1; }

helps() { xdotool search --onlyvisible --name '^How to play' || true; }
xdotool windowfocus --sync "$win" key F1
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^How to play') || { echo "F1 opened no help"; exit 1; }
xdotool windowfocus --sync "$help" key Escape
for _ in $(seq 50); do [ -z "$(helps)" ] && break; sleep 0.1; done
[ -z "$(helps)" ] || { echo "Esc left the help open"; exit 1; }
xdotool windowfocus --sync "$win" key ctrl+q
timeout 10 tail --pid=$game -f /dev/null || { echo "Ctrl+Q did not end the game"; exit 1; }
status=0
wait $game || status=$?
[ $status -eq 0 ] || { echo "Ctrl+Q ended the game with status $status"; exit 1; }
