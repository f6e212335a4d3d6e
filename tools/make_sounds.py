#!/usr/bin/env python3
"""Synthesises Numlet's built-in sounds as 8-bit mono PCM WAVE files.

    python3 tools/make_sounds.py [output folder]      (default: resources/sounds)

Standard library only. The sample counts and rates are fixed: the program and its tests expect
exactly these lengths.
"""
import math
import os
import struct
import sys
import wave

PEAK = 0.86  # of full scale: headroom, so nothing clips


def envelope(t, length, attack, release):
    """Linear attack, linear release; 0 outside [0, length]."""
    if t < 0 or t > length:
        return 0.0
    g = 1.0
    if t < attack:
        g = t / attack
    if t > length - release:
        g = min(g, (length - t) / release)
    return g


def bell(f, t, decay):
    """A bright, marimba-like tone: a few partials, the higher ones dying faster."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.004)
    v = (math.sin(2 * math.pi * f * t)
         + 0.35 * math.sin(2 * math.pi * 2 * f * t) * math.exp(-t * 6)
         + 0.12 * math.sin(2 * math.pi * 3 * f * t) * math.exp(-t * 12))
    return attack * v * math.exp(-t / decay)


def ano(rate, count):
    """A happy rising arpeggio, C E G C, landing on a ringing major chord."""
    c5, e5, g5, c6, e6, g6 = 523.25, 659.26, 783.99, 1046.50, 1318.51, 1567.98
    steps = [(0.00, c5), (0.12, e5), (0.24, g5), (0.36, c6)]
    chord_at = 0.52
    out = []
    for i in range(count):
        t = i / rate
        v = 0.0
        for start, f in steps:
            v += 1.0 * bell(f, t - start, 0.18)
        tc = t - chord_at
        if tc >= 0:
            wobble = 1 + 0.003 * math.sin(2 * math.pi * 5.5 * tc)  # a little shimmer
            v += 0.9 * bell(c6 * wobble, tc, 0.55)
            v += 0.55 * bell(e6 * wobble, tc, 0.45)
            v += 0.45 * bell(g6 * wobble, tc, 0.40)
            v += 0.25 * bell(c5, tc, 0.6)
        out.append(v)
    return out


def buzz_wave(phase, harmonics):
    """A band-limited square-ish wave: odd harmonics only, hollow and low."""
    return sum(math.sin((2 * k - 1) * phase) / (2 * k - 1) for k in range(1, harmonics + 1))


def ne(rate, count):
    """Two low buzzy notes, the second sliding down: the classic "wrong"."""
    out = []
    phase = 0.0
    first_len, gap = 0.26, 0.04
    second_start = first_len + gap
    second_len = count / rate - second_start
    for i in range(count):
        t = i / rate
        if t < first_len:
            f = 233.08
            g = envelope(t, first_len, 0.008, 0.03)
        elif t >= second_start:
            ts = t - second_start
            f = 196.0 * math.pow(146.83 / 196.0, min(1.0, ts / second_len))
            g = envelope(ts, second_len, 0.008, 0.12)
        else:
            f, g = 233.08, 0.0
        phase += 2 * math.pi * f / rate
        tremolo = 1 - 0.25 * (0.5 + 0.5 * math.sin(2 * math.pi * 14 * t))
        harmonics = max(1, min(15, int(4000 / f / 2)))
        out.append(g * tremolo * buzz_wave(phase, harmonics))
    return out


def go(rate, count):
    """A short dry click, like a key being pressed."""
    out = []
    seed = 12345
    for i in range(count):
        t = i / rate
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF  # fixed noise: same file every run
        noise = seed / 0x3FFFFFFF - 1.0
        v = (math.sin(2 * math.pi * 1900 * t) + 0.5 * math.sin(2 * math.pi * 3300 * t)) \
            * math.exp(-t / 0.004)
        v += 0.35 * noise * math.exp(-t / 0.0015)
        out.append(v)
    return out


def fade(samples, rate, fade_in, fade_out):
    n_in = max(1, int(fade_in * rate))
    n_out = max(1, int(fade_out * rate))
    n = len(samples)
    for i in range(min(n_in, n)):
        samples[i] *= i / n_in
    for i in range(min(n_out, n)):
        samples[n - 1 - i] *= i / n_out
    return samples


def to_bytes(samples):
    """Scales to PEAK of full scale and encodes as unsigned 8-bit (silence is 128)."""
    top = max(abs(v) for v in samples) or 1.0
    scale = PEAK * 127 / top
    return struct.pack("%dB" % len(samples),
                       *(max(1, min(255, 128 + int(round(v * scale)))) for v in samples))


def write(path, rate, data):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(data)


SOUNDS = [
    # name, rate, sample bytes, synthesiser, fade in, fade out (seconds)
    ("Ano", 11025, 23046, ano, 0.003, 0.25),
    ("Ne", 22050, 16802, ne, 0.003, 0.03),
    ("Go", 11025, 266, go, 0.0005, 0.004),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(
        os.path.join(here, "..", "resources", "sounds"))
    os.makedirs(out_dir, exist_ok=True)
    for name, rate, count, synth, fade_in, fade_out in SOUNDS:
        data = to_bytes(fade(synth(rate, count), rate, fade_in, fade_out))
        assert len(data) == count
        path = os.path.join(out_dir, name + ".wav")
        write(path, rate, data)
        print("%s: %d Hz, %d samples, %.3f s, bytes %d..%d"
              % (path, rate, count, count / rate, min(data), max(data)))


if __name__ == "__main__":
    main()
