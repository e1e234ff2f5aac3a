#!/usr/bin/env python3
"""Draws the decorative pictures of data/Pictures: Main.bmp, Classes.bmp, Calendar.bmp,
About.bmp (24-bit bitmaps) and "Tip Of The Day.jpg".

Python 3 standard library only; textures use fixed seeds, so the output is reproducible.
Takes a few seconds. Name pictures after the folder to draw only those.

    python3 scripts/assets/make_pictures.py [data folder [picture name ...]]
"""

import math
import os
import sys

from imagefiles import write_bmp24, write_jpeg
from motifs import (GOLD, GOLD_DARK, INK, PARCHMENT, RED, castle, compass_rose, crescent, d20, draw_text,
                    full_moon, glow, parchment, pine, shield, shield_points, sky, stars, text_width)
from raster import Canvas, bezier, ellipse_points, mix, regular_polygon, scale, star_points
from datafolder import data_folder


def border(cv, inset, colour, width=1.0):
    w, h = cv.width, cv.height
    for k, d in enumerate((inset, inset + 3)):
        cv.polyline([(d, d), (w - d, d), (w - d, h - d), (d, h - d)], width if k == 0 else width * 0.6,
                    colour, 0.85, closed=True)
    for x, y in ((inset + 1.5, inset + 1.5), (w - inset - 1.5, inset + 1.5), (inset + 1.5, h - inset - 1.5),
                 (w - inset - 1.5, h - inset - 1.5)):
        cv.fill([(x, y - 4), (x + 4, y), (x, y + 4), (x - 4, y)], colour)


def drop_shadow(cv, cx, cy, rx, ry, alpha=0.35):
    cv.ellipse(cx, cy, rx, ry, lambda x, y: (40, 25, 10, max(0.0, 1 - math.hypot((x - cx) / rx, (y - cy) / ry))),
               alpha)


def main_picture():
    """Parchment with a red d20 and an ink sketch of a castle, hills, pines and a compass rose."""
    w, h = 320, 200
    cv = Canvas(w, h, PARCHMENT)
    cv.shade(parchment(w, h, seed=11))
    border(cv, 7, INK, 1.3)

    ink = INK
    hill = bezier((150, 150), (190, 110), (245, 112), (300, 142), 30)
    cv.polyline(hill, 1.3, ink, 0.9)
    far = bezier((160, 122), (200, 96), (250, 92), (296, 112), 30)
    cv.polyline(far, 0.9, ink, 0.55)
    castle(cv, 228, 116, 40, scale(ink, 1.05), windows=(236, 206, 140), flag=RED)
    for x, base, size in ((170, 140, 16), (182, 136, 13), (284, 138, 14), (293, 141, 11)):
        pine(cv, x, base, size, ink)
    path = bezier((228, 118), (210, 140), (250, 150), (205, 176), 22)
    for k, p in enumerate(path[2:]):
        if k % 2 == 0:
            cv.circle(p[0], p[1], 0.9, ink, 0.7)
    crescent(cv, 279, 40, 11, ink, phase=0.5, tilt=-0.3)
    compass_rose(cv, 282, 168, 15)

    drop_shadow(cv, 100, 166, 58, 10)
    d20(cv, 98, 96, 64, body=RED, edge=GOLD)
    return cv.pixels()


def classes_picture():
    """A heraldic shield over a crossed sword and wizard's staff, on parchment."""
    w, h = 200, 240
    cv = Canvas(w, h, PARCHMENT)
    cv.shade(parchment(w, h, seed=23))
    border(cv, 7, INK, 1.3)
    cx = w / 2

    # The staff, from lower left to upper right, with a glowing orb.
    cv.line((38, 214), (160, 42), 6, (104, 66, 36))
    cv.line((38, 214), (160, 42), 2, (146, 100, 58))
    cv.circle(166, 33, 26, glow(166, 33, 26, (150, 200, 255), 0.9))
    cv.circle(166, 33, 9, (170, 214, 255))
    cv.circle(163, 30, 3.5, (240, 250, 255))
    # The sword, from lower right to upper left.
    blade = [(44, 40), (52, 34), (150, 175), (143, 181)]
    cv.fill([(36, 30), (52, 34), (44, 40)], (222, 226, 232))
    cv.fill(blade, (200, 206, 214))
    cv.polyline([(46, 36), (147, 178)], 1.2, (245, 247, 250), 0.9)
    cv.line((136, 190), (162, 168), 6, GOLD_DARK)
    cv.line((136, 190), (162, 168), 2.5, GOLD)
    cv.line((149, 179), (166, 200), 4.5, (94, 54, 30))
    cv.circle(168, 203, 5, GOLD)

    # The shield: blue and red halves, a gold chevron and three stars.
    top, sw, sh = 50, 112, 140
    drop_shadow(cv, cx + 4, top + sh + 4, 40, 8, 0.3)
    inner = shield(cv, cx, top, sw, sh, (36, 62, 132), rim=GOLD, field2=RED)
    cv.set_clip(inner)
    chevron = [(cx - 62, top + 116), (cx, top + 56), (cx + 62, top + 116), (cx + 62, top + 134),
               (cx, top + 74), (cx - 62, top + 134)]
    cv.fill(chevron, GOLD)
    cv.polyline(chevron, 1.0, GOLD_DARK, 0.9, closed=True)
    for sx, sy in ((cx - 26, top + 32), (cx + 26, top + 32), (cx, top + 112)):
        cv.fill(star_points(sx, sy, 10, 4.2, 5), (250, 236, 190))
    cv.set_clip()
    cv.polyline(inner, 1.0, GOLD_DARK, 0.8, closed=True)
    cv.polyline(shield_points(cx, top, sw, sh), 1.2, GOLD_DARK, 1.0, closed=True)
    return cv.pixels()


