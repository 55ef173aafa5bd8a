#!/usr/bin/python3
"""Synthesises the game's three sounds as 16-bit mono PCM WAV files in resources/sounds.

DIP: a short bright water drop. GONG: a struck gong, inharmonic partials dying away.
APPLAUSE: a crowd clapping, many short filtered noise bursts. The random choices are seeded,
so a run writes the same files every time.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050
# Silence after every sound. Qt's sound effect, played through PulseAudio, stops its stream as
# soon as it has handed over the last sample and so drops what the server still holds (about
# 0.15 s, measured on a private server): half of DIP. With this tail only silence is dropped.
TAIL_SECONDS = 0.3


def write_wav(path, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.89 * 32767 / peak
    frames = b"".join(struct.pack("<h", round(s * scale)) for s in samples)
    frames += b"\0\0" * int(TAIL_SECONDS * RATE)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def fade_out(samples, seconds):
    n = int(seconds * RATE)
    for i in range(n):
        samples[-n + i] *= (n - i) / n


def dip():
    # A drop: a sine whose pitch leaps up while it dies away fast.
    length = int(0.28 * RATE)
    out, phase = [], 0.0
    for i in range(length):
        t = i / RATE
        freq = 650 + 1300 * (1 - math.exp(-t / 0.018))
        phase += 2 * math.pi * freq / RATE
        envelope = min(1.0, t / 0.002) * math.exp(-t / 0.045)
        out.append(envelope * (math.sin(phase) + 0.25 * math.sin(2 * phase)))
    fade_out(out, 0.02)
    return out


def gong():
    # Partials of a metal plate: not a harmonic series; the high ones fade first, and pairs of
    # close partials beat slowly against each other.
    base = 98.0
    partials = [(1.0, 1.0, 2.2), (1.003, 0.5, 2.0), (1.52, 0.8, 1.6), (2.08, 0.7, 1.2),
                (2.53, 0.55, 0.9), (2.96, 0.5, 0.8), (3.47, 0.4, 0.6), (4.21, 0.3, 0.45),
                (5.33, 0.22, 0.35), (6.72, 0.15, 0.25),
                # the shimmer: high partials that ring briefly
                (8.14, 0.12, 0.5), (9.71, 0.10, 0.4), (11.36, 0.08, 0.3), (13.62, 0.07, 0.25),
                (16.27, 0.05, 0.2), (19.48, 0.04, 0.15)]
    length = int(2.6 * RATE)
    rng = random.Random(7)
    phases = [rng.random() * 2 * math.pi for _ in partials]
    out = []
    for i in range(length):
        t = i / RATE
        attack = min(1.0, t / 0.004)
        v = 0.0
        for (ratio, amp, decay), phase in zip(partials, phases):
            v += amp * math.exp(-t / decay) * math.sin(2 * math.pi * base * ratio * t + phase)
        # The strike of the mallet: a brief thud of noise.
        if t < 0.03:
            v += 0.6 * (rng.random() * 2 - 1) * math.exp(-t / 0.008)
        out.append(attack * v)
    fade_out(out, 0.3)
    return out


def clap(rng):
    # One clap: a burst of noise through a resonant band-pass, a few milliseconds long.
    centre = rng.uniform(900, 2600)
    q = rng.uniform(1.2, 2.5)
    w = 2 * math.pi * centre / RATE
    alpha = math.sin(w) / (2 * q)
    b0, b2 = alpha, -alpha
    a0, a1, a2 = 1 + alpha, -2 * math.cos(w), 1 - alpha
    x1 = x2 = y1 = y2 = 0.0
    tau = rng.uniform(0.004, 0.009)
    burst = []
    for i in range(int(0.04 * RATE)):
        t = i / RATE
        x = (rng.random() * 2 - 1) * math.exp(-t / tau)
        y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0
        x2, x1, y2, y1 = x1, x, y1, y
        burst.append(y)
    return burst


def applause():
    rng = random.Random(11)
    seconds = 3.2
    length = int(seconds * RATE)
    out = [0.0] * length
    # Each listener claps at a steady pace of their own, slightly irregular.
    for _ in range(36):
        period = rng.uniform(0.18, 0.30)
        t = rng.uniform(0.0, 0.25)
        loudness = rng.uniform(0.4, 1.0)
        while t < seconds:
            start = int(t * RATE)
            for k, s in enumerate(clap(rng)):
                if start + k < length:
                    out[start + k] += loudness * rng.uniform(0.7, 1.0) * s
            t += period * rng.uniform(0.85, 1.15)
    # The crowd swells in and dies away.
    for i in range(length):
        t = i / RATE
        out[i] *= min(1.0, t / 0.25) * min(1.0, max(0.0, (seconds - t) / 1.0))
    return out


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "sounds")
    write_wav(os.path.join(out_dir, "dip.wav"), dip())
    write_wav(os.path.join(out_dir, "gong.wav"), gong())
    write_wav(os.path.join(out_dir, "applause.wav"), applause())


if __name__ == "__main__":
    main()
