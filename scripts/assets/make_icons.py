#!/usr/bin/env python3
"""Draws the icons of data/Icons: the program icon (Velmora.png, 64 x 64, and Velmora.ico with
16, 24, 32, 48 and 64 pixel images) and the weather icons shown beside the day's weather
(Sun, Earth, Cold, Fire, Cloud, Rain, Storm and Pour, 16 and 32 pixels each).

Every size is drawn on its own, with strokes thick enough to stay clear at 16 pixels.
Python 3 standard library only.

    python3 scripts/assets/make_icons.py [data folder]
"""

import math
import os
import sys

from imagefiles import write_ico, write_png
from motifs import GOLD, GOLD_DARK, RED, d20_faces, shield, shield_points
from raster import Canvas, bezier, ellipse_points, regular_polygon, scale
from datafolder import data_folder

BONE = (246, 238, 218)
FIELD = (34, 60, 134)


def program_icon(size):
    """A bone-white d20 on a blue shield with a gold rim."""
    cv = Canvas(size, size, None, supersample=4)
    s = size / 64.0
    if size < 32:
        # Small sizes: the shield fills whole pixels, so its edges stay crisp.
        shield(cv, size / 2, 0, size - 2, size - 0.5, FIELD, rim=GOLD, rim_width=1.3 * size / 16)
    else:
        cv.polyline(shield_points(32 * s, 2.5 * s, 54 * s, 59 * s), 1.6 * s, GOLD_DARK, closed=True)
        shield(cv, 32 * s, 2.5 * s, 54 * s, 59 * s, FIELD, rim=GOLD, rim_width=4.2 * s)
    if size < 32:
        # Too small for facets: a white hexagon with the middle face outlined.
        cx, cy, radius = size / 2, size * 0.44, size * 0.306
        cv.fill(regular_polygon(cx, cy, radius, 6), BONE)
        cv.polyline(regular_polygon(cx, cy, radius * 0.52, 3), size / 16, RED, closed=True)
        return cv.pixels()
    cx, cy, radius = 32 * s, 27.5 * s, 18.5 * s
    light = (-0.55, -0.83)
    for pts, direction, tilt in d20_faces(cx, cy, radius):
        facing = direction[0] * light[0] + direction[1] * light[1]
        cv.fill(pts, scale(BONE, 1.0 + 0.22 * tilt * facing - 0.1 * tilt))
    edge = max(0.9, 1.5 * s)
    for pts, _, _ in d20_faces(cx, cy, radius):
        cv.polyline(pts, edge, RED, closed=True)
    return cv.pixels()


# --- weather ------------------------------------------------------------------------------

SUN = (255, 196, 40)
SUN_EDGE = (226, 120, 20)
CLOUD = (236, 240, 246)
CLOUD_EDGE = (120, 134, 156)
STORM_CLOUD = (112, 120, 140)
STORM_EDGE = (60, 64, 84)
WATER = (52, 120, 228)


def sun(cv, cx, cy, radius, s):
    for k in range(8):
        a = k * math.pi / 4
        cv.line((cx + math.cos(a) * radius * 1.35, cy + math.sin(a) * radius * 1.35),
                (cx + math.cos(a) * radius * 1.85, cy + math.sin(a) * radius * 1.85), max(1.2, 2.2 * s), SUN_EDGE)
    cv.circle(cx, cy, radius + max(0.8, 1.2 * s), SUN_EDGE)
    cv.circle(cx, cy, radius, SUN)


def cloud_shape(cx, cy, w):
    """Three puffs on a flat, rounded base, `w` wide, centred on (cx, cy)."""
    circles = [(cx - w * 0.26, cy + w * 0.04, w * 0.22), (cx + w * 0.02, cy - w * 0.1, w * 0.3),
               (cx + w * 0.28, cy + w * 0.06, w * 0.2), (cx - w * 0.36, cy + w * 0.16, w * 0.1),
               (cx + w * 0.36, cy + w * 0.16, w * 0.1)]
    shapes = [ellipse_points(x, y, r, r)[:-1] for x, y, r in circles]
    shapes.append([(cx - w * 0.36, cy + w * 0.06), (cx + w * 0.36, cy + w * 0.06), (cx + w * 0.36, cy + w * 0.26),
                   (cx - w * 0.36, cy + w * 0.26)])
    return [_ccw(p) for p in shapes]


def _ccw(points):
    area = sum(points[i][0] * points[(i + 1) % len(points)][1] - points[(i + 1) % len(points)][0] * points[i][1]
               for i in range(len(points)))
    return points if area >= 0 else points[::-1]


def cloud(cv, cx, cy, w, s, body=CLOUD, edge=CLOUD_EDGE):
    outline = max(0.9, 1.3 * s)
    grown = cloud_shape(cx, cy, w + outline * 2.2)
    cv.fill(grown, edge)
    cv.fill(cloud_shape(cx, cy, w), body)


def icon_sun(cv, n):
    s = n / 32
    sun(cv, 16 * s, 16 * s, 7 * s, s)


