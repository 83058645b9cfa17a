#!/usr/bin/env python3
"""Shows a picture as a colour-blind player sees it, to check that the
tiles' four colours stay tellable (by their symbols at least).

    python3 scripts/simulate-cvd.py IN.png OUT.png [deutan|protan|tritan]

Applies Machado, Oliveira and Fernandes' (2009) simulation matrix for a
full dichromacy (severity 1.0) in linear RGB; the default is deuteranopia,
the most common. Needs only Python 3 and ImageMagick's convert, which
reads and writes the files (the pixels pass through as binary PPM).
"""
import subprocess
import sys

MATRICES = {
    "deutan": ((0.367322, 0.860646, -0.227968),
               (0.280085, 0.672501, 0.047413),
               (-0.011820, 0.042940, 0.968881)),
    "protan": ((0.152286, 1.052583, -0.204868),
               (0.114503, 0.786281, 0.099216),
               (-0.003882, -0.048116, 1.051998)),
    "tritan": ((1.255528, -0.076749, -0.178779),
               (-0.078411, 0.930809, 0.147602),
               (0.004733, 0.691367, 0.303900)),
}


def to_linear(v):
    c = v / 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def to_srgb_byte(c):
    c = min(max(c, 0.0), 1.0)
    s = c * 12.92 if c <= 0.0031308 else 1.055 * c ** (1 / 2.4) - 0.055
    return int(round(s * 255))


def read_ppm(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    # Header: P6, width, height, maxval, each after whitespace.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit("unexpected picture format from convert")
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def main():
    if len(sys.argv) not in (3, 4) or (len(sys.argv) == 4 and sys.argv[3] not in MATRICES):
        sys.exit(__doc__)
    m = MATRICES[sys.argv[3] if len(sys.argv) == 4 else "deutan"]
    width, height, pixels = read_ppm(sys.argv[1])
    linear = [to_linear(v) for v in range(256)]
    # Linear light back to bytes through a fine table, far faster than pow.
    steps = 4096
    back = [to_srgb_byte(i / (steps - 1)) for i in range(steps)]

    def encode(c):
        return back[min(max(int(c * (steps - 1) + 0.5), 0), steps - 1)]

    out = bytearray(len(pixels))
    seen = {}
    for i in range(0, width * height * 3, 3):
        key = pixels[i:i + 3]
        rgb = seen.get(key)
        if rgb is None:
            r, g, b = linear[key[0]], linear[key[1]], linear[key[2]]
            rgb = bytes(encode(row[0] * r + row[1] * g + row[2] * b) for row in m)
            seen[key] = rgb
        out[i:i + 3] = rgb
    header = b"P6\n%d %d\n255\n" % (width, height)
    subprocess.run(["convert", "ppm:-", sys.argv[2]], input=header + bytes(out), check=True)


if __name__ == "__main__":
    main()
