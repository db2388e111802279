#!/usr/bin/env bash
# Prints the benchmark figures of a Release build, one line each with its
# target; a figure that misses its target says MISSED. Benchmarks are
# figures, not tests: a miss does not fail the run, only a program that
# cannot be measured does.
#
# Usage: bench/run-benchmarks.sh BUILD_DIR
#   IDLE_SECONDS  how long the idle game is watched (default 60)
#   PLAYS         how many plays the memory figure is taken after (default 1000)
#   SOUND_STOPS   how many reel stops are timed on each sound server (default
#                 1500: about 500 spins, 11 minutes a server; 300 takes two)
#
# The programs run on a private Xvfb display when Xvfb is installed, else on
# Qt's offscreen platform, and play their sounds into the null sink of a
# private PulseAudio server, then of a private PipeWire one, when they are
# installed, so no desktop, window manager or sound card changes the figures.
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR}
idle_seconds=${IDLE_SECONDS:-60}
plays=${PLAYS:-1000}
starts=10
spins=20
coins=10
sound_stops=${SOUND_STOPS:-1500}
# The start-up sequence takes well under a second; the idle measurement
# begins once it is surely over.
settle_seconds=3

# Decimal points, not commas, in $EPOCHREALTIME and awk's numbers.
export LC_ALL=C

work=$(mktemp -d)
servers=() # the display and sound servers started here
game=""    # the game while the idle figure is taken
sound_group="" # the processes of the sound server running now
cleanup() {
    for pid in $game "${servers[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    stop_sound
    rm -rf "$work"
}
trap cleanup EXIT

# The value of key=value field `$1` on each line of standard input.
field() {
    awk -v key="$1" '{ for (i = 1; i <= NF; i++) { split($i, kv, "="); if (kv[1] == key) print kv[2] } }'
}

# Ends the run after a program failed, with what it said.
fail() {
    echo "$1 failed:" >&2
    cat "$work/errors" >&2
    exit 1
}

# Runs a program with its error output kept aside, shown only if it fails.
run() {
    "$@" 2>"$work/errors" || fail "$1"
}

# Each line's first number less its second.
difference() {
    awk '{ print $1 - $2 }'
}

# The median of the numbers on standard input, one per line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# Prints " MISSED" unless `$1 $2 $3` holds, `$2` being "<" or "<=".
verdict() {
    awk -v value="$1" -v op="$2" -v target="$3" \
        'BEGIN { met = op == "<" ? value < target : value <= target; if (!met) printf " MISSED" }'
}

# Waits up to 20 s for the command to succeed.
wait_until() {
    for _ in $(seq 200); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

display_has_number() { [ "$(wc -l <"$work/display")" -ge 1 ]; }

start_display() {
    if ! command -v Xvfb >/dev/null; then
        export QT_QPA_PLATFORM=offscreen
        unset DISPLAY
        display_note="Qt offscreen (no Xvfb)"
        return
    fi
    : >"$work/display"
    # Xvfb picks a free display itself and writes its number to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    servers+=($!)
    if ! wait_until display_has_number; then
        echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2
        exit 1
    fi
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
    display_note="Xvfb $DISPLAY"
}

. "$(dirname "$0")/../tools/sound-servers.sh"

# Starts a private sound server of kind $1 (pulseaudio or pipewire) with a
# null sink, for the programs started after it.
start_sound() {
    sound_note="no private $1 server (install it)"
    sound_rate=44100
    command -v "$1" >/dev/null && command -v pactl >/dev/null || return 0
    start_sound_server "$1" "$work/$1" bench >/dev/null 2>&1 || return 0
    sound_group=$sound_server
    case $1 in
    pulseaudio) sound_note="PulseAudio $(pulseaudio --version | awk '{ print $2 }') null sink" ;;
    pipewire)
        sound_note="PipeWire $(pipewire --version | awk '/Compiled/ { print $NF }' | tr -d ,) 48 kHz null sink through pipewire-pulse"
        sound_rate=48000
        ;;
    esac
}

stop_sound() {
    [ -n "$sound_group" ] || return 0
    kill -- "-$sound_group" 2>/dev/null || true
    sound_group=""
    unset PULSE_SERVER
    sleep 0.5 # lets its processes end before the next server starts
}

