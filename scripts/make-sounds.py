#!/usr/bin/env python3
"""Synthesises the table's fifteen short sound effects into resources/sounds/.

Every sound is built from a few sine partials, a soft noise burst or both,
each with its own envelope, and written as 16-bit mono wave at 22050 Hz.
Running it again gives the same files (the noise is seeded).
"""
import math
import os
import random
import struct
import wave

RATE = 22050
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "sounds")


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def tone(freq, seconds, volume=0.5, attack=0.005, decay=None, partials=((1, 1.0),), glide=0.0):
    """A note with an exponential decay; glide bends the pitch by that factor over the note."""
    n = int(RATE * seconds)
    decay = decay if decay is not None else seconds / 4
    out = []
    phase = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = freq * (1.0 + glide * t / seconds)
        env = min(1.0, t / attack) * math.exp(-t / decay)
        # a short fade at the very end avoids a click
        env *= min(1.0, (n - i) / (RATE * 0.004))
        s = 0.0
        for k, (mult, amp) in enumerate(partials):
            phase[k] += 2 * math.pi * f * mult / RATE
            s += amp * math.sin(phase[k])
        out.append(volume * env * s)
    return out


def noise(seconds, volume=0.4, decay=0.01, smooth=0.5, seed=1):
    rnd = random.Random(seed)
    n = int(RATE * seconds)
    out, last = [], 0.0
    for i in range(n):
        t = i / RATE
        last = smooth * last + (1 - smooth) * rnd.uniform(-1, 1)
        out.append(volume * last * math.exp(-t / decay))
    return out


def mix(*parts):
    n = max(len(p) for p in parts)
    return [sum(p[i] for p in parts if i < len(p)) for i in range(n)]


def seq(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def at(seconds, part):
    return silence(seconds) + part


BELL = ((1, 1.0), (2.0, 0.35), (3.01, 0.15))
WOOD = ((1, 1.0), (2.76, 0.3), (5.4, 0.1))

SOUNDS = {
    # a tile lifted: a light wooden tick
    "CLICKCARD": mix(noise(0.05, 0.35, 0.006, 0.3, 2), tone(1800, 0.05, 0.25, 0.001, 0.01, WOOD)),
    # a tile put down on the felt: a soft, lower knock
    "PLACECARD": mix(noise(0.09, 0.5, 0.012, 0.75, 3), tone(420, 0.09, 0.4, 0.001, 0.02, WOOD)),
    # a tile going back: a small falling slide
    "CLEARCARD": mix(noise(0.12, 0.2, 0.04, 0.85, 4), tone(900, 0.12, 0.25, 0.002, 0.04, WOOD, glide=-0.4)),
    # tiles arriving in the rack: two quick taps
    "GETCARD": seq(mix(noise(0.06, 0.35, 0.01, 0.6, 5), tone(700, 0.06, 0.3, 0.001, 0.015, WOOD)),
                   mix(noise(0.08, 0.35, 0.01, 0.6, 6), tone(820, 0.08, 0.3, 0.001, 0.015, WOOD))),
    # someone sits down: a friendly rising two-note chime
    "ENTERED": seq(tone(660, 0.14, 0.35, 0.004, 0.08, BELL), tone(880, 0.3, 0.35, 0.004, 0.12, BELL)),
    # refused: a low double buzz
    "NOCANDO": seq(tone(180, 0.09, 0.35, 0.004, 0.2, ((1, 1.0), (3, 0.3), (5, 0.15))), silence(0.04),
                   tone(160, 0.12, 0.35, 0.004, 0.2, ((1, 1.0), (3, 0.3), (5, 0.15)))),
    # the board is not valid: a falling minor third
    "NOTVALID": seq(tone(494, 0.16, 0.35, 0.004, 0.1, BELL), tone(392, 0.3, 0.35, 0.004, 0.12, BELL)),
    # the penalty taken: a short confirming blip
    "PRESSYES": seq(tone(784, 0.07, 0.3, 0.002, 0.04, BELL), tone(1046, 0.12, 0.3, 0.002, 0.06, BELL)),
    # back to editing: a single soft blip
    "PRESSEDIT": tone(880, 0.12, 0.3, 0.002, 0.05, BELL),
    # the clock in its last seconds: a dry tick
    "TIME": mix(noise(0.04, 0.3, 0.004, 0.2, 7), tone(2400, 0.04, 0.2, 0.0005, 0.006)),
    # time is up: a descending three-note phrase
    "TIMEUP": seq(tone(784, 0.12, 0.3, 0.003, 0.08, BELL), tone(659, 0.12, 0.3, 0.003, 0.08, BELL),
                  tone(523, 0.35, 0.3, 0.003, 0.15, BELL)),
    # your turn, classic: one clear bell
    "TURN": tone(1046, 0.6, 0.4, 0.003, 0.18, BELL),
    # your turn, new: a bright rising arpeggio
    "TURNNEW": mix(tone(523, 0.5, 0.25, 0.003, 0.15, BELL), at(0.08, tone(659, 0.45, 0.25, 0.003, 0.15, BELL)),
                   at(0.16, tone(784, 0.45, 0.25, 0.003, 0.15, BELL))),
    # a round is over: a settling cadence
    "ROUNDOVER": mix(tone(392, 0.7, 0.22, 0.004, 0.25, BELL), at(0.15, tone(494, 0.6, 0.22, 0.004, 0.25, BELL)),
                     at(0.3, tone(587, 0.55, 0.22, 0.004, 0.25, BELL))),
    # the game is won: a little fanfare
    "WINNER": seq(tone(523, 0.12, 0.3, 0.003, 0.1, BELL), tone(659, 0.12, 0.3, 0.003, 0.1, BELL),
                  tone(784, 0.12, 0.3, 0.003, 0.1, BELL),
                  mix(tone(1046, 0.7, 0.3, 0.003, 0.3, BELL), tone(784, 0.7, 0.18, 0.003, 0.3, BELL),
                      tone(659, 0.7, 0.14, 0.003, 0.3, BELL))),
}


def write(name, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    gain = min(1.0, 0.9 / peak)
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s * gain)) * 32767)) for s in samples)
    with wave.open(os.path.join(OUT, name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, samples in SOUNDS.items():
        write(name, samples)
    print(f"wrote {len(SOUNDS)} sounds to {os.path.normpath(OUT)}")


if __name__ == "__main__":
    main()
