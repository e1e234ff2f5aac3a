"""A small anti-aliased rasteriser for the shipped pictures and icons (Python 3 stdlib only).

Shapes are filled on a supersampled grid of premultiplied RGBA floats and box-filtered down
when the picture is taken out, which is plenty for drawings of a few hundred pixels.
Coordinates are in output pixels, y pointing down; colours are (r, g, b) in 0..255.
"""

import math
import random


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c0, c1, t):
    """Colour between c0 (t = 0) and c1 (t = 1)."""
    t = max(0.0, min(1.0, t))
    return (lerp(c0[0], c1[0], t), lerp(c0[1], c1[1], t), lerp(c0[2], c1[2], t))


def scale(c, k):
    return (min(255.0, c[0] * k), min(255.0, c[1] * k), min(255.0, c[2] * k))


def smoothstep(e0, e1, x):
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3.0 - 2.0 * t)


def bezier(p0, p1, p2, p3=None, steps=24):
    """Points of a quadratic (three points) or cubic (four points) Bezier curve, ends included."""
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1.0 - t
        if p3 is None:
            x = u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0]
            y = u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]
        else:
            x = u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0]
            y = u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]
        pts.append((x, y))
    return pts


def ellipse_points(cx, cy, rx, ry, start=0.0, end=2 * math.pi, steps=None):
    if steps is None:
        steps = max(24, int(abs(end - start) * max(rx, ry) * 1.5))
    return [(cx + rx * math.cos(start + (end - start) * i / steps),
             cy + ry * math.sin(start + (end - start) * i / steps)) for i in range(steps + 1)]


def regular_polygon(cx, cy, radius, sides, rotation=-math.pi / 2):
    return [(cx + radius * math.cos(rotation + 2 * math.pi * i / sides),
             cy + radius * math.sin(rotation + 2 * math.pi * i / sides)) for i in range(sides)]


def star_points(cx, cy, outer, inner, spikes, rotation=-math.pi / 2):
    pts = []
    for i in range(spikes * 2):
        r = outer if i % 2 == 0 else inner
        a = rotation + math.pi * i / spikes
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


class ValueNoise:
    """Smooth 2-D value noise from a fixed seed, for parchment and stone textures."""

    def __init__(self, seed, cell):
        self.rng = random.Random(seed)
        self.cell = cell
        self.table = [self.rng.random() for _ in range(256)]
        self.perm = list(range(256))
        self.rng.shuffle(self.perm)

    def _at(self, ix, iy):
        return self.table[self.perm[(self.perm[ix & 255] + iy) & 255]]

    def __call__(self, x, y):
        x /= self.cell
        y /= self.cell
        ix, iy = math.floor(x), math.floor(y)
        fx, fy = x - ix, y - iy
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        top = lerp(self._at(ix, iy), self._at(ix + 1, iy), fx)
        bottom = lerp(self._at(ix, iy + 1), self._at(ix + 1, iy + 1), fx)
        return lerp(top, bottom, fy)


def fractal_noise(noises, x, y):
    """Sum of several ValueNoise octaves with halving weights, in 0..1."""
    total, weight, norm = 0.0, 1.0, 0.0
    for n in noises:
        total += n(x, y) * weight
        norm += weight
        weight *= 0.5
    return total / norm


