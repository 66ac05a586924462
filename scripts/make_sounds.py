#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the two feedback sounds of the program, assets/sound/yes.wav and no.wav.

Both are synthesised here, so the program ships only sounds of its own:
  yes.wav  a bright rising chime: three quick notes going up, each with a soft
           attack and a bell-like decay (about 0.45 s);
  no.wav   a soft low tone that glides gently downwards (about 0.4 s).
Format: 16-bit PCM, mono, 44.1 kHz. Standard library only.

Usage: python3 scripts/make_sounds.py [output folder]   (default: assets/sound)
"""

import math
import os
import struct
import sys
import wave

RATE = 44100


def envelope(t, attack, decay_tau):
    """A soft linear-to-sine attack, then an exponential decay."""
    if t < 0:
        return 0.0
    if t < attack:
        return math.sin(0.5 * math.pi * t / attack)
    return math.exp(-(t - attack) / decay_tau)


def fade_out(t, length, fade):
    """A raised-cosine fade over the last `fade` seconds, so no sound ends with a click."""
    left = length - t
    if left >= fade:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * max(left, 0.0) / fade)


def chime(length=0.45):
    """Three rising notes (C6, E6, G6), each started 90 ms after the one before."""
    notes = [(0.000, 1046.50), (0.090, 1318.51), (0.180, 1567.98)]
    # Partials of a small bell: the fundamental, a soft octave and a faint
    # inharmonic shimmer that gives the bright, glassy colour.
    partials = [(1.0, 1.0), (2.0, 0.28), (2.76, 0.10)]
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        value = 0.0
        for start, freq in notes:
            local = t - start
            if local < 0:
                continue
            level = envelope(local, 0.010, 0.11)
            for ratio, weight in partials:
                value += level * weight * math.sin(2 * math.pi * freq * ratio * local)
        samples.append(value * fade_out(t, length, 0.05))
    return samples


def low_tone(length=0.40):
    """A gentle tone gliding down from D4 to A3, with a slow attack and a long fade."""
    start_freq, end_freq = 293.66, 220.0
    samples = []
    phase = 0.0
    for i in range(int(length * RATE)):
        t = i / RATE
        # Exponential glide, so the fall sounds even to the ear.
        freq = start_freq * (end_freq / start_freq) ** (t / length)
        phase += 2 * math.pi * freq / RATE
        # Mostly the fundamental with a little second harmonic: round, not harsh.
        value = math.sin(phase) + 0.18 * math.sin(2 * phase)
        level = envelope(t, 0.025, 0.35) * fade_out(t, length, 0.12)
        samples.append(value * level)
    return samples


def normalised(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples]


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "sound")
    os.makedirs(folder, exist_ok=True)
    write_wav(os.path.join(folder, "yes.wav"), normalised(chime(), 0.6))
    write_wav(os.path.join(folder, "no.wav"), normalised(low_tone(), 0.5))


if __name__ == "__main__":
    main()
