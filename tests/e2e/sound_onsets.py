#!/usr/bin/python3
# Finds where the game's sounds start in a recording of its output.
#
# Usage: sound_onsets.py RECORDING RATE SOUND_DIR
#
# RECORDING is raw 16-bit little-endian stereo at RATE (parec --raw
# --channels=2), of which the left channel is read; the game's sounds are the
# WAV files of SOUND_DIR. Prints one line per sound start, "MILLISECONDS
# NAME", in the order heard, and one "MILLISECONDS silence" line where a
# sound is cut off into at least 5 ms of silence.
#
# A sound is recognised by 10 ms of its waveform taken 8 ms after it first
# gets loud, brought to the recording's rate, wherever the recording follows
# it closely (normalised correlation of at least 0.97) at much the same
# level: a server at another rate than the file's resamples it, so the
# samples are not passed on exactly. Where a sound's own waveform holds a
# signature (a tone that repeats, a sound that begins like another), that
# match within a sound already playing is not counted as a start.
import functools
import sys
import wave
from pathlib import Path

import numpy as np

LOUD = 2000
LIKE = 0.97


def load(path, rate):
    """The sound at `rate`, the samples before its signature, and the
    signature."""
    with wave.open(str(path)) as w:
        file_rate = w.getframerate()
        samples = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(float)
    at_rate = np.interp(np.arange(len(samples) * rate // file_rate) * file_rate / rate, np.arange(len(samples)), samples)
    lead = int(np.argmax(np.abs(at_rate) > LOUD)) + rate * 8 // 1000
    return at_rate, lead, at_rate[lead:lead + rate // 100]


def onsets(heard, sig):
    """Where the recording holds the signature."""
    n = len(sig)
    if len(heard) < n:
        return []
    size = 1 << (len(heard) + n).bit_length()
    dot = np.fft.irfft(np.fft.rfft(heard, size) * np.conj(np.fft.rfft(sig, size)), size)[: len(heard) - n + 1]
    energy = np.convolve(heard * heard, np.ones(n), "valid")
    norm = np.sqrt(energy * np.dot(sig, sig)) + 1e-9
    like = (dot / norm > LIKE) & (np.abs(np.sqrt(energy / np.dot(sig, sig)) - 1) < 0.5)
    found = []
    for at in np.flatnonzero(like):
        if found and at - found[-1][0] < n:
            if dot[at] / norm[at] > found[-1][1]:
                found[-1] = (at, dot[at] / norm[at])
        else:
            found.append((at, dot[at] / norm[at]))
    return [at for at, _ in found]


def main(recording, rate, sound_dir):
    rate = int(rate)
    raw = Path(recording).read_bytes()
    heard = np.frombuffer(raw[: len(raw) // 4 * 4], dtype="<i2")[0::2].astype(float)
    sounds = {p.name: load(p, rate) for p in sorted(Path(sound_dir).iterdir()) if p.suffix.lower() == ".wav"}
    # Where each sound's signature turns up within each sound, as its own
    # start or an echo.
    @functools.cache
    def echoes(x, y):
        return onsets(sounds[x][0], sounds[y][2])

    events = []
    for at, name in sorted((at - lead, name) for name, (_, lead, sig) in sounds.items() for at in onsets(heard, sig)):
        lead = sounds[name][1]
        echo = any(at + lead - start - 2 <= q <= at + lead - start + 2 and (other, q) != (name, lead)
                   for start, other in events for q in echoes(other, name))
        if not echo:
            events.append((at, name))
    zeros = 0
    sounding = False
    for at, sample in enumerate(heard):
        zeros = zeros + 1 if sample == 0 else 0
        if sample != 0:
            sounding = True
        elif zeros == rate * 5 // 1000 and sounding:
            events.append((at - zeros + 1, "silence"))
            sounding = False
    for at, name in sorted(events):
        print(f"{at * 1000 / rate:.1f} {name}")


if __name__ == "__main__":
    main(*sys.argv[1:])