# utime + stime of a process, in clock ticks.
cpu_ticks() {
    sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# utime + stime of every thread of every process in process group $1.
group_ticks() {
    [ -n "$1" ] || { echo 0; return; }
    local pid
    for pid in $(pgrep -g "$1"); do
        cat "/proc/$pid/task/"*/stat 2>/dev/null
    done | sed 's/.*) //' | awk '{ t += $12 + $13 } END { print t + 0 }'
}

first_paint() {
    # The game and the bare window take turns, so that a busy spell of the
    # machine weighs on both alike. The subshell takes the time just before
    # it becomes the program.
    for _ in $(seq "$starts"); do
        ( exec "$build/bench/glint-bench-startup" --launched-at="$EPOCHREALTIME" ) >>"$work/startup" 2>"$work/errors" ||
            fail glint-bench-startup
        ( exec "$build/bench/glint-bench-bare_window" --launched-at="$EPOCHREALTIME" ) >>"$work/bare" 2>"$work/errors" ||
            fail glint-bench-bare_window
    done
    local runs="$work/startup" paint pacing rest main app window load shown
    paint=$(field first-paint <"$runs" | median)
    pacing=$(field spin-pacing <"$runs" | median)
    rest=$(paste <(field first-paint <"$runs") <(field spin-pacing <"$runs") | difference | median)
    main=$(field to-main <"$runs" | median)
    app=$(field to-app <"$runs" | median)
    window=$(field window <"$runs" | median)
    load=$(paste <(field load <"$runs") <(field spin-pacing <"$runs") | difference | median)
    shown=$(field to-paint <"$runs" | median)
    printf 'first paint: %.0f ms, median of %d fresh starts (target under 300 ms)%s; split (medians, ms): start-up spin pacing %.0f (its steps x 10 ms, set by the rules), the rest %.0f (loading the program %.0f, QApplication %.0f, window built %.0f, start-up sequence beyond the pacing %.0f, shown to painted %.0f)\n' \
        "$paint" "$starts" "$(verdict "$paint" "<" 300)" "$pacing" "$rest" "$main" "$app" "$window" "$load" "$shown"
    local splash bare ratio
    splash=$(field splash-paint <"$runs" | median)
    bare=$(field first-paint <"$work/bare" | median)
    ratio=$(awk -v s="$splash" -v b="$bare" 'BEGIN { print s / b }')
    printf 'splash on screen: %.0f ms from process start to the splash'"'"'s first paint, %.2f x a bare Qt window'"'"'s first paint (%.0f ms), medians of %d fresh starts (target at most 1.3 x)%s\n' \
        "$splash" "$ratio" "$bare" "$starts" "$(verdict "$ratio" "<=" 1.3)"
}

# Reel stops and the coin sound as recorded from the null sink's monitor,
# dated by the server's clock; then closing the game with the server stopped.
sound_timing() {
    if [ -z "$sound_group" ]; then
        echo "stop-sound timing, coin latency, closing with the server stopped: no figures, $sound_note"
        return
    fi
    run "$build/bench/glint-bench-sound" "$sound_stops" "$coins" "$sound_rate" bench.monitor "$sound_group" >"$work/sound"
    local stops heard median worst
    stops=$(field stops <"$work/sound")
    heard=$(field stops-heard <"$work/sound")
    median=$(field stop-median <"$work/sound")
    worst=$(field stop-worst <"$work/sound")
    printf 'stop-sound timing on %s: %d of %d reel stops heard over %d spins (and %d right stops the game stopped at once, at the top of the trail), median %.1f ms and worst %.1f ms from the step that asked to the first recorded sample (target every stop heard, median at most 20 ms, worst at most 35 ms)%s\n' \
        "$sound_note" "$heard" "$stops" "$(field spins <"$work/sound")" "$(field stops-cut <"$work/sound")" "$median" "$worst" \
        "$( [ "$heard" -eq "$stops" ] || printf ' MISSED'; verdict "$median" "<=" 20; verdict "$worst" "<=" 35)" | sed 's/\( MISSED\)\+/ MISSED/'
    printf 'coin latency on %s: median %.1f ms from the click on cash to the first recorded sample, %d of %d coins heard, half a second apart (target median at most 20 ms)%s\n' \
        "$sound_note" "$(field coin-median <"$work/sound")" "$(field coins-heard <"$work/sound")" "$coins" \
        "$(verdict "$(field coin-median <"$work/sound")" "<=" 20)"
    local close
    close=$(field close-ms <"$work/sound")
    printf 'closing with the sound server stopped (SIGSTOP) on %s: %.1f ms to close the window and end its sound player (target under 200 ms)%s\n' \
        "$sound_note" "$close" "$(verdict "$close" "<" 200)"
}

# A 60 MiB WAV (48 kHz 16-bit stereo noise, 5.5 minutes: within what the
# player takes, 27.6 MB (MiB, as all these figures) once decoded) in place of the coin sound in a copy
# of the asset tree.
big_sound_tree() {
    [ -d "$work/big" ] && return
    mkdir -p "$work/big"
    cp -r "$(dirname "$0")/../data/." "$work/big"
    python3 - "$work/big/sound/inMoney.wav" <<'PY'
import os, struct, sys
size = 60 << 20
with open(sys.argv[1], "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", 36 + size) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 2, 48000, 192000, 4, 16)
            + b"data" + struct.pack("<I", size))
    noise = os.urandom(1 << 20)
    for _ in range(size >> 20):
        f.write(noise)
