"""The screens' backgrounds: aged parchment, a ruled border, the engraved caption and a family tree."""

import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import emblems
import theme as t
import tree_motif
from art_tables import BACKDROP_SIZE

SUPER = 2


def parchment(size, seed, k=1):
    """Warm paper with a darker rim, soft mottling and a few fibres; the same seed gives the same
    sheet. `size` is the 1x size; at scale k the mottling and fibres lie where they do at 1x, and
    the grain is drawn afresh at the finer resolution."""
    w, h = size
    full = (w * k, h * k)
    rng = random.Random(seed)
    rim = Image.radial_gradient("L").resize(full, Image.BICUBIC)
    rim = rim.point(lambda v: max(0, min(255, (v - 110) * 2)))
    sheet = Image.composite(Image.new("RGB", full, t.PARCHMENT_EDGE), Image.new("RGB", full, t.PARCHMENT_LIGHT), rim)
    mottle = Image.frombytes("L", (w // 8 + 1, h // 8 + 1), rng.randbytes((w // 8 + 1) * (h // 8 + 1)))
    mottle = mottle.resize(full, Image.BICUBIC).filter(ImageFilter.GaussianBlur(6 * k))
    mottle = mottle.point(lambda v: max(0, v - 128) // 3)
    sheet.paste(Image.new("RGB", full, t.PARCHMENT_EDGE), (0, 0), mottle)
    grain = rng.randbytes(w * h)
    fibres = [(rng.randrange(w), rng.randrange(h), rng.randint(-30, 30), rng.randint(-4, 4), rng.random())
              for _ in range(70)]
    if k > 1:
        grain = rng.randbytes(full[0] * full[1])
    grain = Image.frombytes("L", full, grain).filter(ImageFilter.GaussianBlur(0.6 * k))
    grain = grain.point(lambda v: max(0, v - 120) // 5)
    sheet.paste(Image.new("RGB", full, t.SEPIA_INK), (0, 0), grain)
    d = ImageDraw.Draw(sheet)
    for x, y, dx, dy, shade in fibres:
        d.line((x * k, y * k, (x + dx) * k, (y + dy) * k), fill=t.mix(t.PARCHMENT, t.PARCHMENT_EDGE, shade * 0.5), width=k)
    return sheet


def border(img, visible_height, k=1):
    """A double rule with corner rosettes, kept inside the rows the window shows (1x rows)."""
    d = ImageDraw.Draw(img)
    w, h = img.width // k, visible_height
    d.rectangle(t.box(k, 4, 4, w - 5, h - 5), outline=t.SEPIA_INK, width=2 * k)
    d.rectangle(t.box(k, 9, 9, w - 10, h - 10), outline=t.GOLD_DARK, width=k)
    for cx, cy in ((9, 9), (w - 10, 9), (9, h - 10), (w - 10, h - 10)):
        d.ellipse(t.box(k, cx - 5, cy - 5, cx + 5, cy + 5), fill=t.BURGUNDY, outline=t.GOLD_DARK, width=k)
        d.ellipse(t.box(k, cx - 2, cy - 2, cx + 2, cy + 2), fill=t.GOLD)


def engraved_text(img, centre_x, top, text, path, size, colour, k=1):
    """Text cut into the paper: a light edge below-right and a dark edge above-left. The place and
    size are 1x numbers; at scale k the type is k times the size, measured at that size."""
    d = ImageDraw.Draw(img)
    f = t.font(path, size * k)
    l, tp, r, b = f.getbbox(text)
    x = centre_x * k - (r - l) // 2 - l
    y = top * k - tp
    d.text((x + k, y + k), text, font=f, fill=t.PARCHMENT_LIGHT)
    d.text((x - k, y - k), text, font=f, fill=t.mix(colour, (0, 0, 0), 0.5))
    d.text((x, y), text, font=f, fill=colour)


def ornament_rule(img, centre_x, y, half_width, k=1):
    d = ImageDraw.Draw(img)
    for left, right, dy, colour in ((centre_x - half_width, centre_x - 10, 0, t.GOLD_DARK),
                                    (centre_x + 10, centre_x + half_width, 0, t.GOLD_DARK),
                                    (centre_x - half_width + 20, centre_x - 14, 3, t.SEPIA_FAINT),
                                    (centre_x + 14, centre_x + half_width - 20, 3, t.SEPIA_FAINT)):
        d.rectangle(t.box(k, left, y + dy, right, y + dy), fill=colour)
    # the diamond's corners sit on pixel centres, which lie (k - 1) / 2 into each k x k block
    c = (k - 1) / 2
    d.polygon([(centre_x * k + c, (y - 6) * k + c), ((centre_x + 7) * k + c, (y + 1) * k + c),
               (centre_x * k + c, (y + 8) * k + c), ((centre_x - 7) * k + c, (y + 1) * k + c)],
              fill=t.BURGUNDY, outline=t.GOLD_DARK, width=k)


def _title(img, screen, k):
    cx = img.width // k // 2
    if screen.key == "main":
        # the product name large, the edition on a line of its own below it
        words = screen.caption.split()
        engraved_text(img, cx, 22, " ".join(words[:2]), t.SERIF_BOLD, 50, t.GREEN_BOTTOM, k)
        engraved_text(img, cx, 84, " ".join(words[2:]), t.SERIF_BOLD_ITALIC, 26, t.BURGUNDY, k)
        ornament_rule(img, cx, 124, 150, k)
    else:
        engraved_text(img, cx, 24, screen.caption, t.SERIF_BOLD, 32, t.GREEN_BOTTOM, k)
        engraved_text(img, cx, 66, screen.tagline, t.SERIF_ITALIC, 15, t.BURGUNDY, k)
        ornament_rule(img, cx, 96, 190, k)


def _sun(size, k):
    """Pale rays of the solstice sun rising behind the main title."""
    rays = Image.new("L", size, 0)
    d = ImageDraw.Draw(rays)
    cx, cy, r = size[0] // 2, 128 * SUPER * k, 360 * SUPER * k
    for angle in range(180, 360, 10):
        d.pieslice((cx - r, cy - r, cx + r, cy + r), angle, angle + 2.6, fill=70)
    fade = Image.radial_gradient("L").resize((2 * r, 2 * r)).point(lambda v: max(0, 255 - v * 2))
    mask = Image.new("L", size, 0)
    mask.paste(fade, (cx - r, cy - r))
    rays = ImageChops.multiply(rays, mask)
    layer = Image.new("RGBA", size, t.GOLD + (0,))
    layer.putalpha(rays)
    return layer


def _ornaments(img, screen, k):
    for name, left, top, size in screen.ornaments:
        mark = emblems.render(name, size * k, t.SEPIA_INK)
        mark.putalpha(mark.getchannel("A").point(lambda v: v // 4))
        img.paste(mark, (left * k, top * k), mark)


def render(screen, seed, k=1):
    """The bare background of `screen` (no hotspots), k times the 1x size."""
    size = (BACKDROP_SIZE[0] * k, BACKDROP_SIZE[1] * k)
    img = parchment(BACKDROP_SIZE, seed, k)
    big = (size[0] * SUPER, size[1] * SUPER)
    motif = tree_motif.layer(screen, big, seed)
    if screen.key == "main":
        motif = Image.alpha_composite(_sun(big, k), motif)
    motif = motif.resize(size, Image.LANCZOS)
    img.paste(motif, (0, 0), motif)
    _ornaments(img, screen, k)
    border(img, screen.visible_height, k)
    _title(img, screen, k)
    return img
