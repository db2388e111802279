#!/usr/bin/env bash
# The game as a Wayland client of its own weston (headless, no X server),
# judged by the requests the compositor received, as the benchmarks' reader
# of weston's log (bench/wayland_frames.py) sums them up.
# Usage: wayland.sh CASE PROGRAM
#   start  the real game at scale 2 until its main window shows: the splash
#          is on the compositor at least 300 ms before its window goes, and
#          before the main window's first frame; the main window's buffers
#          are 2x (set_buffer_scale 2, twice the window's width)
#   spin   three spins through the window (glint-bench-spin: a headless
#          compositor has no keyboard to press Start with) each arrive as
#          at least 25 distinct moments; in the median spin none comes more
#          than 40 ms after the last, so that one spin slowed by a machine
#          busy elsewhere does not fail (before the flush every spin had
#          gaps over 50 ms)
set -euo pipefail
case=$1 program=$2
work=$(mktemp -d) # mode 0700, as a runtime directory must be
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=glint-test PULSE_SERVER=unix:/nonexistent
weston --backend=headless-backend.so --use-pixman --debug --no-config --idle-time=0 --socket=$WAYLAND_DISPLAY \
    --scale=$([ "$case" = start ] && echo 2 || echo 1) >"$work/weston.log" 2>&1 & weston=$!
until [ -S "$work/$WAYLAND_DISPLAY" ]; do kill -0 $weston 2>/dev/null && sleep 0.1 || { cat "$work/weston.log"; exit 1; }; done
weston-debug -o "$work/proto" proto 2>/dev/null &
until [ -s "$work/proto" ]; do sleep 0.1; done # its own first request
# The game picks the platform itself, as in a Wayland session with XWayland:
# no QT_QPA_PLATFORM, and a DISPLAY it must not take (there is no X server).
# A start is watched until the main window's first frame arrives.
env -u QT_QPA_PLATFORM DISPLAY=:404 "$program" $([ "$case" = spin ] && echo 3) >/dev/null & game=$!
[ "$case" = start ] || wait $game
until python3 "$(dirname "$0")/../../bench/wayland_frames.py" "$work/proto" >"$work/figures" 2>&1; do
    kill -0 $game 2>/dev/null && sleep 0.5 || break
done
cat "$work/figures"
[ "$case" = start ] && rule='NR == 1 { ok = $2 >= 300 && $4 >= 300 } NR == 2 { ok = ok && $2 == 2 && $4 == 2 * $6 }' ||
    rule='/^spin=/ { spins++; few += $4 < 25; late += $6 > 40 } END { ok = spins == 3 && !few && late < 2 }'
awk -F'[= ]' "$rule END { exit !ok }" "$work/figures" || { echo "FAILED: $case"; exit 1; }
