#!/usr/bin/env python3
"""Draws the moon phase pictures of data/Icons that the Agenda and the Almanach show in a moon's
column: Moon1.png to Moon8.png, 16 x 16 with a transparent background.

Picture n is the moon (n - 1) eighths of a period after the full moon: 1 full, 2 waning gibbous,
3 last quarter, 4 waning crescent, 5 new, 6 waxing crescent, 7 first quarter, 8 waxing gibbous.
The lit part grows on the right and shrinks on the left, as seen from the northern hemisphere.
Every disc has a dark rim and a mid-tone shadow: the rim keeps the full moon visible on a light
list, the shadow keeps the new moon visible on a dark one (a desktop's dark palette).
Python 3 standard library only.

    python3 scripts/assets/make_moons.py [data folder]
"""

import math
import os
import sys

from imagefiles import write_png
from raster import Canvas
from datafolder import data_folder

SIZE = 16
RIM = (46, 52, 72)
SHADOW = (120, 130, 160)
LIGHT = (255, 238, 160)
# The terminator's bulge from full (1) over the quarter (0) to new (-1). The true cosine (0.71 at
# an eighth of a period) leaves the gibbous moons and the crescents hard to tell from the full
# and the new moon at 16 pixels, so they are drawn halfway to the quarter.
BULGE = (1.0, 0.45, 0.0, -0.45, -1.0)


def lit_part(cx, cy, radius, phase):
    """The lit part of the disc as one contour: the limb on the lit side, then the terminator,
    a half ellipse that bulges out from the middle by BULGE of the radius."""
    side = 1 if phase >= 5 else -1  # waxing: lit on the right; waning: on the left
    bulge = BULGE[abs(phase - 1) if phase <= 5 else 9 - phase]
    steps = 32
    limb = [(cx + side * radius * math.cos(a), cy + radius * math.sin(a))
            for a in (-math.pi / 2 + math.pi * i / steps for i in range(steps + 1))]
    terminator = [(cx - side * bulge * radius * math.cos(a), cy + radius * math.sin(a))
                  for a in (math.pi / 2 - math.pi * i / steps for i in range(1, steps))]
    return limb + terminator


def moon(phase):
    cv = Canvas(SIZE, SIZE, None, supersample=6)
    c = SIZE / 2
    cv.circle(c, c, 7.5, RIM)
    cv.circle(c, c, 6.4, SHADOW)
    if phase != 5:
        cv.fill(lit_part(c, c, 6.4, phase), LIGHT)
    return cv.pixels()


def main():
    folder = data_folder("Icons")
    for phase in range(1, 9):
        path = os.path.join(folder, f"Moon{phase}.png")
        write_png(path, moon(phase))
        print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