class Canvas:
    def __init__(self, width, height, background=None, supersample=3):
        self.width, self.height, self.ss = width, height, supersample
        self.sw, self.sh = width * supersample, height * supersample
        self.clip = None
        n = self.sw * self.sh
        if background is None:
            self.r, self.g, self.b, self.a = [0.0] * n, [0.0] * n, [0.0] * n, [0.0] * n
        else:
            self.r = [float(background[0])] * n
            self.g = [float(background[1])] * n
            self.b = [float(background[2])] * n
            self.a = [1.0] * n

    # --- filling -------------------------------------------------------------------------

    def fill(self, contours, paint, alpha=1.0, evenodd=False):
        """Fills one or more closed contours. `paint` is a colour or a function (x, y) returning
        (r, g, b) or (r, g, b, a); `alpha` scales the coverage."""
        for sy, xa, xb in self._spans(contours, evenodd):
            if self.clip is None:
                self._span(sy, xa, xb, paint, alpha)
                continue
            base, i = sy * self.sw, xa
            while i < xb:
                j = self.clip.find(1, base + i, base + xb)
                if j < 0:
                    break
                k = self.clip.find(0, j, base + xb)
                k = base + xb if k < 0 else k
                self._span(sy, j - base, k - base, paint, alpha)
                i = k - base

    def set_clip(self, contours=None, evenodd=False):
        """Limits later drawing to the inside of `contours`; no contours lifts the limit."""
        self.clip = None
        if contours is None:
            return
        mask = bytearray(self.sw * self.sh)
        for sy, xa, xb in self._spans(contours, evenodd):
            mask[sy * self.sw + xa:sy * self.sw + xb] = b"\x01" * (xb - xa)
        self.clip = mask

    def _spans(self, contours, evenodd):
        """The covered runs (row, first, end) of the supersampled grid, row by row."""
        if contours and not isinstance(contours[0][0], (tuple, list)):
            contours = [contours]
        ss = self.ss
        edges = []
        for pts in contours:
            count = len(pts)
            for i in range(count):
                x0, y0 = pts[i][0] * ss, pts[i][1] * ss
                x1, y1 = pts[(i + 1) % count][0] * ss, pts[(i + 1) % count][1] * ss
                if y0 == y1:
                    continue
                winding = 1
                if y0 > y1:
                    x0, y0, x1, y1, winding = x1, y1, x0, y0, -1
                edges.append((y0, y1, x0, (x1 - x0) / (y1 - y0), winding))
        if not edges:
            return
        top = max(0, int(math.floor(min(e[0] for e in edges))))
        bottom = min(self.sh - 1, int(math.ceil(max(e[1] for e in edges))))
        for sy in range(top, bottom + 1):
            yc = sy + 0.5
            hits = sorted((e[2] + (yc - e[0]) * e[3], e[4]) for e in edges if e[0] <= yc < e[1])
            inside = 0
            for k in range(len(hits) - 1):
                inside = inside + hits[k][1] if not evenodd else inside ^ 1
                if inside == 0:
                    continue
                xa = max(0, int(math.ceil(hits[k][0] - 0.5)))
                xb = min(self.sw, int(math.ceil(hits[k + 1][0] - 0.5)))
                if xb > xa:
                    yield sy, xa, xb

    def _span(self, sy, xa, xb, paint, alpha):
        base = sy * self.sw
        r, g, b, a = self.r, self.g, self.b, self.a
        if not callable(paint):
            if alpha >= 1.0:
                count = xb - xa
                r[base + xa:base + xb] = [float(paint[0])] * count
                g[base + xa:base + xb] = [float(paint[1])] * count
                b[base + xa:base + xb] = [float(paint[2])] * count
                a[base + xa:base + xb] = [1.0] * count
                return
            cr, cg, cb = paint[0] * alpha, paint[1] * alpha, paint[2] * alpha
            keep = 1.0 - alpha
            for i in range(base + xa, base + xb):
                r[i] = cr + r[i] * keep
                g[i] = cg + g[i] * keep
                b[i] = cb + b[i] * keep
                a[i] = alpha + a[i] * keep
            return
        inv = 1.0 / self.ss
        y = (sy + 0.5) * inv
        for sx in range(xa, xb):
            c = paint((sx + 0.5) * inv, y)
            k = alpha * (c[3] if len(c) > 3 else 1.0)
            if k <= 0.0:
                continue
            i = base + sx
            keep = 1.0 - k
            r[i] = c[0] * k + r[i] * keep
            g[i] = c[1] * k + g[i] * keep
            b[i] = c[2] * k + b[i] * keep
            a[i] = k + a[i] * keep

    def shade(self, paint):
        """Paints every pixel from `paint(x, y)` evaluated once per output pixel: for smooth
        backgrounds, where sampling finer than a pixel buys nothing."""
        ss, sw = self.ss, self.sw
        for y in range(self.height):
            colours = [paint(x + 0.5, y + 0.5) for x in range(self.width)]
            for plane, ch in ((self.r, 0), (self.g, 1), (self.b, 2)):
                line = [c[ch] for c in colours for _ in range(ss)]
                for sub in range(ss):
                    base = (y * ss + sub) * sw
                    plane[base:base + sw] = line
            for sub in range(ss):
                base = (y * ss + sub) * sw
                self.a[base:base + sw] = [1.0] * sw

    def rect(self, x0, y0, x1, y1, paint, alpha=1.0):
        self.fill([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], paint, alpha)

    def ellipse(self, cx, cy, rx, ry, paint, alpha=1.0):
        self.fill(ellipse_points(cx, cy, rx, ry)[:-1], paint, alpha)

    def circle(self, cx, cy, radius, paint, alpha=1.0):
        self.ellipse(cx, cy, radius, radius, paint, alpha)

    # --- strokes -------------------------------------------------------------------------

    def line(self, p0, p1, width, paint, alpha=1.0, caps=True):
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        length = math.hypot(dx, dy)
        half = width / 2.0
        if length > 0:
            nx, ny = -dy / length * half, dx / length * half
            self.fill([(p0[0] + nx, p0[1] + ny), (p1[0] + nx, p1[1] + ny),
                       (p1[0] - nx, p1[1] - ny), (p0[0] - nx, p0[1] - ny)], paint, alpha)
        if caps:
            self.circle(p0[0], p0[1], half, paint, alpha)
            self.circle(p1[0], p1[1], half, paint, alpha)

    def polyline(self, pts, width, paint, alpha=1.0, closed=False):
        """A stroke with round joins, drawn as one shape so that a translucent stroke does not
        darken where its pieces overlap."""
        if closed:
            pts = list(pts) + [pts[0]]
        half = width / 2.0
        contours = []
        for p0, p1 in zip(pts, pts[1:]):
            dx, dy = p1[0] - p0[0], p1[1] - p0[1]
            length = math.hypot(dx, dy)
            if length == 0:
                continue
            nx, ny = -dy / length * half, dx / length * half
            quad = [(p0[0] + nx, p0[1] + ny), (p1[0] + nx, p1[1] + ny),
                    (p1[0] - nx, p1[1] - ny), (p0[0] - nx, p0[1] - ny)]
            contours.append(quad)
        for p in pts:
            contours.append(ellipse_points(p[0], p[1], half, half, steps=max(12, int(half * 8)))[:-1])
        # Every piece is given the same orientation so the non-zero rule unites them.
        contours = [_oriented(c) for c in contours]
        self.fill(contours, paint, alpha)

    # --- output --------------------------------------------------------------------------

    def pixels(self):
        """The picture as rows (top first) of (r, g, b, a) bytes-ready integer tuples."""
        ss, sw = self.ss, self.sw
        norm = 1.0 / (ss * ss)
        rows = []
        for y in range(self.height):
            acc = [[0.0] * self.width for _ in range(4)]
            for sub in range(ss):
                base = (y * ss + sub) * sw
                for ch, plane in enumerate((self.r, self.g, self.b, self.a)):
                    line = plane[base:base + sw]
                    target = acc[ch]
                    for x in range(self.width):
                        target[x] += sum(line[x * ss:(x + 1) * ss])
            row = []
            for x in range(self.width):
                alpha = acc[3][x] * norm
                if alpha <= 1e-6:
                    row.append((0, 0, 0, 0))
                    continue
                row.append(tuple(int(round(max(0.0, min(255.0, acc[ch][x] * norm / alpha))))
                                 for ch in range(3)) + (int(round(min(1.0, alpha) * 255)),))
            rows.append(row)
        return rows


def _oriented(contour):
    area = 0.0
    for i in range(len(contour)):
        x0, y0 = contour[i]
        x1, y1 = contour[(i + 1) % len(contour)]
        area += x0 * y1 - x1 * y0
    return contour if area >= 0 else list(reversed(contour))