def calendar_picture():
    """Night sky with a full moon and a crescent over a calendar page with a marked day."""
    w, h = 160, 300
    cv = Canvas(w, h, (0, 0, 0))
    cv.shade(sky((10, 14, 40), (70, 52, 104), h * 0.72))
    stars(cv, 5, 70, (0, 0, w, h * 0.55))
    full_moon(cv, 96, 62, 30)
    cv.circle(34, 118, 14, glow(34, 118, 14, (240, 230, 200), 0.3))
    crescent(cv, 34, 118, 10, (244, 236, 206), phase=0.55, tilt=-0.6)

    # Hills at the foot of the sky.
    hills = [(0, 200)] + bezier((0, 200), (50, 170), (110, 182), (160, 166), 24) + [(160, h), (0, h)]
    cv.fill(hills, (28, 30, 58))

    # The calendar page, slightly turned.
    page_x, page_y, pw, ph = 24, 168, 112, 112
    angle = math.radians(-4)

    def turn(p):
        x, y = p[0] - (page_x + pw / 2), p[1] - (page_y + ph / 2)
        return (page_x + pw / 2 + x * math.cos(angle) - y * math.sin(angle),
                page_y + ph / 2 + x * math.sin(angle) + y * math.cos(angle))

    def quad(x0, y0, x1, y1):
        return [turn(p) for p in ((x0, y0), (x1, y0), (x1, y1), (x0, y1))]

    cv.fill([(p[0] + 4, p[1] + 5) for p in quad(page_x, page_y, page_x + pw, page_y + ph)], (0, 0, 0), 0.4)
    paper = parchment(pw, ph, seed=31, rim_width=0.1, rim_strength=0.5)
    cv.fill(quad(page_x, page_y, page_x + pw, page_y + ph), lambda x, y: paper(x - page_x, y - page_y))
    cv.fill(quad(page_x, page_y, page_x + pw, page_y + 22), RED)
    for k in range(4):
        rx = page_x + 18 + k * 25
        cv.fill(quad(rx - 2.5, page_y - 7, rx + 2.5, page_y + 6), (190, 190, 198))
        cv.fill(quad(rx - 1, page_y - 7, rx + 1, page_y + 6), (236, 236, 242))
    cell = pw / 7.0
    for row in range(5):
        for col in range(7):
            x0 = page_x + col * cell + 2
            y0 = page_y + 27 + row * 16.5
            cv.fill(quad(x0, y0, x0 + cell - 4, y0 + 12.5), scale(PARCHMENT, 0.86 if col < 6 else 0.8))
    mx, my = page_x + 4 * cell + 2 + (cell - 4) / 2, page_y + 27 + 2 * 16.5 + 6.25
    ring = [turn(p) for p in ellipse_points(mx, my, cell * 0.62, 9.5)[:-1]]
    cv.polyline(ring, 1.6, RED, 0.9, closed=True)
    # A small moon face in the red header.
    cx, cy = turn((page_x + pw / 2, page_y + 11))
    crescent(cv, cx, cy, 7, (250, 236, 190), phase=0.5, tilt=-0.4)
    return cv.pixels()