PY
}

# The first spin's reel stops, started as soon as the window has painted,
# with the 60 MiB file in the tree (decoded meanwhile) and with the bundled
# tree, and the process's peak memory in each.
first_spin_big_sound() {
    [ -n "$sound_group" ] || return 0
    big_sound_tree
    GLINT_DATA_DIR=$work/big run "$build/bench/glint-bench-sound" 3 0 "$sound_rate" bench.monitor >"$work/big.sound"
    run "$build/bench/glint-bench-sound" 3 0 "$sound_rate" bench.monitor >"$work/bundled.sound"
    local heard stops peak bundled excess
    heard=$(field stops-heard <"$work/big.sound") stops=$(field stops <"$work/big.sound")
    peak=$(field peak-rss-mb <"$work/big.sound") bundled=$(field peak-rss-mb <"$work/bundled.sound")
    excess=$(awk -v a="$peak" -v b="$bundled" 'BEGIN { print a - b }')
    printf 'first spin with a 60 MiB sound file in the asset tree on %s: %d of %d reel stops heard, median %.1f ms and worst %.1f ms (target every stop heard, worst at most 35 ms)%s; peak memory %.1f MB, %.1f MB over the same spin with the bundled sounds (target at most 1.5 x the 27.6 MB it decodes to, 41 MB)%s\n' \
        "$sound_note" "$heard" "$stops" "$(field stop-median <"$work/big.sound")" "$(field stop-worst <"$work/big.sound")" \
        "$( ([ "$heard" -eq "$stops" ] || printf ' MISSED'; verdict "$(field stop-worst <"$work/big.sound")" "<=" 35) | sed 's/\( MISSED\)\+/ MISSED/')" \
        "$peak" "$excess" "$(verdict "$excess" "<=" 41)"
}

spin() {
    run "$build/bench/glint-bench-spin" "$spins" >"$work/spin"
    local ratio worst cpu extra
    ratio=$(field wall-ratio <"$work/spin")
    worst=$(field worst-ratio <"$work/spin")
    cpu=$(field cpu-share <"$work/spin")
    # The press's work beyond the pauses, spread over its steps.
    extra=$(awk -v r="$ratio" 'BEGIN { print (r - 1) * 10 }')
    printf 'spin pace: wall time / (steps x 10 ms) %.3f, median of %d spins, slowest %.3f (target at most 1.03)%s; a step takes on average %.2f ms beyond its 10 ms pause\n' \
        "$ratio" "$spins" "$worst" "$(verdict "$ratio" "<=" 1.03)" "$extra"
    printf 'spin CPU: %.1f %% of wall time, median of %d spins (target at most 10 %%)%s\n' \
        "$cpu" "$spins" "$(verdict "$cpu" "<=" 10)"
}

