"""The family tree behind the hotspots: on the main menu its boughs lead to the choices, elsewhere a faint watermark."""

import math
import random

from PIL import Image, ImageDraw

import theme as t

BARK = t.SEPIA_INK
BARK_LIGHT = (140, 100, 60)


def _point(p0, p1, p2, s):
    return ((1 - s) ** 2 * p0[0] + 2 * (1 - s) * s * p1[0] + s * s * p2[0],
            (1 - s) ** 2 * p0[1] + 2 * (1 - s) * s * p1[1] + s * s * p2[1])


def _branch(d, p0, p1, p2, w0, w1, colour, light=None):
    """A quadratic curve drawn as overlapping discs whose radius tapers from w0 to w1; with
    `light`, a thinner lighter stroke along its upper-left side models it as round wood."""
    steps = int((abs(p2[0] - p0[0]) + abs(p2[1] - p0[1])) / max(1.0, w1 / 2)) + 2
    for layer, offset, scale in ((colour, 0, 1.0), (light, -0.35, 0.35)):
        if layer is None:
            continue
        for i in range(steps + 1):
            s = i / steps
            x, y = _point(p0, p1, p2, s)
            r = (w0 + (w1 - w0) * s)
            x, y = x + offset * r, y + offset * r
            r *= scale
            d.ellipse((x - r, y - r, x + r, y + r), fill=layer)


def _leaves(d, rng, centre, spread, count, scale, alpha):
    cx, cy = centre
    for _ in range(count):
        a = rng.random() * 2 * math.pi
        dist = spread * math.sqrt(rng.random())
        x, y = cx + dist * math.cos(a), cy + dist * math.sin(a) * 0.7
        r = (4 + rng.random() * 3) * scale
        colour = t.mix(t.LEAF, t.LEAF_DARK, rng.random()) + (alpha,)
        d.polygon(_leaf_outline(x, y, r, rng.random() * math.pi), fill=colour)


def _leaf_outline(x, y, r, tilt):
    """A pointed oval leaf of half-length r, turned by `tilt`."""
    c, s = math.cos(tilt), math.sin(tilt)
    points = []
    for side in (1, -1):
        for i in range(9):
            u = i / 8 if side == 1 else 1 - i / 8
            along, across = (2 * u - 1) * r, side * 0.42 * r * math.sin(math.pi * u)
            points.append((x + along * c - across * s, y + along * s + across * c))
    return points


def _canopy(d, rng, centre, radii, scale, alpha):
    """The crown: overlapping clumps of foliage, shaded darker below and lighter above."""
    cx, cy = centre
    rx, ry = radii
    clumps = []
    for _ in range(130):
        a = rng.random() * 2 * math.pi
        dist = math.sqrt(rng.random())
        clumps.append((cx + rx * dist * math.cos(a), cy + ry * dist * math.sin(a), (8 + rng.random() * 9) * scale))
    clumps.sort(key=lambda c: c[1])
    for shade, dx, dy, k in ((t.mix(t.LEAF_DARK, t.SEPIA_INK, 0.3), 0, 2, 1.0), (t.LEAF_DARK, -1, -1, 0.85),
                             (t.LEAF, -3, -3, 0.55), (t.mix(t.LEAF, t.PARCHMENT_LIGHT, 0.2), -4, -5, 0.25)):
        for x, y, r in clumps:
            rr = r * k
            x, y = x + dx * scale, y + dy * scale
            d.ellipse((x - rr, y - rr, x + rr, y + rr), fill=shade + (alpha,))


def _trunk(d, scale, alpha):
    ink = BARK + (alpha,)
    light = BARK_LIGHT + (alpha,)
    cx = 310 * scale
    _branch(d, (cx, 470 * scale), (cx + 4 * scale, 360 * scale), (cx, 250 * scale), 24 * scale, 11 * scale, ink, light)
    for dx in (-1, 1):
        # roots flaring into the ground
        _branch(d, (cx, 440 * scale), (cx + dx * 20 * scale, 452 * scale), (cx + dx * 60 * scale, 458 * scale),
                10 * scale, 3 * scale, ink)


def _main_tree(d, scale, rng, hotspots):
    ink = BARK + (255,)
    light = BARK_LIGHT + (255,)
    cx = 310 * scale
    fork, low = (cx, 250 * scale), (cx, 395 * scale)
    _canopy(d, rng, (cx, 196 * scale), (165 * scale, 36 * scale), scale, 200)
    for x in range(150, 480, 30):
        _leaves(d, rng, (x * scale, 196 * scale), 50 * scale, 6, scale, 220)
    for h in hotspots:
        tx, ty = (h.left + h.frame_w / 2) * scale, (h.top + h.frame_h / 2) * scale
        start = fork if ty < 330 * scale else low
        bend = ((start[0] + tx) / 2, min(start[1], ty) - 34 * scale)
        _branch(d, start, bend, (tx, ty), 7 * scale, 3 * scale, ink, light)
        for s in (0.45, 0.7, 0.9):
            _leaves(d, rng, _point(start, bend, (tx, ty), s), 12 * scale, 5, scale, 255)
    _trunk(d, scale, 255)


def _watermark_tree(d, scale, rng):
    alpha = 46
    ink = BARK + (alpha,)
    cx = 310 * scale
    _trunk(d, scale, alpha)
    for tx, ty in ((170, 150), (450, 150), (210, 110), (410, 110), (310, 100), (130, 230), (490, 230)):
        _branch(d, (cx, 260 * scale), ((cx + tx * scale) / 2, 200 * scale), (tx * scale, ty * scale),
                8 * scale, 2 * scale, ink)
    for x, y, n in ((160, 150, 30), (460, 150, 30), (230, 115, 30), (390, 115, 30), (310, 105, 30),
                    (120, 230, 22), (500, 230, 22)):
        _leaves(d, rng, (x * scale, y * scale), 42 * scale, n, scale, alpha + 10)


def layer(screen, size, seed):
    """An RGBA layer at `size` (a multiple of the screen size) holding the tree."""
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    scale = size[0] / 632
    rng = random.Random(seed)
    if screen.key == "main":
        _main_tree(d, scale, rng, screen.hotspots)
    else:
        _watermark_tree(d, scale, rng)
    return img
