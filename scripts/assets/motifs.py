"""Drawing motifs shared by the pictures and icons: parchment, a twenty-sided die, a heater
shield, a castle, a compass rose, moons, stars and a small stroke lettering."""

import math
import random

from raster import (ValueNoise, bezier, ellipse_points, fractal_noise, mix, regular_polygon,
                    scale, smoothstep, star_points)

INK = (74, 48, 28)
PARCHMENT = (240, 226, 190)
GOLD = (222, 178, 74)
GOLD_DARK = (150, 108, 36)
RED = (150, 28, 30)


def parchment(width, height, seed=7, base=PARCHMENT, edge=(170, 122, 68), rim_width=0.28, rim_strength=0.85):
    """A paint function for aged paper: mottled, darker and browner towards the edges."""
    octaves = [ValueNoise(seed + k, cell) for k, cell in enumerate((48, 22, 9, 4))]
    stains = ValueNoise(seed + 10, 70)

    def paint(x, y):
        n = fractal_noise(octaves, x, y)
        dx = min(x, width - x) / (width * 0.5)
        dy = min(y, height - y) / (height * 0.5)
        rim = 1.0 - smoothstep(0.0, rim_width, min(dx, dy) + 0.12 * (n - 0.5))
        stain = smoothstep(0.62, 0.8, stains(x, y)) * 0.35
        return mix(scale(base, 0.93 + 0.12 * n), edge, rim * rim_strength + stain)

    return paint


def sky(top, bottom, horizon=1.0):
    """A vertical gradient from `top` (y = 0) to `bottom` (y = horizon)."""
    def paint(x, y):
        return mix(top, bottom, (y / horizon) ** 1.3)
    return paint


def stars(cv, seed, count, box, colour=(255, 250, 228), max_radius=1.1):
    rng = random.Random(seed)
    x0, y0, x1, y1 = box
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.uniform(0.35, max_radius)
        cv.circle(x, y, r, colour, rng.uniform(0.5, 1.0))
        if r > max_radius * 0.85:
            cv.fill(star_points(x, y, r * 3.2, r * 0.45, 4, 0.0), colour, 0.5)


def glow(cx, cy, radius, colour, strength=1.0):
    """A radial glow paint: `colour` fading out from the centre."""
    def paint(x, y):
        d = math.hypot(x - cx, y - cy) / radius
        return colour + (max(0.0, 1.0 - d) ** 2 * strength,)
    return paint


def full_moon(cv, cx, cy, radius, seed=3, light=(250, 244, 214), dark=(206, 196, 170)):
    cv.circle(cx, cy, radius * 2.2, glow(cx, cy, radius * 2.2, light, 0.35))
    spots = ValueNoise(seed, radius * 0.45)

    def face(x, y):
        n = spots(x, y)
        t = smoothstep(0.45, 0.75, n) * 0.8
        rim = math.hypot(x - cx, y - cy) / radius
        return mix(mix(light, dark, t), dark, smoothstep(0.75, 1.0, rim) * 0.5)

    cv.circle(cx, cy, radius, face)


def crescent(cv, cx, cy, radius, paint, phase=0.55, tilt=-0.5, alpha=1.0):
    """A crescent: the moon's disc less a slightly smaller disc shifted by `phase` radii in
    the direction `tilt` (radians, y down)."""
    r1, r2, d = radius, radius * 0.92, radius * phase
    x = (d * d + r1 * r1 - r2 * r2) / (2 * d)
    y = math.sqrt(max(0.0, r1 * r1 - x * x))
    t1 = math.atan2(y, x)
    a2 = math.atan2(y, x - d)
    outer = [(r1 * math.cos(t1 + (2 * math.pi - 2 * t1) * i / 48),
              r1 * math.sin(t1 + (2 * math.pi - 2 * t1) * i / 48)) for i in range(49)]
    inner = [(d + r2 * math.cos(-a2 + (2 * a2 - 2 * math.pi) * i / 48 + 2 * math.pi),
              r2 * math.sin(-a2 + (2 * a2 - 2 * math.pi) * i / 48 + 2 * math.pi)) for i in range(1, 48)]
    c, s = math.cos(tilt), math.sin(tilt)
    pts = [(cx + px * c - py * s, cy + px * s + py * c) for px, py in outer + inner]
    cv.fill(pts, paint, alpha)


# --- the twenty-sided die ---------------------------------------------------------------

def d20_faces(cx, cy, radius, inner=0.52):
    """The ten faces seen on a d20 drawn face-on: the middle face, three beside it and six
    running to the outline. Each face is (points, tilt direction, tilt amount)."""
    hexagon = regular_polygon(cx, cy, radius, 6)          # top vertex first, clockwise
    tri = regular_polygon(cx, cy, radius * inner, 3)      # top, lower right, lower left
    t0, t1, t2 = tri[0], tri[2], tri[1]                  # top, lower left, lower right
    h = hexagon
    faces = [[t0, t2, t1],
             [t0, t1, h[5]], [t0, t2, h[1]], [t1, t2, h[3]],
             [t0, h[5], h[0]], [t0, h[0], h[1]], [t1, h[5], h[4]],
             [t1, h[4], h[3]], [t2, h[1], h[2]], [t2, h[2], h[3]]]
    result = []
    for pts in faces:
        mx = sum(p[0] for p in pts) / 3 - cx
        my = sum(p[1] for p in pts) / 3 - cy
        d = math.hypot(mx, my)
        result.append((pts, (mx / d, my / d) if d else (0.0, 0.0), d / radius))
    return result