# The game left alone, its attract playing the theme 6.6 s in every 16 s,
# with a bare Qt window of its size beside it in the same spell; the sound
# server's cost is summed over all of its processes and threads. $1 is the
# target for game and server together, in % of one core.
idle() {
    "$build/src/ui/glint-galore" >/dev/null 2>"$work/errors" &
    game=$!
    "$build/bench/glint-bench-bare_window" --idle 2>/dev/null &
    local bare=$!
    sleep "$settle_seconds"
    kill -0 "$game" 2>/dev/null || fail glint-galore
    local game0 bare0 server0 wall0 game1 bare1 server1 wall1
    game0=$(cpu_ticks "$game") bare0=$(cpu_ticks "$bare") server0=$(group_ticks "$sound_group")
    wall0=$EPOCHREALTIME
    sleep "$idle_seconds"
    game1=$(cpu_ticks "$game") bare1=$(cpu_ticks "$bare") server1=$(group_ticks "$sound_group")
    wall1=$EPOCHREALTIME
    kill "$game" "$bare"
    wait "$game" "$bare" 2>/dev/null || true
    game=""
    share() {
        awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v w0="$wall0" -v w1="$wall1" 'BEGIN { print t / hz / (w1 - w0) * 100 }'
    }
    local own server together yardstick ratio
    own=$(share $((game1 - game0))) server=$(share $((server1 - server0))) yardstick=$(share $((bare1 - bare0)))
    together=$(awk -v a="$own" -v b="$server" 'BEGIN { print a + b }')
    ratio=$(awk -v a="$own" -v b="$yardstick" 'BEGIN { print (b > 0 ? a / b : "inf") }')
    printf 'idle CPU on %s: game %.2f %% + sound server %.2f %% = %.2f %% of one core over %d s of the real game left alone, lamps flashing and attract running (target at most %s %%)%s; the game alone is %.2f x a bare Qt window beside it (%.2f %%) (target at most 1.5 x)%s; load average %s\n' \
        "$sound_note" "$own" "$server" "$together" "$idle_seconds" "$1" "$(verdict "$together" "<=" "$1")" \
        "$ratio" "$yardstick" "$(verdict "$ratio" "<=" 1.5)" "$(cut -d' ' -f1 /proc/loadavg)"
}

memory() {
    run "$build/bench/glint-bench-plays" "$plays" >"$work/plays"
    local peak seconds
    peak=$(field peak-rss-mb <"$work/plays")
    seconds=$(field seconds <"$work/plays")
    printf 'peak memory: %.1f MB resident (VmHWM) after %d plays through the window in %.0f s (target under 60 MB)%s\n' \
        "$peak" "$plays" "$seconds" "$(verdict "$peak" "<" 60)"
}

soak() {
    local proof="$build/tests/proof/glint_proof_tests"
    if [ ! -x "$proof" ]; then
        echo "soak: no figure, $proof is not built (the build has BUILD_TESTING off)"
        return
    fi
    run "$proof" --gtest_filter='Soak.*' >"$work/soak"
    # The soak prints: soak: N events in S s, R events per second (seed X)
    sed -n 's/^soak: \([0-9]*\) events in \([0-9.]*\) s, \([0-9]*\) events per second.*/\3 \1 \2/p' "$work/soak" |
        awk '{ printf "soak: %d events per second, %d random events through the game logic in %s s (no target)\n", $1, $2, $3 }'
}

# The splash and the spins as a Wayland compositor receives them: the game
# and the spin benchmark as native clients of a private headless weston
# (no X server, the platform left to the game), judged by the requests
# weston logged with their arrival times (wayland_frames.py),
# beside the same moments taken in the process under X11 above.
wayland_dir=""
wayland_logger=""

# Runs a program as a client of the private weston.
on_weston() {
    env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$wayland_dir" WAYLAND_DISPLAY=bench "$@"
}

# Logs the requests weston receives from now on into proto.$1.
log_requests() {
    on_weston weston-debug -o "$wayland_dir/proto.$1" proto 2>/dev/null &
    wayland_logger=$!
    wait_until test -s "$wayland_dir/proto.$1" # its own first request
}

stop_logging() {
    kill "$wayland_logger"
    wait "$wayland_logger" 2>/dev/null || true
}

