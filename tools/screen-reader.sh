# A private screen-reader session: Orca with speech-dispatcher and
# espeak-ng speaking into the null sink of a private PulseAudio server, on
# a private Xvfb display with openbox, everything it writes in a directory
# of its own. Sourced by the end-to-end test and the benchmarks, inside a
# session bus of their own (dbus-run-session): the accessibility bus and
# Orca's settings store start on it and end with it.
#
#   start_screen_reader DIR
#     Exports DISPLAY, PULSE_SERVER, and HOME and the XDG directories under
#     DIR; sets orca_log to Orca's debug log, written line by line (Orca
#     writes it to a terminal, which `script` copies to the file). Returns
#     once Orca has said it is on, or 1 with the reason on standard error.
#   stop_screen_reader
#     Ends what start_screen_reader started.
#   spoken
#     Orca's utterances so far, one a line: the seconds since local
#     midnight at which Orca passed it to speech, a space, and the text
#     without the full stop Orca adds for a pause.
#   wait_spoken REGEX [SECONDS]
#     Waits until an utterance matching the extended REGEX has been spoken
#     (10 s by default); 1 if none came.

screen_reader_pids=() # in the order started: ended in the reverse order
screen_reader_sound=""

start_screen_reader() {
    local dir=$1 _
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "start_screen_reader: run inside dbus-run-session" >&2; return 1; }
    mkdir -p "$dir/home" "$dir/run"
    chmod 700 "$dir/run"
    export HOME=$dir/home XDG_RUNTIME_DIR=$dir/run XDG_CONFIG_HOME=$dir/home/.config \
        XDG_CACHE_HOME=$dir/home/.cache XDG_DATA_HOME=$dir/home/.local/share

    start_sound_server pulseaudio "$dir/pulse" speech >/dev/null 2>&1 ||
        { echo "start_screen_reader: the sound server did not start: $(cat "$dir/pulse/log")" >&2; return 1; }
    screen_reader_sound=$sound_server

    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
    screen_reader_pids+=($!)
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    [ -s "$dir/display" ] || { echo "start_screen_reader: Xvfb did not start: $(cat "$dir/xvfb.log")" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$dir/display")"
    openbox >"$dir/openbox.log" 2>&1 &
    screen_reader_pids+=($!)

    # In the foreground, so that it is ours to end; Orca finds it at the
    # usual socket under XDG_RUNTIME_DIR.
    speech-dispatcher --run-single --timeout 0 >"$dir/speechd.log" 2>&1 &
    screen_reader_pids+=($!)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done

    orca_log=$dir/orca.log
    script --quiet --flush --command "exec orca --user-prefs $dir/orca --debug-file /dev/tty" "$orca_log" \
        >/dev/null 2>&1 </dev/null &
    screen_reader_pids+=($!)
    for _ in $(seq 300); do
        grep -aq "SPEECH OUTPUT: 'Screen reader on" "$orca_log" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "start_screen_reader: Orca did not say it was on within 30 s; its last words:" >&2
    tail -n 20 "$orca_log" >&2
    return 1
}

stop_screen_reader() {
    local i pid
    for ((i = ${#screen_reader_pids[@]} - 1; i >= 0; i--)); do
        pid=${screen_reader_pids[i]}
        # `script` ends when Orca, its one child, does.
        kill $(pgrep -P "$pid") "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    screen_reader_pids=()
    [ -z "$screen_reader_sound" ] || kill -- "-$screen_reader_sound" 2>/dev/null || true
    screen_reader_sound=""
}

spoken() {
    tr -d '\r' <"$orca_log" |
        sed -n "s/^\([0-9:.]*\) - SPEECH OUTPUT: '\(.*\)' *[{[].*/\1 \2/p" |
        awk '{
            at = index($0, " "); split(substr($0, 1, at - 1), hms, ":"); text = substr($0, at + 1)
            sub(/\.$/, "", text)
            printf "%.6f %s\n", hms[1] * 3600 + hms[2] * 60 + hms[3], text
        }'
}

wait_spoken() {
    local _
    for _ in $(seq $((${2:-10} * 10))); do
        spoken | cut -d' ' -f2- | grep -Eq -- "$1" && return 0
        sleep 0.1
    done
    return 1
}
