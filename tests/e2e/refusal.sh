#!/usr/bin/env bash
# The real game refuses an asset tree it cannot use: it says why on its
# error output and in a message box, and once that is closed it exits with
# status 1. Without a display to open it says so in one line, also exiting
# with status 1. Usage (under xvfb-run): refusal.sh GAME DATA_DIR
set -euo pipefail
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp -r "$2/." "$tree"
first=$(ls "$tree/images/"*.zri | head -n 1)

# An empty tree, and the bundled one with its first symbol picture spoilt.
for case in "empty|Cannot list pictures in $tree/empty/images/" "spoilt|Cannot load picture $first: "; do
  dir=${case%%|*} wanted=${case#*|}
  [ "$dir" = empty ] && mkdir -p "$tree/empty" && dir=$tree/empty || { echo "not a picture" > "$first"; dir=$tree; }
  GLINT_DATA_DIR=$dir QT_QPA_PLATFORM=xcb timeout 60 "$1" 2> "$tree/stderr" & game=$!
  box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Glint Galore$')
  xdotool windowfocus --sync "$box" key Return
  status=0
  wait $game || status=$?
  [ $status -eq 1 ] || { echo "$dir: exit status $status, not 1"; exit 1; }
  grep -qF "glint-galore: $wanted" "$tree/stderr" || { echo "$dir: no '$wanted' in:"; cat "$tree/stderr"; exit 1; }
done

# No display to open, named or not, or found where libwayland looks without
# a name (a socket here that refuses), or a device-bound platform without
# its device: one line, status 1.
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$tree/wayland-0"
for case in "-u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$tree/empty|set WAYLAND_DISPLAY or DISPLAY" \
    "XDG_RUNTIME_DIR=$tree WAYLAND_DISPLAY=none|could not open WAYLAND_DISPLAY=none" \
    "-u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$tree|could not open $tree/wayland-0" \
    "QT_QPA_PLATFORM=eglfs|could not open QT_QPA_PLATFORM=eglfs" \
    "QT_QPA_PLATFORM=linuxfb|could not open QT_QPA_PLATFORM=linuxfb"; do
  status=0
  env -u DISPLAY -u QT_QPA_PLATFORM ${case%%|*} "$1" 2>"$tree/stderr" || status=$?
  [ $status -eq 1 ] && [ "$(cat "$tree/stderr")" = "glint-galore: no display: ${case#*|}" ] ||
    { echo "${case%%|*}: exit status $status, and:"; cat "$tree/stderr"; exit 1; }
done

# A Wayland display that is not there, and the X server beside it: the game
# falls back to X11 and says nothing of the Wayland display it did not find.
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=$tree WAYLAND_DISPLAY=none PULSE_SERVER=unix:/nonexistent "$1" 2>"$tree/stderr" & game=$!
timeout 30 xdotool search --sync --onlyvisible --name KQProductions >/dev/null
kill $game
wait $game || true
[ "$(cat "$tree/stderr")" = "glint-galore: no sound server answers; playing on without sound" ] ||
  { echo "the fallback to X11 said:"; cat "$tree/stderr"; exit 1; }
