"""Small engraved emblems for the hotspots and the screen margins, drawn large and scaled down."""

from PIL import Image, ImageDraw

SUPER = 4


def _tree(d, s, c):
    d.polygon([(0.44 * s, 0.95 * s), (0.47 * s, 0.55 * s), (0.53 * s, 0.55 * s), (0.56 * s, 0.95 * s)], fill=c)
    d.line([(0.5 * s, 0.7 * s), (0.3 * s, 0.5 * s)], fill=c, width=int(0.05 * s))
    d.line([(0.5 * s, 0.65 * s), (0.72 * s, 0.46 * s)], fill=c, width=int(0.05 * s))
    for cx, cy, r in ((0.5, 0.3, 0.22), (0.28, 0.42, 0.17), (0.72, 0.42, 0.17), (0.38, 0.22, 0.14), (0.64, 0.22, 0.14)):
        d.ellipse(((cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s), fill=c)
    d.line([(0.3 * s, 0.96 * s), (0.7 * s, 0.96 * s)], fill=c, width=int(0.04 * s))


def _lens(d, s, c):
    d.ellipse((0.08 * s, 0.08 * s, 0.66 * s, 0.66 * s), outline=c, width=int(0.09 * s))
    d.line([(0.6 * s, 0.6 * s), (0.92 * s, 0.92 * s)], fill=c, width=int(0.15 * s))
    d.arc((0.18 * s, 0.18 * s, 0.56 * s, 0.56 * s), 190, 260, fill=c, width=int(0.04 * s))


def _globe(d, s, c):
    w = max(1, int(0.05 * s))
    d.ellipse((0.06 * s, 0.06 * s, 0.94 * s, 0.94 * s), outline=c, width=int(0.07 * s))
    d.ellipse((0.3 * s, 0.06 * s, 0.7 * s, 0.94 * s), outline=c, width=w)
    d.line([(0.5 * s, 0.06 * s), (0.5 * s, 0.94 * s)], fill=c, width=w)
    d.line([(0.06 * s, 0.5 * s), (0.94 * s, 0.5 * s)], fill=c, width=w)
    d.arc((0.1 * s, -0.2 * s, 0.9 * s, 0.42 * s), 30, 150, fill=c, width=w)
    d.arc((0.1 * s, 0.58 * s, 0.9 * s, 1.2 * s), 210, 330, fill=c, width=w)


def _figure(d, s, c, x, top, scale):
    r = 0.1 * scale
    d.ellipse(((x - r) * s, top * s, (x + r) * s, (top + 2 * r) * s), fill=c)
    body = top + 2 * r + 0.03 * scale
    d.pieslice(((x - 0.2 * scale) * s, body * s, (x + 0.2 * scale) * s, (body + 0.5 * scale) * s), 180, 360, fill=c)
    d.rectangle(((x - 0.2 * scale) * s, (body + 0.25 * scale) * s, (x + 0.2 * scale) * s, (body + 0.5 * scale) * s), fill=c)


def _family(d, s, c):
    _figure(d, s, c, 0.26, 0.14, 1.0)
    _figure(d, s, c, 0.74, 0.14, 1.0)
    _figure(d, s, c, 0.5, 0.42, 0.7)


def _scroll(d, s, c):
    w = max(1, int(0.05 * s))
    d.rectangle((0.18 * s, 0.14 * s, 0.82 * s, 0.86 * s), outline=c, width=w)
    for y in (0.14, 0.86):
        d.ellipse((0.06 * s, (y - 0.08) * s, 0.94 * s, (y + 0.08) * s), outline=c, width=w)
    for y in (0.34, 0.46, 0.58, 0.7):
        d.line([(0.3 * s, y * s), (0.7 * s, y * s)], fill=c, width=w)


def _quill(d, s, c):
    # the vane: a curved feather from the tip at the upper right down to the inkwell
    d.polygon([(0.36 * s, 0.7 * s), (0.4 * s, 0.5 * s), (0.54 * s, 0.3 * s), (0.74 * s, 0.13 * s),
               (0.96 * s, 0.03 * s), (0.88 * s, 0.25 * s), (0.72 * s, 0.46 * s), (0.54 * s, 0.62 * s)], fill=c)
    d.line([(0.3 * s, 0.8 * s), (0.93 * s, 0.07 * s)], fill=0, width=max(1, int(0.025 * s)))
    d.line([(0.26 * s, 0.84 * s), (0.4 * s, 0.66 * s)], fill=c, width=max(1, int(0.04 * s)))
    # the inkwell the nib rests in
    d.rounded_rectangle((0.08 * s, 0.8 * s, 0.44 * s, 0.97 * s), int(0.04 * s), fill=c)
    d.rectangle((0.16 * s, 0.74 * s, 0.36 * s, 0.8 * s), fill=c)


def _frame(d, s, c):
    w = max(1, int(0.06 * s))
    d.rectangle((0.06 * s, 0.06 * s, 0.94 * s, 0.94 * s), outline=c, width=w)
    d.rectangle((0.18 * s, 0.18 * s, 0.82 * s, 0.82 * s), outline=c, width=max(1, w // 2))
    d.ellipse((0.38 * s, 0.28 * s, 0.62 * s, 0.52 * s), fill=c)
    d.pieslice((0.26 * s, 0.54 * s, 0.74 * s, 1.1 * s), 180, 360, fill=c)


def _book(d, s, c):
    w = max(1, int(0.05 * s))
    d.polygon([(0.5 * s, 0.3 * s), (0.06 * s, 0.18 * s), (0.06 * s, 0.8 * s), (0.5 * s, 0.92 * s)], outline=c, width=w)
    d.polygon([(0.5 * s, 0.3 * s), (0.94 * s, 0.18 * s), (0.94 * s, 0.8 * s), (0.5 * s, 0.92 * s)], outline=c, width=w)
    for i in range(3):
        y = 0.42 + 0.13 * i
        d.line([(0.14 * s, (y - 0.05) * s), (0.42 * s, (y + 0.03) * s)], fill=c, width=w)
        d.line([(0.58 * s, (y + 0.03) * s), (0.86 * s, (y - 0.05) * s)], fill=c, width=w)


def _ship(d, s, c):
    w = max(1, int(0.05 * s))
    d.polygon([(0.06 * s, 0.66 * s), (0.94 * s, 0.66 * s), (0.78 * s, 0.86 * s), (0.2 * s, 0.86 * s)], fill=c)
    d.line([(0.5 * s, 0.06 * s), (0.5 * s, 0.66 * s)], fill=c, width=w)
    d.polygon([(0.46 * s, 0.1 * s), (0.46 * s, 0.58 * s), (0.14 * s, 0.58 * s)], fill=c)
    d.polygon([(0.54 * s, 0.16 * s), (0.54 * s, 0.58 * s), (0.84 * s, 0.58 * s)], fill=c)
    d.arc((0.0 * s, 0.86 * s, 0.5 * s, 1.02 * s), 200, 340, fill=c, width=w)
    d.arc((0.5 * s, 0.86 * s, 1.0 * s, 1.02 * s), 200, 340, fill=c, width=w)


_DRAW = {"tree": _tree, "lens": _lens, "globe": _globe, "family": _family,
         "scroll": _scroll, "quill": _quill, "frame": _frame, "book": _book, "ship": _ship}


def render(name, size, colour):
    """The emblem `name` as an RGBA image of size x size pixels in one colour."""
    big = size * SUPER
    img = Image.new("RGBA", (big, big), colour[:3] + (0,))
    layer = Image.new("L", (big, big), 0)
    _DRAW[name](ImageDraw.Draw(layer), big, 255)
    img.putalpha(layer)
    return img.resize((size, size), Image.LANCZOS)
