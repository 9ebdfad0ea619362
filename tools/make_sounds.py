#!/usr/bin/env python3
"""Synthesises the two shipped sounds as 22050 Hz 16-bit mono PCM WAV files.

Usage: make_sounds.py OUTDIR

type.wav    a soft two-note chime for "keyword found"
whoosh.wav  a short falling noise sweep for "keyword not found"

The output is the same on every run: the noise comes from a fixed-seed
generator of our own rather than from the platform.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050


def chime():
    """Two bell-like notes a fifth apart, the second ringing over the first."""
    length = int(0.32 * RATE)
    notes = [(1046.50, 0.000, 0.40), (1567.98, 0.090, 0.45)]  # C6, then G6
    samples = []
    for n in range(length):
        t = n / RATE
        value = 0.0
        for freq, start, level in notes:
            if t < start:
                continue
            u = t - start
            # A raised-cosine attack of 8 ms, so the note starts without a click.
            attack = 0.5 - 0.5 * math.cos(math.pi * min(1.0, u / 0.008))
            decay = math.exp(-u / 0.075)
            tone = math.sin(2 * math.pi * freq * u) + 0.25 * math.sin(4 * math.pi * freq * u)
            value += level * attack * decay * tone
        fade = min(1.0, (length - n) / (0.010 * RATE))  # end exactly on silence
        samples.append(value * fade)
    return samples


def whoosh():
    """White noise through a band-pass filter whose centre falls from 2.6 kHz to 250 Hz."""
    length = int(0.40 * RATE)
    seed = 0x2545F491
    stages = [[0.0, 0.0], [0.0, 0.0]]  # low and band outputs of two filters in series
    samples = []
    for n in range(length):
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        value = seed / 0x3FFFFFFF - 1.0
        progress = n / length
        centre = 2600.0 * (250.0 / 2600.0) ** progress
        f = 2 * math.sin(math.pi * centre / RATE)
        for stage in stages:
            # State-variable filter; damping 0.5 keeps the band fairly wide,
            # two stages make it fall off steeply enough to sound like air.
            high = value - stage[0] - 0.5 * stage[1]
            stage[1] += f * high
            stage[0] += f * stage[1]
            value = stage[1]
        envelope = math.sin(math.pi * progress) ** 1.5
        samples.append(value * envelope)
    return samples


def normalise(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples]


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def check_wav(path, seconds):
    """Reads a written sound back, so that a broken synthesis fails the build."""
    with open(path, "rb") as f:
        head = f.read(12)
    assert head[0:4] == b"RIFF" and head[8:12] == b"WAVE", path + ": not a RIFF/WAVE file"
    with wave.open(path, "rb") as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, RATE)
        assert w.getcomptype() == "NONE"
        frames = w.readframes(w.getnframes())
        count = w.getnframes()
    assert abs(count - seconds * RATE) <= 1, path + ": wrong length"
    values = struct.unpack("<%dh" % count, frames)
    assert max(abs(v) for v in values) > 8000, path + ": too quiet"
    assert abs(values[0]) < 2000 and abs(values[-1]) < 2000, path + ": clicks at an end"


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_sounds.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, make, seconds, peak in (("type.wav", chime, 0.32, 0.6),
                                      ("whoosh.wav", whoosh, 0.40, 0.5)):
        path = os.path.join(outdir, name)
        write_wav(path, normalise(make(), peak))
        check_wav(path, seconds)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