def d20(cv, cx, cy, radius, body=RED, edge=GOLD, light=(-0.55, -0.83), edge_width=None,
        number=True, number_colour=None):
    if edge_width is None:
        edge_width = max(0.8, radius * 0.035)
    for pts, direction, tilt in d20_faces(cx, cy, radius):
        facing = direction[0] * light[0] + direction[1] * light[1]
        k = 1.0 + 0.55 * tilt * facing - 0.12 * tilt
        shade = scale(body, k) if k <= 1.0 else mix(body, (255, 255, 255), (k - 1.0) * 0.7)
        cv.fill(pts, shade)
    for pts, _, _ in d20_faces(cx, cy, radius):
        cv.polyline(pts, edge_width, edge, 0.9, closed=True)
    if number:
        size = radius * 0.3
        draw_text(cv, "20", cx, cy + radius * 0.06 - size / 2, size, number_colour or edge,
                  max(1.0, radius * 0.055), centred=True)


# --- heraldry -----------------------------------------------------------------------------

def shield_points(cx, top, width, height, steps=20):
    """A heater shield: flat top, straight sides, curving to a point at the bottom."""
    x0, x1 = cx - width / 2, cx + width / 2
    shoulder = top + height * 0.42
    right = bezier((x1, shoulder), (x1, top + height * 0.78), (cx + width * 0.2, top + height * 0.9),
                   (cx, top + height), steps)
    left = bezier((cx, top + height), (cx - width * 0.2, top + height * 0.9), (x0, top + height * 0.78),
                  (x0, shoulder), steps)
    return [(x0, top), (x1, top)] + right + left[1:]


def shield(cv, cx, top, width, height, field, rim=GOLD, rim_width=None, field2=None):
    """A shield with a metal rim; `field2` splits the field in two halves (per pale)."""
    if rim_width is None:
        rim_width = width * 0.07
    cv.fill(shield_points(cx, top, width, height), rim)
    inner = shield_points(cx, top + rim_width, width - 2 * rim_width, height - 2.2 * rim_width)
    cv.fill(inner, field)
    if field2 is not None:
        half = [p for p in inner if p[0] >= cx - 1e-6]
        cv.fill([(cx, top + rim_width)] + half + [(cx, top + height - 1.2 * rim_width)], field2)
    return inner


# --- buildings and landmarks --------------------------------------------------------------

def battlement(x0, x1, y, merlon, height):
    """Rectangles of the merlons along a wall top from x0 to x1."""
    count = max(1, int((x1 - x0) / (merlon * 2)))
    step = (x1 - x0) / (count * 2 - 1)
    return [[(x0 + i * 2 * step, y - height), (x0 + i * 2 * step + step, y - height),
             (x0 + i * 2 * step + step, y + 0.5), (x0 + i * 2 * step, y + 0.5)] for i in range(count)]


def castle(cv, cx, base, size, colour, windows=None, flag=None):
    """A castle silhouette standing on `base`, `size` being roughly its height."""
    s = size
    parts = []

    def box(x0, y0, x1, y1):
        parts.append([(cx + x0 * s, base - y0 * s), (cx + x1 * s, base - y0 * s),
                      (cx + x1 * s, base - y1 * s), (cx + x0 * s, base - y1 * s)])

    box(-0.9, 0, 0.9, 0.42)                  # curtain wall
    box(-0.28, 0, 0.28, 0.8)                 # keep
    box(-1.05, 0, -0.72, 0.68)               # outer towers
    box(0.72, 0, 1.05, 0.68)
    box(-0.52, 0, -0.34, 0.58)               # inner turrets
    box(0.34, 0, 0.52, 0.58)
    for x0, x1, y in ((-0.9, -0.72, 0.42), (-0.34, -0.28, 0.42), (0.28, 0.34, 0.42), (0.72, 0.9, 0.42),
                      (-0.28, 0.28, 0.8)):
        parts += battlement(cx + x0 * s, cx + x1 * s, base - y * s, s * 0.035, s * 0.06)
    for x0, x1, y, peak in ((-1.1, -0.67, 0.68, 1.02), (0.67, 1.1, 0.68, 1.02),
                            (-0.56, -0.3, 0.58, 0.78), (0.3, 0.56, 0.58, 0.78)):
        parts.append([(cx + x0 * s, base - y * s), (cx + x1 * s, base - y * s),
                      (cx + (x0 + x1) / 2 * s, base - peak * s)])
    for pts in parts:
        cv.fill(pts, colour)
    if flag:
        pole_x, pole_y = cx, base - 0.8 * s
        cv.line((pole_x, pole_y), (pole_x, pole_y - 0.28 * s), max(0.6, s * 0.018), colour)
        cv.fill([(pole_x, pole_y - 0.28 * s), (pole_x + 0.2 * s, pole_y - 0.23 * s),
                 (pole_x, pole_y - 0.17 * s)], flag)
    if windows:
        arch = ellipse_points(cx, base - 0.2 * s, 0.11 * s, 0.11 * s, math.pi, 2 * math.pi)
        cv.fill([(cx - 0.11 * s, base)] + arch + [(cx + 0.11 * s, base)], windows, 0.5)
        for wx, wy in ((0, 0.62), (-0.88, 0.5), (0.88, 0.5), (-0.14, 0.62), (0.14, 0.62), (-0.43, 0.45),
                       (0.43, 0.45)):
            if wx in (-0.14, 0.14):
                continue
            cv.rect(cx + (wx - 0.03) * s, base - (wy + 0.06) * s, cx + (wx + 0.03) * s, base - wy * s, windows)