def icon_earth(cv, n):
    """Fair weather: the sun half behind a small cloud."""
    s = n / 32
    sun(cv, 12 * s, 12 * s, 6 * s, s)
    cloud(cv, 19 * s, 20 * s, 20 * s, s)


def icon_cold(cv, n):
    """A snowflake."""
    s = n / 32
    cx = cy = 16 * s
    width = max(1.4, 2.4 * s)
    colour = (70, 150, 230)
    for k in range(3):
        a = k * math.pi / 3 + math.pi / 2
        dx, dy = math.cos(a) * 13 * s, math.sin(a) * 13 * s
        cv.line((cx - dx, cy - dy), (cx + dx, cy + dy), width, colour)
        if n >= 24:
            for sign in (1, -1):
                bx, by = cx + sign * dx * 0.62, cy + sign * dy * 0.62
                for turn in (0.7, -0.7):
                    b = a + (math.pi if sign < 0 else 0.0) + turn
                    cv.line((bx, by), (bx + math.cos(b) * 5 * s, by + math.sin(b) * 5 * s), width * 0.8, colour)
    cv.circle(cx, cy, max(1.2, 2.4 * s), (220, 240, 255))


def icon_fire(cv, n):
    """A flame: heat wave."""
    s = n / 32
    cx, base = 16 * s, 29 * s

    def flame(height, width, bottom):
        right = bezier((cx, bottom - height), (cx + width * 0.35, bottom - height * 0.55),
                       (cx + width, bottom - height * 0.25), (cx, bottom), 16)
        left = bezier((cx, bottom), (cx - width, bottom - height * 0.25), (cx - width * 0.35, bottom - height * 0.55),
                      (cx, bottom - height), 16)
        return right + left[1:-1]

    cv.fill(flame(27 * s, 13 * s, base), (214, 60, 20))
    cv.fill(flame(19 * s, 8.5 * s, base - 1 * s), (255, 150, 30))
    cv.fill(flame(10 * s, 4.5 * s, base - 2 * s), (255, 232, 120))


def icon_cloud(cv, n):
    """Wind: a cloud with gusts beneath it."""
    s = n / 32
    cloud(cv, 17 * s, 12 * s, 24 * s, s)
    width = max(1.1, 1.9 * s)
    for y, x0, x1 in ((21.5, 3, 22), (26.5, 8, 28)):
        pts = [(x0 * s, y * s), (x1 * s, y * s)] + ellipse_points(x1 * s, (y - 2.2) * s, 2.2 * s, 2.2 * s,
                                                                   math.pi / 2, -math.pi, 12)[1:]
        cv.polyline(pts, width, (84, 120, 170))


def icon_rain(cv, n):
    s = n / 32
    cloud(cv, 16 * s, 11 * s, 26 * s, s)
    for x, y in ((9, 22), (16, 25), (23, 22)):
        cv.fill(_drop(x * s, y * s, 2.4 * s), WATER)


def _drop(x, y, r):
    tip = (x, y - r * 2.4)
    arc = ellipse_points(x, y, r, r, -0.25, math.pi + 0.25, 16)
    return [tip] + arc


def icon_storm(cv, n):
    """Thunderstorm, duststorm: a dark cloud with a bolt of lightning."""
    s = n / 32
    cloud(cv, 16 * s, 11 * s, 27 * s, s, STORM_CLOUD, STORM_EDGE)
    bolt = [(17, 15), (10, 24), (15, 24), (12, 31), (22, 20), (17, 20), (20, 15)]
    cv.fill([(x * s + 0.6 * s, y * s + 0.6 * s) for x, y in bolt], (150, 100, 0))
    cv.fill([(x * s, y * s) for x, y in bolt], (255, 214, 40))


def icon_pour(cv, n):
    """A downpour: a dark cloud with heavy slanting rain."""
    s = n / 32
    cloud(cv, 16 * s, 10 * s, 27 * s, s, STORM_CLOUD, STORM_EDGE)
    width = max(1.1, 1.8 * s)
    for x in (8, 13, 18, 23):
        cv.line((x * s, 19 * s), ((x - 3) * s, 29 * s), width, WATER)


WEATHER = {
    "Sun.ICO": icon_sun,
    "Earth.ICO": icon_earth,
    "Cold.ICO": icon_cold,
    "Fire.ICO": icon_fire,
    "Cloud.ICO": icon_cloud,
    "Rain.ICO": icon_rain,
    "Storm.ICO": icon_storm,
    "Pour.ICO": icon_pour,
}


def weather_image(draw, n):
    cv = Canvas(n, n, None, supersample=4)
    draw(cv, n)
    return cv.pixels()


def main():
    folder = data_folder("Icons")
    outputs = []
    path = os.path.join(folder, "Velmora.png")
    write_png(path, program_icon(64))
    outputs.append(path)
    path = os.path.join(folder, "Velmora.ico")
    write_ico(path, [program_icon(n) for n in (16, 24, 32, 48, 64)])
    outputs.append(path)
    for name, draw in WEATHER.items():
        path = os.path.join(folder, name)
        write_ico(path, [weather_image(draw, n) for n in (16, 32)])
        outputs.append(path)
    for path in outputs:
        print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
