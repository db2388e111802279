#!/bin/sh
# Rebuilds the game's bundled pictures and sounds and checks the result.
#   tools/assetgen/run.sh            (from anywhere inside the repository)
# Needs: cmake, g++, qt6-base-dev, fonts-noto-color-emoji, fonts-dejavu-core,
# fonts-liberation; optional espeak-ng + sox for the spoken "okey dokey".
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${ASSETGEN_BUILD_DIR:-/tmp/glint-assetgen-build}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
QT_QPA_PLATFORM=offscreen "$build/assetgen" "$root"

# The synthesised "okey dokey" is only a stand-in; a speech synthesiser does
# it properly. espeak-ng speaks at 22.05 kHz, so sox trims the silence round
# the words, resamples to the game's 44.1 kHz and levels it with the rest.
voice="$root/data/sound/okeydokey2.wav"
if command -v espeak-ng >/dev/null 2>&1 && command -v sox >/dev/null 2>&1; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    espeak-ng -v en-gb-x-gbcwmd+Andy -s 150 -p 65 -w "$tmp/raw.wav" "okey dokey!"
    sox -D "$tmp/raw.wav" "$tmp/trim.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    sox -D "$tmp/trim.wav" -r 44100 -b 16 -c 1 -e signed-integer "$voice" \
        rate -v 44100 norm -3 fade t 0.005 -0 0.02 pad 0.01 0.01
    echo "assetgen: okeydokey2.wav spoken by espeak-ng"
else
    echo "assetgen: espeak-ng or sox missing, okeydokey2.wav is the synthesised tune"
fi

python3 "$here/check_assets.py" "$root"
