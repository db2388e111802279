#!/usr/bin/env bash
# The real game's own keys on an X server (run under xvfb-run): F1 opens the
# help window and Esc closes it; Ctrl+Q ends the game with status 0.
# Usage: keys.sh GAME DATA_DIR
set -euo pipefail
export GLINT_DATA_DIR=$2 QT_QPA_PLATFORM=xcb
"$1" & game=$!
trap 'kill $game 2>/dev/null || true' EXIT
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Glint Galore - ')
helps() { xdotool search --onlyvisible --name '^How to play' || true; }

xdotool windowfocus --sync "$win" key F1
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^How to play') || { echo "F1 opened no help"; exit 1; }
xdotool windowfocus --sync "$help" key Escape
for _ in $(seq 50); do [ -z "$(helps)" ] && break; sleep 0.1; done
[ -z "$(helps)" ] || { echo "Esc left the help open"; exit 1; }

xdotool windowfocus --sync "$win" key ctrl+q
status=0
timeout 10 tail --pid=$game -f /dev/null || { echo "Ctrl+Q did not end the game"; exit 1; }
wait $game || status=$?
[ $status -eq 0 ] || { echo "Ctrl+Q ended the game with status $status"; exit 1; }
