"""The family tree drawn behind the hotspots: on the main menu it links the choices, elsewhere a faint watermark."""

from PIL import Image, ImageDraw

import theme as t


def _centre(h, scale):
    return ((h.left + h.frame_w / 2) * scale, (h.top + h.frame_h / 2) * scale)


def _branch(d, p0, p1, p2, w0, w1, colour, steps=40):
    """A quadratic curve drawn as overlapping discs whose radius tapers from w0 to w1."""
    for i in range(steps + 1):
        s = i / steps
        x = (1 - s) ** 2 * p0[0] + 2 * (1 - s) * s * p1[0] + s * s * p2[0]
        y = (1 - s) ** 2 * p0[1] + 2 * (1 - s) * s * p1[1] + s * s * p2[1]
        r = w0 + (w1 - w0) * s
        d.ellipse((x - r, y - r, x + r, y + r), fill=colour)


def layer(screen, size):
    """An RGBA layer at `size` (a multiple of the screen size) holding the tree."""
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    scale = size[0] / 632
    alpha = 255 if screen.key == "main" else 70
    ink = t.SEPIA_INK + (alpha,)
    cx = 310 * scale
    base = (cx, 460 * scale)
    fork = (cx, 250 * scale)
    _branch(d, base, (cx, 360 * scale), fork, 22 * scale, 10 * scale, ink)
    if screen.key == "main":
        for h in screen.hotspots:
            tx, ty = _centre(h, scale)
            start = fork if ty < 330 * scale else (cx, 400 * scale)
            bend = ((start[0] + tx) / 2, min(start[1], ty) - 30 * scale)
            _branch(d, start, bend, (tx, ty), 7 * scale, 3 * scale, ink)
    return img
