#!/usr/bin/env python3
"""Synthesizes the alarm gong played at the end of a phase.

A struck gong is a handful of inharmonic partials, each with its own decay:
the low ones ring long, the high ones die quickly, and a slow beating between
close partials gives the shimmer. A soft mallet attack keeps it calm.

Usage: tools/make_gong.py resources/76100__tormelkind__ravolen_gong_remix2.wav
Uses only the Python standard library, so the output is reproducible.
"""
import math
import struct
import sys
import wave

RATE = 44100
SECONDS = 4.0
FUNDAMENTAL = 196.0  # G3: low enough to be warm, high enough for laptop speakers

# (ratio to the fundamental, amplitude, decay time constant in seconds)
PARTIALS = [
    (1.000, 1.00, 1.60),
    (1.003, 0.45, 1.50),   # a near twin: the slow beat of a real gong
    (1.520, 0.55, 1.10),
    (2.010, 0.35, 0.90),
    (2.740, 0.30, 0.65),
    (3.570, 0.18, 0.45),
    (4.410, 0.12, 0.30),
    (5.830, 0.07, 0.20),
]
ATTACK = 0.012  # seconds of mallet contact
FADE_OUT = 0.25  # seconds of fade at the very end, so the file ends in silence


def sample(t: float) -> float:
    value = 0.0
    for ratio, amplitude, decay in PARTIALS:
        value += amplitude * math.exp(-t / decay) * math.sin(2 * math.pi * FUNDAMENTAL * ratio * t)
    attack = min(1.0, t / ATTACK)
    tail = min(1.0, (SECONDS - t) / FADE_OUT)
    return value * attack * tail


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    count = int(RATE * SECONDS)
    samples = [sample(i / RATE) for i in range(count)]
    peak = max(abs(s) for s in samples)
    scale = 0.7 * 32767 / peak  # headroom: an alarm should not startle
    frames = b"".join(struct.pack("<h", int(round(s * scale))) for s in samples)
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    return 0


if __name__ == "__main__":
    sys.exit(main())
