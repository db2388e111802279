# A private sound server speaking PulseAudio's protocol, with a null sink
# as its default sink, everything it reads or writes in a directory of its
# own: it never meets the desktop's server or settings. Sourced by the
# end-to-end tests and the benchmarks.
#
#   start_sound_server KIND DIR SINK
#     KIND is pulseaudio, or pipewire (PipeWire, WirePlumber and
#     pipewire-pulse, on a session bus of their own). Exports PULSE_SERVER
#     and sets sound_server to the process group of the server's
#     processes: `kill -- -$sound_server` ends them all.
#
#   sound_server_missing KIND
#     Prints the first program of KIND that is not installed and succeeds,
#     or fails when all are there. A machine has only one of the two
#     servers when its desktop runs the other (tools/install-deps.sh).
sound_server_missing() {
    local programs=(pulseaudio) program
    [ "$1" = pipewire ] && programs=(pipewire wireplumber pipewire-pulse)
    for program in "${programs[@]}"; do
        command -v "$program" >/dev/null || { echo "$program"; return 0; }
    done
    return 1
}

start_sound_server() {
    local kind=$1 dir=$2 sink=$3
    mkdir -p -m 700 "$dir/pulse"
    export PULSE_SERVER="unix:$dir/pulse/native"
    local home=(env -u DBUS_SESSION_BUS_ADDRESS -u PIPEWIRE_REMOTE
        HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir/config" setsid)
    case $kind in
    pulseaudio)
        "${home[@]}" pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
            --realtime=no --high-priority=no --disable-shm=yes -n \
            --load="module-null-sink sink_name=$sink" \
            --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/pulse/native" >"$dir/log" 2>&1 &
        ;;
    pipewire)
        # WirePlumber, which links streams to sinks, wants a session bus.
        "${home[@]}" dbus-run-session -- sh -c 'pipewire & sleep 0.2; wireplumber & pipewire-pulse & wait' \
            >"$dir/log" 2>&1 &
        ;;
    esac
    sound_server=$!
    local _
    for _ in $(seq 100); do
        # PipeWire also needs WirePlumber there before a stream finds a sink.
        pactl info >/dev/null 2>&1 && { [ "$kind" = pulseaudio ] ||
            XDG_RUNTIME_DIR=$dir pw-cli ls Client 2>/dev/null | grep -qi wireplumber; } && break
        sleep 0.1
    done
    if [ "$kind" = pipewire ]; then
        pactl load-module module-null-sink sink_name="$sink" >/dev/null || return 1
    fi
    pactl set-default-sink "$sink"
}
