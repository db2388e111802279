#!/usr/bin/env bash
# The real game played by ear under the real Orca, in a private session
# (tools/screen-reader.sh), by keys from xdotool, judged by what Orca passed
# to speech (its debug log):
#   left alone for 20 s, the attract's first message is said and nothing
#   else; C says the credit; Space says the three win-line symbols by name
#   once the spin is over; M says "sound off".
# Usage (inside dbus-run-session): screen_reader.sh GAME DATA_DIR
set -euo pipefail
game=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/sound-servers.sh"
. "$here/../../tools/screen-reader.sh"
export LC_ALL=C
work=$(mktemp -d)
game_pid=""
cleanup() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    stop_screen_reader
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    echo "Orca said (seconds since midnight, text):" >&2
    spoken >&2
    exit 1
}

start_screen_reader "$work"
GLINT_DATA_DIR=$data QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
game_pid=$!
# Orca presents the window, then the focused button.
wait_spoken ' push button$' 30 || fail "Orca did not present the game's focused button"

# Five attract messages are shown in 20 s: the first is said once, the
# others, as the game shows them or as it says them, never.
sleep 20
said=$(spoken | cut -d' ' -f2-)
first=$(grep -c '^Please Insert Some Money To Play$' <<<"$said" || true)
others=$(grep -E '^(KQProductions Present|(\$\$-)?Glint Galore(-\$\$)?|© 2026 KQProductions)\.*$' <<<"$said" || true)
[ "$first" = 1 ] && [ -z "$others" ] ||
    fail "20 s of attract said its first message $first times, and then: '$others'"

# Each key is echoed by Orca ("c", "space"); the game's sentence follows.
xdotool key c
wait_spoken '^Plays .?1\.00$' || fail "no credit said after a coin"

symbols=$(ls "$data/images" | sed -n 's/^[0-9]*[-_]\(.*\)\.zri$/\1/p' | paste -sd'|')
line="($symbols), ($symbols), ($symbols)"
xdotool key space
wait_spoken "^$line, " || fail "no win line of three symbol names said after a play"

xdotool key m
wait_spoken '^sound off$' || fail "no 'sound off' after M"
kill -0 "$game_pid" || fail "the game ended: $(cat "$work/game.log")"
