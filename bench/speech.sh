#!/usr/bin/env bash
# Prints one benchmark line: how soon Orca speaks what the game announces,
# from a coin's key press or a play's last reel-stop frame to Orca's
# SPEECH OUTPUT line, over COINS coins and PLAYS plays of the real window
# (glint-bench-speech) in a private screen-reader session
# (tools/screen-reader.sh) on a session bus of its own.
#
# Usage: bench/speech.sh BUILD_DIR [COINS PLAYS]
set -euo pipefail
build=$1 coins=${2:-10} plays=${3:-20}
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C

for tool in orca speech-dispatcher dbus-run-session openbox Xvfb; do
    command -v "$tool" >/dev/null || { echo "speech latency: no figure, $tool is not installed"; exit 0; }
done
# The figure goes to descriptor 3: the session's daemons write to standard
# output as they start.
[ -n "${GLINT_SPEECH_SESSION:-}" ] || GLINT_SPEECH_SESSION=1 exec dbus-run-session -- bash "$0" "$@" 3>&1 >/dev/null

. "$here/../tools/sound-servers.sh"
. "$here/../tools/screen-reader.sh"
work=$(mktemp -d)
trap 'stop_screen_reader; rm -rf "$work"' EXIT
start_screen_reader "$work"
QT_QPA_PLATFORM=xcb "$build/bench/glint-bench-speech" "$coins" "$plays" >"$work/said" 2>"$work/errors" ||
    { echo "glint-bench-speech failed: $(cat "$work/errors")" >&2; exit 1; }
sleep 1 # the last sentence's turn in Orca's queue
spoken >"$work/spoken"

# Each sentence is matched to the first utterance of its text at or after
# its moment; the delay is in ms.
awk '
    NR == FNR { at[NR] = $1; text[NR] = substr($0, index($0, " ") + 1); n = NR; next }
    {
        kind = $1; sub(/^kind=/, "", kind); when = $2; sub(/^at=/, "", when)
        said = substr($0, index($0, " said=") + 6)
        for (i = 1; i <= n; i++) if (at[i] >= when && text[i] == said) { printf "%s %.1f\n", kind, (at[i] - when) * 1000; break }
        if (i > n) print kind, "unspoken"
    }' "$work/spoken" "$work/said" >"$work/delays"

total=$(wc -l <"$work/said")
heard=$(grep -vc unspoken "$work/delays" || true)
# The median of the numbers on standard input, one a line; nan for none.
median() {
    sort -g | awk '{ v[NR] = $1 } END { print NR ? (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) : "nan" }'
}
median=$(grep -v unspoken "$work/delays" | cut -d' ' -f2 | median)
worst=$(grep -v unspoken "$work/delays" | cut -d' ' -f2 | sort -g | tail -n1)
missed=$(awk -v m="$median" -v w="${worst:-nan}" -v h="$heard" -v t="$total" \
    'BEGIN { if (h != t || m == "nan" || m > 150 || w > 300) printf " MISSED" }')
kind_median() {
    awk -v k="$1" '$1 == k && $2 != "unspoken" { print $2 }' "$work/delays" | median
}
printf >&3 'speech latency under Orca %s: median %.0f ms, worst %.0f ms from the key press (coins) or the last reel stop'"'"'s frame (plays) to Orca'"'"'s SPEECH OUTPUT line, %d of %d sentences spoken over %d plays and %d coins (target median at most 150 ms, worst at most 300 ms, all spoken)%s; medians: coins %.0f ms, plays %.0f ms\n' \
    "$(orca --version | awk '{ print $NF }')" "$median" "${worst:-nan}" "$heard" "$total" "$plays" "$coins" "$missed" \
    "$(kind_median coin)" "$(kind_median play)"
