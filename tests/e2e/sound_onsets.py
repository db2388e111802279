#!/usr/bin/env python3
"""Finds where the game's sounds start in a recording of its output.

Usage: sound_onsets.py RECORDING SOUND_DIR

RECORDING is raw 16-bit little-endian mono at 44.1 kHz (parec --raw), the
game's sounds are the WAV files of SOUND_DIR. Prints one line per sound
start, "MILLISECONDS NAME", in the order heard, and one "MILLISECONDS silence"
line where a sound is cut off into at least 5 ms of silence. A sound is
recognised by the first 48 samples of its waveform, which the player and a
null sink pass on unchanged but for rounding.
"""
import array
import sys
import wave
from pathlib import Path

RATE = 44100
SIGNATURE = 48
TOLERANCE = 24
LOUD = 2000
INTO = RATE * 8 // 1000
SILENCE_RUN = RATE * 5 // 1000


def signature(path):
    with wave.open(str(path)) as w:
        samples = array.array("h", w.readframes(w.getnframes()))
    first = next(i for i, s in enumerate(samples) if abs(s) > LOUD) + INTO
    return first, samples[first:first + SIGNATURE]


def main(recording, sound_dir):
    raw = Path(recording).read_bytes()
    heard = array.array("h", raw[: len(raw) // 2 * 2])
    sounds = {p.name: signature(p) for p in sorted(Path(sound_dir).iterdir()) if p.suffix.lower() == ".wav"}
    events = []
    for name, (lead, sig) in sounds.items():
        at = 0
        while at + SIGNATURE <= len(heard):
            if abs(heard[at] - sig[0]) <= TOLERANCE and all(
                abs(heard[at + k] - sig[k]) <= TOLERANCE for k in range(1, SIGNATURE)
            ):
                events.append((at - lead, name))
                at += SIGNATURE
            else:
                at += 1
    zeros = 0
    sounding = False
    for at, sample in enumerate(heard):
        zeros = zeros + 1 if sample == 0 else 0
        if sample != 0:
            sounding = True
        elif zeros == SILENCE_RUN and sounding:
            events.append((at - SILENCE_RUN + 1, "silence"))
            sounding = False
    for at, name in sorted(events):
        print(f"{at * 1000 / RATE:.1f} {name}")


if __name__ == "__main__":
    main(*sys.argv[1:])
