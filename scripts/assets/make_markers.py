#!/usr/bin/env python3
"""Draws a starter set of map marker icons into data/Campaigns/MapIcons: six coloured pawns
for players, a chest, a door, a skull and a campfire for objects, a pinned note and a scroll.
Each icon file holds a 16 and a 32 pixel image. Python 3 standard library only.

    python3 scripts/assets/make_markers.py [data folder]
"""

import math
import os
import sys

from imagefiles import write_ico
from raster import Canvas, bezier, ellipse_points, mix, scale
from datafolder import data_folder

OUTLINE = (40, 28, 20)


def outlined(cv, shape, colour, s, width=1.2):
    """Fills `shape` with a dark outline around it, so markers stand out on any map."""
    cv.polyline(shape, max(1.0, width * 2 * s), OUTLINE, closed=True)
    cv.fill(shape, colour)


def pawn(colour):
    def draw(cv, n):
        s = n / 32
        light = mix(colour, (255, 255, 255), 0.45)
        left = bezier((11 * s, 27 * s), (13 * s, 20 * s), (14 * s, 17 * s), (14 * s, 14 * s), 10)
        right = bezier((18 * s, 14 * s), (18 * s, 17 * s), (19 * s, 20 * s), (21 * s, 27 * s), 10)
        body = [(11 * s, 27 * s)] + left + right
        base = ellipse_points(16 * s, 27.5 * s, 10 * s, 3.2 * s)[:-1]
        outlined(cv, base, scale(colour, 0.7), s)
        outlined(cv, body, colour, s)
        cv.fill(base[:len(base) // 2 + 1], scale(colour, 0.7))
        outlined(cv, ellipse_points(16 * s, 13.5 * s, 5.5 * s, 1.6 * s)[:-1], scale(colour, 0.85), s, 0.8)
        head = ellipse_points(16 * s, 8.5 * s, 5.2 * s, 5.2 * s)[:-1]
        outlined(cv, head, colour, s)
        cv.circle(14.3 * s, 6.8 * s, 1.8 * s, light, 0.8)
        cv.line((14.6 * s, 17 * s), (13.4 * s, 25 * s), max(0.8, 1.3 * s), light, 0.6)
    return draw


def chest(cv, n):
    s = n / 32
    wood, band = (150, 92, 40), (230, 184, 70)
    lid = [(5 * s, 15 * s)] + bezier((5 * s, 15 * s), (5 * s, 6 * s), (27 * s, 6 * s), (27 * s, 15 * s), 16)
    box = [(5 * s, 15 * s), (27 * s, 15 * s), (27 * s, 27 * s), (5 * s, 27 * s)]
    outlined(cv, box, wood, s)
    outlined(cv, lid, scale(wood, 1.15), s)
    for x in (8.5, 23.5):
        cv.rect((x - 1.3) * s, 9 * s, (x + 1.3) * s, 27 * s, band)
    cv.line((5 * s, 15 * s), (27 * s, 15 * s), max(1.0, 1.6 * s), OUTLINE)
    cv.rect(13.5 * s, 13 * s, 18.5 * s, 19.5 * s, band)
    cv.circle(16 * s, 16 * s, max(0.6, 1.0 * s), OUTLINE)


def door(cv, n):
    s = n / 32
    top = ellipse_points(16 * s, 13 * s, 10 * s, 10 * s, math.pi, 2 * math.pi, 20)
    arch = [(6 * s, 30 * s), (6 * s, 13 * s)] + top[1:] + [(26 * s, 30 * s)]
    outlined(cv, arch, (128, 128, 136), s)
    top = ellipse_points(16 * s, 13.5 * s, 7 * s, 7 * s, math.pi, 2 * math.pi, 16)
    inner = [(9 * s, 30 * s), (9 * s, 13.5 * s)] + top[1:] + [(23 * s, 30 * s)]
    cv.fill(inner, (132, 80, 36))
    if n >= 24:
        for x in (12.5, 16, 19.5):
            cv.line((x * s, 8 * s), (x * s, 30 * s), 0.8 * s, (90, 52, 22))
    cv.rect(9 * s, 16 * s, 23 * s, 17.6 * s, (70, 70, 76))
    cv.rect(9 * s, 24 * s, 23 * s, 25.6 * s, (70, 70, 76))
    cv.circle(20.5 * s, 20.5 * s, max(0.9, 1.4 * s), (230, 184, 70))


def skull(cv, n):
    s = n / 32
    bone = (244, 238, 222)
    cranium = ellipse_points(16 * s, 13 * s, 10.5 * s, 10 * s, math.pi * 0.8, math.pi * 2.2, 30)
    jaw = [(22 * s, 21 * s), (21 * s, 27.5 * s), (11 * s, 27.5 * s), (10 * s, 21 * s)]
    outlined(cv, cranium + jaw, bone, s)
    for x in (11.8, 20.2):
        cv.ellipse(x * s, 15 * s, 3.3 * s, 3.6 * s, OUTLINE)
    cv.fill([(16 * s, 18.5 * s), (17.8 * s, 22 * s), (14.2 * s, 22 * s)], OUTLINE)
    if n >= 24:
        for x in (13.5, 16, 18.5):
            cv.line((x * s, 24.5 * s), (x * s, 27.5 * s), 0.9 * s, OUTLINE)


def campfire(cv, n):
    s = n / 32
    log = (120, 72, 34)
    cv.line((6 * s, 28 * s), (26 * s, 21 * s), 4.5 * s, OUTLINE)
    cv.line((6 * s, 28 * s), (26 * s, 21 * s), 3 * s, log)
    cv.line((6 * s, 21 * s), (26 * s, 28 * s), 4.5 * s, OUTLINE)
    cv.line((6 * s, 21 * s), (26 * s, 28 * s), 3 * s, scale(log, 1.2))

    def flame(height, width, bottom):
        cx = 16 * s
        right = bezier((cx, bottom - height), (cx + width * 0.35, bottom - height * 0.55),
                       (cx + width, bottom - height * 0.25), (cx, bottom), 14)
        left = bezier((cx, bottom), (cx - width, bottom - height * 0.25),
                      (cx - width * 0.35, bottom - height * 0.55), (cx, bottom - height), 14)
        return right + left[1:-1]

    cv.fill(flame(22 * s, 11 * s, 25 * s), (220, 64, 20))
    cv.fill(flame(15 * s, 7 * s, 25 * s), (255, 160, 30))
    cv.fill(flame(8 * s, 3.5 * s, 24.5 * s), (255, 236, 130))


def note(cv, n):
    s = n / 32
    paper = [(6 * s, 7 * s), (26 * s, 7 * s), (26 * s, 23 * s), (20 * s, 29 * s), (6 * s, 29 * s)]
    outlined(cv, paper, (250, 236, 170), s)
    cv.fill([(26 * s, 23 * s), (20 * s, 29 * s), (20 * s, 23 * s)], (214, 196, 120))
    if n >= 24:
        for y in (13, 17, 21):
            cv.line((9.5 * s, y * s), ((22.5 if y < 21 else 17.5) * s, y * s), 1.1 * s, (150, 130, 96))
    cv.circle(16 * s, 7.5 * s, 3.4 * s, OUTLINE)
    cv.circle(16 * s, 7.5 * s, 2.6 * s, (200, 36, 36))
    cv.circle(15.2 * s, 6.7 * s, 0.9 * s, (255, 170, 170))


def scroll(cv, n):
    s = n / 32
    paper, shade = (246, 230, 186), (206, 180, 120)
    outlined(cv, [(8 * s, 8 * s), (24 * s, 8 * s), (24 * s, 24 * s), (8 * s, 24 * s)], paper, s)
    for y in (7, 25):
        outlined(cv, ellipse_points(16 * s, y * s, 11 * s, 2.6 * s)[:-1], shade, s, 0.8)
    if n >= 24:
        for y in (12.5, 16, 19.5):
            cv.line((11 * s, y * s), (21 * s, y * s), 1.0 * s, (150, 130, 96))
    cv.rect(14.5 * s, 22 * s, 17.5 * s, 29 * s, (170, 40, 40))


MARKERS = {
    "Pawn Red.ico": pawn((196, 40, 40)),
    "Pawn Blue.ico": pawn((44, 90, 200)),
    "Pawn Green.ico": pawn((44, 150, 60)),
    "Pawn Gold.ico": pawn((226, 176, 40)),
    "Pawn Purple.ico": pawn((128, 60, 170)),
    "Pawn White.ico": pawn((236, 236, 228)),
    "Chest.ico": chest,
    "Door.ico": door,
    "Skull.ico": skull,
    "Campfire.ico": campfire,
    "Note.ico": note,
    "Scroll.ico": scroll,
}


def marker_image(draw, n):
    cv = Canvas(n, n, None, supersample=4)
    draw(cv, n)
    return cv.pixels()


def main():
    folder = data_folder("Campaigns", "MapIcons")
    for name, draw in MARKERS.items():
        path = os.path.join(folder, name)
        write_ico(path, [marker_image(draw, n) for n in (16, 32)])
        print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