def about_picture():
    """A castle on a hill at dusk under a crescent moon, with the program's name."""
    w, h = 320, 200
    cv = Canvas(w, h, (0, 0, 0))
    cv.shade(sky((16, 22, 64), (236, 150, 84), h * 0.8))
    stars(cv, 9, 60, (0, 0, w, h * 0.45))
    cv.circle(262, 44, 30, glow(262, 44, 30, (255, 240, 200), 0.35))
    crescent(cv, 262, 44, 17, (255, 244, 210), phase=0.5, tilt=-0.5)

    far = [(0, 160)] + bezier((0, 160), (80, 128), (200, 150), (320, 132), 30) + [(320, h), (0, h)]
    cv.fill(far, (98, 62, 92))
    castle(cv, 214, 134, 58, (40, 26, 52), windows=(255, 206, 110), flag=(200, 40, 40))
    near = [(0, 176)] + bezier((0, 176), (110, 136), (190, 128), (320, 170), 30) + [(320, h), (0, h)]
    cv.fill(near, (40, 26, 52))
    for x, base, size in ((40, 168, 20), (54, 164, 24), (300, 166, 18), (312, 169, 14)):
        pine(cv, x, base, size, (24, 16, 34))

    title = "VELMORA"
    size = 26
    x = 28
    draw_text(cv, title, x + 1.5, 30 + 1.5, size, (20, 12, 30), 4.2, alpha=0.6)
    draw_text(cv, title, x, 30, size, GOLD_DARK, 4.2)
    draw_text(cv, title, x, 30, size, GOLD, 2.4)
    width = text_width(title, size)
    cv.line((x, 66), (x + width, 66), 1.2, GOLD, 0.8)
    for k, dx in enumerate((-5, width + 5)):
        cv.fill(regular_polygon(x + dx, 66, 3, 4, 0.0), GOLD)
    d20(cv, x + width / 2, 92, 15, body=RED, edge=GOLD, number=False)
    return cv.pixels()


def tip_picture():
    """A lit candle in a brass holder against a dark, warm background."""
    w, h = 96, 160
    cv = Canvas(w, h, (0, 0, 0))
    cx = w / 2
    cv.shade(lambda x, y: mix((58, 36, 22), (14, 9, 8), min(1.0, math.hypot(x - cx, y - 50) / 100)))
    cv.circle(cx, 42, 56, glow(cx, 42, 56, (255, 196, 110), 0.55))

    # Holder: a dish with a handle ring.
    cv.polyline(ellipse_points(cx + 37, 140, 7, 6, -1.6, 1.6), 3, (180, 132, 54))
    cv.ellipse(cx, 145, 38, 8, (96, 64, 26))
    cv.ellipse(cx, 142, 38, 8, (180, 132, 54))
    cv.ellipse(cx, 140.5, 30, 5, (216, 170, 80))

    # Candle body with shading, and drips of wax down its side.
    x0, x1, top, bottom = cx - 12, cx + 12, 66, 139
    body = lambda x, y: mix((252, 244, 222), (196, 178, 144), abs((x - cx) / 12) ** 1.6)
    cv.fill([(x0, top)] + ellipse_points(cx, top, 12, 3.2, math.pi, 0, 20) + [(x1, bottom)] +
            ellipse_points(cx, bottom, 12, 3.2, 0, math.pi, 20)[1:], body)
    for dx, length in ((-8, 11), (5, 19), (9.5, 7)):
        drip = [(cx + dx - 2, top)] + ellipse_points(cx + dx, top + length, 2, 2, math.pi, 0, 10)[::-1] + \
            [(cx + dx + 2, top)]
        cv.polyline(drip[1:-1], 0.9, (196, 178, 140), 0.9)
        cv.fill(drip, body)
    cv.ellipse(cx, top, 12, 3.2, (255, 250, 236))
    cv.line((cx, top - 1), (cx + 0.5, top - 6), 1.4, (40, 28, 20))

    # Flame: outer orange, inner yellow, blue at the root.
    def flame(height, width, base):
        right = bezier((cx, base - height), (cx + width * 0.3, base - height * 0.55), (cx + width, base - height * 0.2),
                       (cx, base), 20)
        left = bezier((cx, base), (cx - width, base - height * 0.2), (cx - width * 0.3, base - height * 0.55),
                      (cx, base - height), 20)
        return right + left[1:-1]

    cv.fill(flame(30, 9, top - 3), (255, 150, 40), 0.95)
    cv.fill(flame(22, 6, top - 4), (255, 214, 90))
    cv.fill(flame(12, 3.5, top - 5), (255, 250, 210))
    cv.ellipse(cx, top - 5, 2.4, 3, (90, 120, 230), 0.7)
    return cv.pixels()


PICTURES = (
    ("Main.bmp", main_picture, write_bmp24),
    ("Classes.bmp", classes_picture, write_bmp24),
    ("Calendar.bmp", calendar_picture, write_bmp24),
    ("About.bmp", about_picture, write_bmp24),
    ("Tip Of The Day.jpg", tip_picture, lambda path, rows: write_jpeg(path, rows, quality=90)),
)


def main():
    folder = data_folder("Pictures")
    only = set(sys.argv[2:])
    for name, draw, write in PICTURES:
        if only and name not in only:
            continue
        path = os.path.join(folder, name)
        write(path, draw())
        print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
