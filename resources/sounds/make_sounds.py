#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the built-in sounds: fire_loop.wav and explosion_a/b/c.wav.

Every file is PCM, mono, 8-bit unsigned (silence 128), 11025 samples per
second, with the canonical 44-byte header: RIFF, WAVE, a 16-byte "fmt "
chunk and the "data" chunk right after it.

Method: subtractive synthesis. White noise from a seeded generator is shaped
by one-pole and biquad filters (low-pass, high-pass, band-pass) and by
amplitude envelopes; sine partials with falling pitch give the booms their
body. Each sound is scaled so its highest peak sits at 90% of full scale,
then rounded to 8 bits.

- fire_loop.wav: a low roar of filtered noise, slowly swelling, with
  clusters of short bright crackles and a few deeper pops. It is built on a
  circle of exactly its own length, so it loops without a click: the crackles
  near the end wrap their tails into the start, the swelling uses whole
  cycles only, and the roar filters run over the noise three times around
  the circle with the middle turn kept, so their state at the end is their
  state at the start.
- explosion_a.wav: a sharp crack: a bright burst whose brightness and level
  fall quickly, with debris crackles in the first second.
- explosion_b.wav: a deep, long boom: a falling low sine and dark noise that
  rolls (slow random swells) and dies away over seven seconds.
- explosion_c.wav: a short pop: a mid-band bang with a low thump, a faint
  slap-back echo and a short tail.

Only seeded random numbers and plain float arithmetic are used, so running
the script again gives byte-identical files.