wayland() {
    if ! command -v weston >/dev/null || ! command -v weston-debug >/dev/null; then
        echo "Wayland splash, Wayland spin frames: no figures, weston is not installed"
        return
    fi
    wayland_dir="$work/wayland"
    mkdir -m 700 "$wayland_dir"
    local frames dir=$wayland_dir
    frames="$(dirname "$0")/wayland_frames.py"
    XDG_RUNTIME_DIR=$dir weston --backend=headless-backend.so --use-pixman --debug --no-config --idle-time=0 \
        --socket=bench >"$dir/weston.log" 2>&1 &
    servers+=($!)
    if ! wait_until test -S "$dir/bench"; then
        echo "weston did not start: $(cat "$dir/weston.log")" >&2
        exit 1
    fi

    local i
    for i in $(seq "$starts"); do
        log_requests "$i"
        on_weston "$build/src/ui/glint-galore" >/dev/null 2>"$work/errors" &
        game=$!
        # Until the main window's first frame has arrived.
        wait_until python3 "$frames" "$dir/proto.$i" || fail glint-galore
        kill "$game"
        wait "$game" 2>/dev/null || true
        game=""
        stop_logging
        python3 "$frames" "$dir/proto.$i" | sed -n 1p >>"$dir/splash"
    done
    local shown lead x11_lead
    shown=$(field splash-shown <"$dir/splash" | median)
    lead=$(field splash-lead <"$dir/splash" | median)
    x11_lead=$(paste <(field first-paint <"$work/startup") <(field splash-paint <"$work/startup") | difference | median)
    printf 'Wayland splash: on the compositor %.0f ms from its first frame to its window'"'"'s removal and %.0f ms before the main window'"'"'s first frame, medians of %d fresh starts (target at least 300 ms)%s; under X11 the splash paints %.0f ms before the main window\n' \
        "$shown" "$lead" "$starts" "$(verdict 300 "<=" "$shown")" "$x11_lead"

    log_requests spin
    on_weston "$build/bench/glint-bench-spin" "$spins" >"$dir/spin" 2>"$work/errors" || fail glint-bench-spin
    stop_logging
    python3 "$frames" "$dir/proto.spin" | grep '^spin=' >"$dir/frames"
    local moments fewest gap worst pace x11_pace ratio
    moments=$(field moments <"$dir/frames" | median)
    fewest=$(field moments <"$dir/frames" | sort -g | head -n1)
    gap=$(field worst-gap <"$dir/frames" | median)
    worst=$(field worst-gap <"$dir/frames" | sort -g | tail -n1)
    pace=$(field wall-ratio <"$dir/spin")
    x11_pace=$(field wall-ratio <"$work/spin")
    ratio=$(awk -v w="$pace" -v x="$x11_pace" 'BEGIN { print w / x }')
    printf 'Wayland spin frames: %.0f distinct moments a spin (median; fewest %d), the longest gap between two %.0f ms (median; worst %.0f ms), over %d spins (target at least 25 moments and no gap over 40 ms)%s; pace %.3f, %.3f x the pace under X11 (%.3f) (target 0.9 to 1.1 x)%s\n' \
        "$moments" "$fewest" "$gap" "$worst" "$(wc -l <"$dir/frames")" \
        "$( (verdict 25 "<=" "$fewest"; verdict "$worst" "<=" 40) | sed 's/\( MISSED\)\+/ MISSED/')" \
        "$pace" "$ratio" "$x11_pace" "$( (verdict 0.9 "<=" "$ratio"; verdict "$ratio" "<=" 1.1) | sed 's/\( MISSED\)\+/ MISSED/')"
}

start_display
start_sound pulseaudio
echo "Glint Galore benchmarks: $(nproc) CPUs ($(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1)), load average $(cut -d' ' -f1 /proc/loadavg), $display_note, $sound_note"
first_paint
spin
sound_timing
first_spin_big_sound
idle 0.5
memory
stop_sound
start_sound pipewire
sound_timing
first_spin_big_sound
idle 1.0
stop_sound
soak
wayland
# What the game announces, as the real Orca speaks it.
"$(dirname "$0")/speech.sh" "$build" "$coins" "$spins" 2>"$work/errors" || fail bench/speech.sh
