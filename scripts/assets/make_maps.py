#!/usr/bin/env python3
"""Draws the sample map of data/Campaigns: "Sample Map.jpg", a small region on parchment with
a river, a lake, a road, hills, woods, a keep and a compass rose, for a first try of the maps.
Python 3 standard library only; fixed seeds, so the output is reproducible. About a minute.

    python3 scripts/assets/make_maps.py [data folder]
"""

import os
import random

from datafolder import data_folder
from imagefiles import write_jpeg
from motifs import INK, PARCHMENT, RED, castle, compass_rose, parchment, pine
from raster import Canvas, bezier, ellipse_points, mix

WATER = (96, 140, 178)
ROAD = (150, 104, 58)
WOOD = (70, 110, 52)


def sample_map():
    w, h = 640, 480
    cv = Canvas(w, h, PARCHMENT, supersample=2)
    cv.shade(parchment(w, h, seed=23))
    cv.polyline([(10, 10), (w - 10, 10), (w - 10, h - 10), (10, h - 10)], 2.0, INK, 0.8, closed=True)

    lake = ellipse_points(470, 330, 70, 42)[:-1]
    cv.fill(lake, mix(WATER, PARCHMENT, 0.25))
    cv.polyline(lake, 1.4, INK, 0.7, closed=True)
    river = bezier((40, 60), (180, 120), (260, 260), (420, 310), 60)
    cv.polyline(river, 9, mix(WATER, PARCHMENT, 0.2), 0.95)
    cv.polyline(river, 1.0, INK, 0.5)

    road = bezier((30, 420), (200, 380), (250, 200), (520, 120), 60)
    for k, (p0, p1) in enumerate(zip(road, road[1:])):
        if k % 2 == 0:
            cv.line(p0, p1, 3, ROAD, 0.9)

    for cx, cy in ((90, 250), (130, 300), (560, 430)):
        for k in range(3):
            hill = bezier((cx + k * 22 - 24, cy), (cx + k * 22 - 12, cy - 22), (cx + k * 22 + 4, cy - 22),
                          (cx + k * 22 + 16, cy), 16)
            cv.polyline(hill, 1.4, INK, 0.8)

    rng = random.Random(5)
    for _ in range(46):
        x, y = rng.uniform(300, 420), rng.uniform(360, 450)
        pine(cv, x, y, rng.uniform(9, 14), mix(WOOD, INK, 0.3))
    for _ in range(30):
        x, y = rng.uniform(470, 610), rng.uniform(40, 100)
        cv.circle(x, y, rng.uniform(5, 8), mix(WOOD, PARCHMENT, 0.15), 0.9)

    castle(cv, 520, 150, 46, INK, windows=(236, 206, 140), flag=RED)
    compass_rose(cv, 590, 250, 22)
    return cv.pixels()


def main():
    folder = data_folder("Campaigns")
    path = os.path.join(folder, "Sample Map.jpg")
    write_jpeg(path, sample_map(), quality=85)
    print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