Usage: make_sounds.py [output directory]
"""
import math
import os
import random
import struct
import sys

RATE = 11025
PEAK = 0.9

# File name, number of data bytes (= samples), seed.
FIRE_LOOP = ("fire_loop.wav", 54656, 1440)
EXPLOSION_A = ("explosion_a.wav", 26816, 1450)
EXPLOSION_B = ("explosion_b.wav", 81280, 1460)
EXPLOSION_C = ("explosion_c.wav", 22912, 1470)


# --- filters -----------------------------------------------------------------

def biquad(kind, freq, q=0.7071):
    """Coefficients (b0, b1, b2, a1, a2) of an RBJ cookbook biquad."""
    w = 2 * math.pi * freq / RATE
    cw, alpha = math.cos(w), math.sin(w) / (2 * q)
    if kind == "lp":
        b = ((1 - cw) / 2, 1 - cw, (1 - cw) / 2)
    elif kind == "hp":
        b = ((1 + cw) / 2, -(1 + cw), (1 + cw) / 2)
    else:  # band-pass, 0 dB peak
        b = (alpha, 0.0, -alpha)
    a0 = 1 + alpha
    return (b[0] / a0, b[1] / a0, b[2] / a0, -2 * cw / a0, (1 - alpha) / a0)


def run_biquad(x, coeffs):
    b0, b1, b2, a1, a2 = coeffs
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for v in x:
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, y
        out.append(y)
    return out


def filter_chain(x, stages):
    for coeffs in stages:
        x = run_biquad(x, coeffs)
    return x


def circular(x, stages):
    """Filters a periodic signal: three turns around it, the middle one kept."""
    n = len(x)
    return filter_chain(x * 3, stages)[n:2 * n]


def sweep_lowpass(x, start_hz, end_hz, tau):
    """One-pole low-pass whose cutoff glides from start_hz to end_hz."""
    y = 0.0
    out = []
    for i, v in enumerate(x):
        f = end_hz + (start_hz - end_hz) * math.exp(-i / (tau * RATE))
        k = 1 - math.exp(-2 * math.pi * f / RATE)
        y += k * (v - y)
        out.append(y)
    return out


def smooth_random(rng, n, step, low, high):
    """A slow random curve: random points every `step` samples, cosine-joined."""
    points = [rng.uniform(low, high) for _ in range(n // step + 2)]
    out = []
    for i in range(n):
        j, f = divmod(i, step)
        t = (1 - math.cos(math.pi * f / step)) / 2
        out.append(points[j] * (1 - t) + points[j + 1] * t)
    return out


def noise(rng, n):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


# --- sounds ------------------------------------------------------------------

def crackle(rng, loud):
    """One short bright crackle: decaying high-passed noise, a few ms long."""
    length = rng.randint(30, 160)
    tau = rng.uniform(3.0, 18.0)
    raw = [rng.uniform(-1, 1) * math.exp(-i / tau) for i in range(length)]
    bright = run_biquad(raw, biquad("hp", rng.uniform(1500, 3200)))
    return [loud * v for v in bright]


def pop(rng, loud):
    """A deeper pop of a bursting knot: a falling tone with a noisy edge."""
    length = rng.randint(250, 450)
    freq = rng.uniform(180, 420)
    out, phase = [], 0.0
    for i in range(length):
        env = math.exp(-i / 60.0)
        phase += 2 * math.pi * freq * (1 - 0.4 * i / length) / RATE
        out.append(loud * env * (0.7 * math.sin(phase) + 0.5 * rng.uniform(-1, 1)))
    return out


def fire_loop(n, seed):
    rng = random.Random(seed)
    # The roar: dark and darker noise, periodic over the loop.
    roar = circular(noise(rng, n), [biquad("lp", 260), biquad("lp", 260)])
    hiss = circular(noise(rng, n), [biquad("bp", 1200, 0.8)])
    # Swelling with whole cycles around the loop only.
    swell = [1 + 0.25 * math.sin(2 * math.pi * 3 * i / n) + 0.15 * math.sin(2 * math.pi * 7 * i / n + 1.3)
             for i in range(n)]
    out = [swell[i] * (0.45 * roar[i] + 0.07 * hiss[i]) for i in range(n)]
    # Crackles come in clusters; their tails wrap around the end of the loop.
    t = 0
    while True:
        t += int(rng.expovariate(7.0) * RATE) + 1
        if t >= n:
            break
        at = t
        for _ in range(rng.randint(1, 6)):
            loud = 0.08 + 0.55 * rng.random() ** 3
            for k, v in enumerate(crackle(rng, loud)):
                out[(at + k) % n] += v
            at += rng.randint(40, 500)
    for _ in range(4):
        at = rng.randrange(n)
        for k, v in enumerate(pop(rng, rng.uniform(0.25, 0.4))):
            out[(at + k) % n] += v
    return out


def fade_out(x, seconds):
    n = int(seconds * RATE)
    for k in range(n):
        x[len(x) - 1 - k] *= (k / n) ** 2
    return x


def explosion_a(n, seed):
    """A sharp crack with a quick decay."""
    rng = random.Random(seed)
    attack = int(0.002 * RATE)
    body = sweep_lowpass(sweep_lowpass(noise(rng, n), 5000, 200, 0.15), 5000, 200, 0.15)
    body = run_biquad(body, biquad("hp", 60))
    out = []
    for i, v in enumerate(body):
        s = i / RATE
        env = min(1.0, i / attack) * (math.exp(-s / 0.08) + 0.2 * math.exp(-s / 0.7))
        out.append(3.0 * env * v)
    # The crack itself: a few milliseconds of full-band noise.
    for i in range(int(0.006 * RATE)):
        out[i] += rng.uniform(-1, 1) * math.exp(-i / 20.0)
    # Debris crackling after the blast.
    for _ in range(14):
        at = int(rng.uniform(0.05, 1.3) * RATE)
        fall = math.exp(-at / (0.5 * RATE))
        for k, v in enumerate(crackle(rng, 0.9 * fall)):
            out[at + k] += v
    return fade_out(out, 0.3)


def explosion_b(n, seed):
    """A deep, long boom with rolling rumble."""
    rng = random.Random(seed)
    attack = int(0.015 * RATE)
    dark = filter_chain(noise(rng, n), [biquad("lp", 220), biquad("lp", 220), biquad("hp", 25)])
    roll = smooth_random(rng, n, int(0.35 * RATE), 0.35, 1.0)
    hit = sweep_lowpass(noise(rng, n), 2200, 300, 0.08)
    out, phase = [], 0.0
    for i in range(n):
        s = i / RATE
        rise = min(1.0, i / attack)
        freq = 32 + 40 * math.exp(-s / 0.5)
        phase += 2 * math.pi * freq / RATE
        tone = 0.55 * math.exp(-s / 0.9) * math.sin(phase)
        rumble = 6.0 * roll[i] * (0.55 * math.exp(-s / 0.5) + 0.45 * math.exp(-s / 2.4)) * dark[i]
        crack = 1.2 * math.exp(-s / 0.05) * hit[i]
        out.append(rise * (tone + rumble + crack))
    return fade_out(out, 1.5)


def explosion_c(n, seed):
    """A short pop: a mid-band bang, a low thump, a slap-back and a brief tail."""
    rng = random.Random(seed)
    bang = filter_chain(noise(rng, n), [biquad("bp", 1100, 0.9)])
    tail = filter_chain(noise(rng, n), [biquad("lp", 600)])
    dry, phase = [], 0.0
    for i in range(n):
        s = i / RATE
        rise = min(1.0, i / 8.0)
        phase += 2 * math.pi * (75 + 60 * math.exp(-s / 0.03)) / RATE
        thump = 0.8 * math.exp(-s / 0.06) * math.sin(phase)
        dry.append(rise * (2.4 * math.exp(-s / 0.025) * bang[i] + thump + 0.5 * math.exp(-s / 0.22) * tail[i]))
    echo = int(0.17 * RATE)
    out = [dry[i] + (0.3 * dry[i - echo] if i >= echo else 0.0) for i in range(n)]
    return fade_out(out, 0.4)


# --- files -------------------------------------------------------------------

def to_bytes(x):
    scale = PEAK / max(abs(v) for v in x)
    return bytes(max(1, min(255, 128 + round(127 * scale * v))) for v in x)


def wave_file(data):
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
    header += b"data" + struct.pack("<I", len(data))
    return header + data


SOUNDS = [(FIRE_LOOP, fire_loop), (EXPLOSION_A, explosion_a), (EXPLOSION_B, explosion_b), (EXPLOSION_C, explosion_c)]

if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for (name, size, seed), make in SOUNDS:
        data = to_bytes(make(size, seed))
        assert len(data) == size
        with open(os.path.join(folder, name), "wb") as f:
            f.write(wave_file(data))