def pine(cv, x, base, height, colour):
    w = height * 0.45
    for k in range(3):
        top = base - height + k * height * 0.22
        cv.fill([(x, top), (x + w * (0.55 + 0.2 * k), top + height * 0.42), (x - w * (0.55 + 0.2 * k),
                                                                            top + height * 0.42)], colour)
    cv.rect(x - height * 0.05, base - height * 0.16, x + height * 0.05, base, colour)


def compass_rose(cv, cx, cy, radius, ink=INK, paper=PARCHMENT):
    cv.polyline(ellipse_points(cx, cy, radius * 0.78, radius * 0.78)[:-1], max(0.7, radius * 0.04), ink,
                closed=True)
    for k in range(8):
        angle = -math.pi / 2 + k * math.pi / 4
        length = radius if k % 2 == 0 else radius * 0.6
        tip = (cx + math.cos(angle) * length, cy + math.sin(angle) * length)
        for side, colour in ((-1, ink), (1, paper)):
            a = angle + side * math.pi / 4
            base = (cx + math.cos(a) * radius * 0.16, cy + math.sin(a) * radius * 0.16)
            cv.fill([(cx, cy), base, tip], colour)
        cv.polyline([(cx, cy), tip], max(0.5, radius * 0.025), ink)
    cv.circle(cx, cy, radius * 0.07, ink)
    draw_text(cv, "N", cx, cy - radius * 1.32, radius * 0.26, ink, max(0.7, radius * 0.045), centred=True)


# --- lettering ----------------------------------------------------------------------------

def _glyph(ch):
    """Strokes of a capital or digit in a box one unit high (y down), and the advance width."""
    if ch == "V":
        return [[(0, 0), (0.35, 1), (0.7, 0)]], 0.7
    if ch == "E":
        return [[(0.55, 0), (0, 0), (0, 1), (0.55, 1)], [(0, 0.5), (0.45, 0.5)]], 0.55
    if ch == "L":
        return [[(0, 0), (0, 1), (0.55, 1)]], 0.55
    if ch == "M":
        return [[(0, 1), (0, 0), (0.41, 0.62), (0.82, 0), (0.82, 1)]], 0.82
    if ch in "O0":
        w = 0.8 if ch == "O" else 0.6
        return [ellipse_points(w / 2, 0.5, w / 2, 0.5, steps=40)], w
    if ch == "R":
        bowl = bezier((0.32, 0), (0.64, 0), (0.64, 0.5), (0.32, 0.5), 16)
        return [[(0, 1), (0, 0)] + bowl + [(0, 0.5)], [(0.3, 0.5), (0.64, 1)]], 0.64
    if ch == "A":
        return [[(0, 1), (0.36, 0), (0.72, 1)], [(0.14, 0.62), (0.58, 0.62)]], 0.72
    if ch == "N":
        return [[(0, 1), (0, 0), (0.6, 1), (0.6, 0)]], 0.6
    if ch == "2":
        top = bezier((0.04, 0.26), (0.04, -0.06), (0.58, -0.08), (0.58, 0.27), 16)
        down = bezier((0.58, 0.27), (0.58, 0.5), (0.18, 0.68), (0.02, 1.0), 16)
        return [top + down[1:] + [(0.62, 1.0)]], 0.62
    raise ValueError(ch)


def text_width(text, size):
    total = 0.0
    for i, ch in enumerate(text):
        total += (_glyph(ch)[1] if ch != " " else 0.4) * size
        if i < len(text) - 1:
            total += 0.24 * size
    return total


def draw_text(cv, text, x, top, size, colour, width, centred=False, alpha=1.0):
    if centred:
        x -= text_width(text, size) / 2
    for ch in text:
        if ch == " ":
            x += 0.64 * size
            continue
        strokes, advance = _glyph(ch)
        for stroke in strokes:
            cv.polyline([(x + px * size, top + py * size) for px, py in stroke], width, colour, alpha)
        x += (advance + 0.24) * size
