#!/usr/bin/env python3
"""Writes the five sound cues of data/Sounds: 16-bit PCM, mono, 22050 Hz.

Python 3 standard library only. The random parts use fixed seeds, so running the script again
gives the same files byte for byte.

    python3 scripts/assets/make_sounds.py [data folder]
"""

import math
import os
import random
import struct
import sys
import wave
from datafolder import data_folder

RATE = 22050


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buffer, samples, start, gain=1.0):
    """Adds `samples` into `buffer` from `start` seconds on, growing the buffer when needed."""
    offset = int(round(start * RATE))
    if len(buffer) < offset + len(samples):
        buffer.extend([0.0] * (offset + len(samples) - len(buffer)))
    for i, s in enumerate(samples):
        buffer[offset + i] += s * gain


def bell(freq, seconds, decay, partials=((1, 1.0), (2, 0.25), (3, 0.08), (4.2, 0.03)), attack=0.006):
    """A struck, bell-like note: a few partials under a quick attack and an exponential decay.
    Higher partials die away faster, which keeps the tone soft."""
    out = []
    for i in range(int(seconds * RATE)):
        t = i / RATE
        rise = 0.5 - 0.5 * math.cos(math.pi * min(1.0, t / attack))
        value = 0.0
        for ratio, level in partials:
            value += level * math.exp(-t * ratio / decay) * math.sin(2 * math.pi * freq * ratio * t)
        out.append(value * rise)
    return out


def pad(freqs, seconds, attack, release):
    """A quiet sustained chord that swells in and fades out, warming the chime."""
    out = []
    for i in range(int(seconds * RATE)):
        t = i / RATE
        env = min(1.0, t / attack) * min(1.0, max(0.0, (seconds - t) / release))
        env = env * env * (3 - 2 * env)
        out.append(env * sum(math.sin(2 * math.pi * f * t) + 0.15 * math.sin(4 * math.pi * f * t)
                             for f in freqs) / len(freqs))
    return out


def finish(buffer, peak, fade_in=0.004, fade_out=0.03):
    """Scales to `peak`, then fades both ends to silence so that nothing clicks."""
    top = max(abs(s) for s in buffer) or 1.0
    out = [s * peak / top for s in buffer]
    n_in = max(1, int(fade_in * RATE))
    n_out = max(1, int(fade_out * RATE))
    for i in range(min(n_in, len(out))):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, len(out))):
        out[len(out) - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return out


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(frames)


def note(name):
    """Frequency of a note such as "C5" or "G4" (equal temperament, A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}[name[0]]
    return 440.0 * 2 ** ((steps + 12 * (int(name[-1]) - 4)) / 12)


def intro():
    """A warm rising arpeggio over a soft chord, about 1.5 seconds."""
    buffer = silence(1.5)
    mix_into(buffer, pad([note("C3"), note("G3"), note("E4")], 1.5, 0.25, 0.6), 0.0, 0.35)
    for k, name in enumerate(("C4", "E4", "G4", "C5", "E5")):
        mix_into(buffer, bell(note(name), 1.5 - k * 0.11, 0.55 + 0.05 * k), k * 0.11, 0.55)
    return finish(buffer[:int(1.5 * RATE)], 0.5, fade_out=0.25)


def click():
    """A soft wooden tick, 40 ms."""
    out = []
    for i in range(int(0.04 * RATE)):
        t = i / RATE
        out.append(math.exp(-t / 0.0045) * (math.sin(2 * math.pi * 1750 * t)
                                            + 0.35 * math.sin(2 * math.pi * 3100 * t + 0.7)))
    return finish(out, 0.35, fade_in=0.0015, fade_out=0.008)


def save():
    """Two rising notes, 0.4 seconds."""
    buffer = silence(0.4)
    partials = ((1, 1.0), (2, 0.2), (3, 0.05))
    mix_into(buffer, bell(note("G5"), 0.26, 0.11, partials), 0.0, 0.8)
    mix_into(buffer, bell(note("C6"), 0.27, 0.13, partials), 0.13, 1.0)
    return finish(buffer[:int(0.4 * RATE)], 0.45, fade_out=0.04)


def end():
    """A falling farewell of four notes, about one second."""
    buffer = silence(1.0)
    for k, name in enumerate(("G5", "E5", "C5", "G4")):
        last = k == 3
        mix_into(buffer, bell(note(name), 1.0 - k * 0.16, 0.45 if last else 0.25), k * 0.16, 0.6 + 0.1 * k)
    mix_into(buffer, pad([note("C3"), note("G3")], 1.0, 0.15, 0.5), 0.0, 0.25)
    return finish(buffer[:int(1.0 * RATE)], 0.5, fade_out=0.2)


def dice_roll():
    """Three dice tumbling on a table: bursts of filtered noise with a short woody ring and a
    low knock, each die bouncing quicker and softer until it settles. About 0.6 seconds."""
    rng = random.Random(20)
    buffer = silence(0.6)

    def knock(level):
        ring = rng.uniform(1600, 3400)
        thud = rng.uniform(220, 380)
        tau = rng.uniform(0.0025, 0.005)
        low, out = 0.0, []
        for i in range(int(0.03 * RATE)):
            t = i / RATE
            noise = rng.uniform(-1.0, 1.0)
            low += 0.35 * (noise - low)
            burst = (noise - low) * math.exp(-t / tau)
            tone = 0.6 * math.sin(2 * math.pi * ring * t) * math.exp(-t / (tau * 1.6))
            body = 0.35 * math.sin(2 * math.pi * thud * t) * math.exp(-t / 0.008)
            out.append(level * (burst + tone + body))
        return out

    for die in range(3):
        t = 0.015 + die * rng.uniform(0.02, 0.06)
        gap, level = rng.uniform(0.07, 0.1), 1.0
        while t < 0.52 and level > 0.12:
            mix_into(buffer, knock(level), t)
            t += gap * rng.uniform(0.8, 1.2)
            gap *= 0.82
            level *= rng.uniform(0.62, 0.78)
    return finish(buffer[:int(0.6 * RATE)], 0.5, fade_in=0.002, fade_out=0.05)


SOUNDS = {
    "Intro.WAV": intro,
    "Click.wav": click,
    "Save.WAV": save,
    "End.WAV": end,
    "Dice Roll.wav": dice_roll,
}


def main():
    folder = data_folder("Sounds")
    for name, make in SOUNDS.items():
        path = os.path.join(folder, name)
        write_wav(path, make())
        print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
