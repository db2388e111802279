#!/usr/bin/env bash
# The real game's sound, heard on the null sink of a private sound server
# (PulseAudio, or PipeWire with pipewire-pulse at 48 kHz) while the game
# runs on a private X display with a window manager; keys and clicks come
# from xdotool.
#
# Usage: audio_test.sh GAME SOUND_DIR SERVER CASE
#   SERVER is pulseaudio or pipewire
#   spin  a coin, then Start: the coin sound is cut off and three distinct
#         sounds start during the spin, the left stop, the middle stop, then
#         the right stop or the award, the left one before the middle reel
#         can have stopped
#   close closing the window while a loop plays ends the game within 200 ms
#         with status 0
#   stopped
#         the same with the sound server stopped (SIGSTOP) just before
#   kill  the sound server is killed while a loop plays: the game plays on,
#         says so in at most one line, is heard again once a new server
#         runs, and closes as promptly
set -euo pipefail
game=$1 sound_dir=$2 server=$3 case=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/sound-servers.sh"
if missing=$(sound_server_missing "$server"); then
    echo "skipped: $missing is not installed"
    exit 77
fi
export LC_ALL=C
work=$(mktemp -d)
pids=()
servers=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    for group in "${servers[@]}"; do kill -9 -- "-$group" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    [ -f "$work/heard" ] && { echo "heard (ms since recording began):" >&2; cat "$work/heard" >&2; }
    exit 1
}
until_ok() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
until_ok test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)

rate=44100
[ "$server" = pipewire ] && rate=48000
start_server() {
    start_sound_server "$server" "$work/server" heard || fail "$server did not start"
    servers+=($sound_server)
}
record() {
    parec -d heard.monitor --raw --format=s16le --rate=$rate --channels=2 --latency-msec=10 >"$work/recording" &
    recorder=$!
    pids+=($recorder)
    until_ok test -s "$work/recording" || fail "nothing was recorded"
}
start_server

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime "$game" 2>"$work/stderr" &
game_pid=$!
pids+=($game_pid)
until_ok xdotool search --onlyvisible --name KQProductions || fail "the main window did not appear"
window=$(xdotool search --onlyvisible --name KQProductions | head -n1)
until_ok wmctrl -l || fail "the window manager did not start"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; } # window pixels
start_button=(360 460) cheat_button=(536 32)

record

case $case in
spin)
    for try in 1 2; do
        [ "$try" = 1 ] || record
        click 636 36 # cash: the coin sound starts, to be cut off by Start
        sleep 0.3
        click "${start_button[@]}"
        sleep 1.5
        kill "$recorder"
        "$here/sound_onsets.py" "$work/recording" $rate "$sound_dir" >"$work/heard"
        # The sounds after the coin's cut-off, the first three distinct ones.
        read -r cut left middle last < <(awk '
            $2 == "silence" && coin && !cut { cut = $1; next }
            $2 == "inMoney.wav" { coin = 1 }
            cut && $2 != "silence" && !seen[$2]++ && n < 3 { t[n++] = $1 " " $2 }
            END { print cut, t[0], t[1], t[2] }' "$work/heard" | awk '{ print $1, $2 ":" $3, $4 ":" $5, $6 ":" $7 }')
        # A spin that reaches the top of the trail with no award after it
        # has its right stop silenced by the game itself at once (about one
        # spin in a hundred): it tells nothing of the player, so one more
        # spin is played.
        [ "$try" = 1 ] && [ -z "${last#*:}" ] || break
    done
    [ -n "$cut" ] || fail "the coin sound was not cut off by Start"
    # Desktops' volume controls show the stream by the game's name and icon.
    pactl list sink-inputs | grep -qF 'application.id = "org.kqproductions.glintgalore"' &&
        pactl list sink-inputs | grep -qF 'media.role = "game"' || fail "the stream is not named: $(pactl list sink-inputs)"
    [ "${left#*:}" = LEFT.WAV ] || fail "the first sound of the spin was ${left#*:}, not the left stop"
    [ "${middle#*:}" = reelstop.wav ] || fail "the second sound of the spin was ${middle#*:}, not the middle stop"
    case ${last#*:} in
    right.wav | okeydokey2.wav | BONUSspin.WAV | nudges.wav | Hold.wav) ;;
    *) fail "the third sound of the spin was ${last#*:}, not the right stop or an award" ;;
    esac
    # The left stop comes in step 31 at the latest, the middle one in step 33
    # at the earliest; the cut-off may be heard up to what the server had
    # already rendered (25 ms) late, and the onset as late again.
    awk -v cut="$cut" -v left="${left%%:*}" 'BEGIN { exit !(left - cut < 330 + 25) }' ||
        fail "the left stop started $(awk -v c="$cut" -v l="${left%%:*}" 'BEGIN { print l - c }') ms into the spin, after the middle reel could have stopped"
    ;;
close | stopped | kill)
    click 636 36 # cash, for credit
    click "${cheat_button[@]}" # every later play wins nudges, whose sound loops
    click "${start_button[@]}"
    sleep 1.5
    if [ "$case" = kill ]; then
        kill -9 -- "-$sound_server"
        sleep 0.5
        click 636 36 # cash: each coin asks for its sound, before and after
        sleep 3.5    # the game would look for a server again
        click 636 36
        xdotool windowactivate --sync "$window" key m
        until_ok sh -c "xdotool getwindowname $window | grep -qF '[muted]'" || fail "the game stopped responding"
        [ "$(wc -l <"$work/stderr")" -le 1 ] || fail "more than one line on stderr: $(cat "$work/stderr")"
        start_server
        record
        xdotool key m
        sleep 3.5
        click 636 36
        sleep 1
        "$here/sound_onsets.py" "$work/recording" $rate "$sound_dir" >"$work/heard"
        grep -q inMoney.wav "$work/heard" || fail "no sound once a new server ran"
    fi
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
    [ "$case" = stopped ] && kill -STOP -- "-$sound_server"
    started=$EPOCHREALTIME
    wmctrl -i -c "$window"
    status=0
    wait "$game_pid" || status=$?
    took=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%d", (b - a) * 1000 }')
    [ "$status" -eq 0 ] || fail "the game exited with status $status"
    # A sanitized build checks for leaks on its way out.
    [ "$took" -le "${GLINT_CLOSE_LIMIT_MS:-200}" ] || fail "the game took $took ms to end after its window was closed"
    ;;
esac
echo "passed: $case"
