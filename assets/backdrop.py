"""The screens' backgrounds: aged parchment, a ruled border, the engraved caption and a family tree."""

import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import emblems
import theme as t
import tree_motif
from art_tables import BACKDROP_SIZE

SUPER = 2


def parchment(size, seed):
    """Warm paper with a darker rim, soft mottling and a few fibres; the same seed gives the same sheet."""
    w, h = size
    rng = random.Random(seed)
    rim = Image.radial_gradient("L").resize(size, Image.BICUBIC)
    rim = rim.point(lambda v: max(0, min(255, (v - 110) * 2)))
    sheet = Image.composite(Image.new("RGB", size, t.PARCHMENT_EDGE), Image.new("RGB", size, t.PARCHMENT_LIGHT), rim)
    mottle = Image.frombytes("L", (w // 8 + 1, h // 8 + 1), rng.randbytes((w // 8 + 1) * (h // 8 + 1)))
    mottle = mottle.resize(size, Image.BICUBIC).filter(ImageFilter.GaussianBlur(6))
    mottle = mottle.point(lambda v: max(0, v - 128) // 3)
    sheet.paste(Image.new("RGB", size, t.PARCHMENT_EDGE), (0, 0), mottle)
    grain = Image.frombytes("L", size, rng.randbytes(w * h)).filter(ImageFilter.GaussianBlur(0.6))
    grain = grain.point(lambda v: max(0, v - 120) // 5)
    sheet.paste(Image.new("RGB", size, t.SEPIA_INK), (0, 0), grain)
    fibres = ImageDraw.Draw(sheet)
    for _ in range(70):
        x, y = rng.randrange(w), rng.randrange(h)
        dx, dy = rng.randint(-30, 30), rng.randint(-4, 4)
        fibres.line((x, y, x + dx, y + dy), fill=t.mix(t.PARCHMENT, t.PARCHMENT_EDGE, rng.random() * 0.5))
    return sheet


def border(img, visible_height):
    """A double rule with corner rosettes, kept inside the rows the window shows."""
    d = ImageDraw.Draw(img)
    w, h = img.width, visible_height
    d.rectangle((4, 4, w - 5, h - 5), outline=t.SEPIA_INK, width=2)
    d.rectangle((9, 9, w - 10, h - 10), outline=t.GOLD_DARK, width=1)
    for cx, cy in ((9, 9), (w - 10, 9), (9, h - 10), (w - 10, h - 10)):
        d.ellipse((cx - 5, cy - 5, cx + 5, cy + 5), fill=t.BURGUNDY, outline=t.GOLD_DARK)
        d.ellipse((cx - 2, cy - 2, cx + 2, cy + 2), fill=t.GOLD)


def engraved_text(img, centre_x, top, text, path, size, colour):
    """Text cut into the paper: a light edge below-right and a dark edge above-left."""
    d = ImageDraw.Draw(img)
    f = t.font(path, size)
    l, tp, r, b = f.getbbox(text)
    x = centre_x - (r - l) // 2 - l
    y = top - tp
    d.text((x + 1, y + 1), text, font=f, fill=t.PARCHMENT_LIGHT)
    d.text((x - 1, y - 1), text, font=f, fill=t.mix(colour, (0, 0, 0), 0.5))
    d.text((x, y), text, font=f, fill=colour)
    return b - tp


def ornament_rule(img, centre_x, y, half_width):
    d = ImageDraw.Draw(img)
    d.line((centre_x - half_width, y, centre_x - 10, y), fill=t.GOLD_DARK, width=1)
    d.line((centre_x + 10, y, centre_x + half_width, y), fill=t.GOLD_DARK, width=1)
    d.line((centre_x - half_width + 20, y + 3, centre_x - 14, y + 3), fill=t.SEPIA_FAINT, width=1)
    d.line((centre_x + 14, y + 3, centre_x + half_width - 20, y + 3), fill=t.SEPIA_FAINT, width=1)
    d.polygon([(centre_x, y - 6), (centre_x + 7, y + 1), (centre_x, y + 8), (centre_x - 7, y + 1)],
              fill=t.BURGUNDY, outline=t.GOLD_DARK)


def _title(img, screen):
    cx = img.width // 2
    if screen.key == "main":
        # the product name large, the edition on a line of its own below it
        words = screen.caption.split()
        engraved_text(img, cx, 22, " ".join(words[:2]), t.SERIF_BOLD, 50, t.GREEN_BOTTOM)
        engraved_text(img, cx, 84, " ".join(words[2:]), t.SERIF_BOLD_ITALIC, 26, t.BURGUNDY)
        ornament_rule(img, cx, 124, 150)
    else:
        engraved_text(img, cx, 24, screen.caption, t.SERIF_BOLD, 32, t.GREEN_BOTTOM)
        engraved_text(img, cx, 66, screen.tagline, t.SERIF_ITALIC, 15, t.BURGUNDY)
        ornament_rule(img, cx, 96, 190)


def _sun(size):
    """Pale rays of the solstice sun rising behind the main title."""
    rays = Image.new("L", size, 0)
    d = ImageDraw.Draw(rays)
    cx, cy, r = size[0] // 2, 128 * SUPER, 360 * SUPER
    for angle in range(180, 360, 10):
        d.pieslice((cx - r, cy - r, cx + r, cy + r), angle, angle + 2.6, fill=70)
    fade = Image.radial_gradient("L").resize((2 * r, 2 * r)).point(lambda v: max(0, 255 - v * 2))
    mask = Image.new("L", size, 0)
    mask.paste(fade, (cx - r, cy - r))
    rays = ImageChops.multiply(rays, mask)
    layer = Image.new("RGBA", size, t.GOLD + (0,))
    layer.putalpha(rays)
    return layer


def _ornaments(img, screen):
    for name, left, top, size in screen.ornaments:
        mark = emblems.render(name, size, t.SEPIA_INK)
        mark.putalpha(mark.getchannel("A").point(lambda v: v // 4))
        img.paste(mark, (left, top), mark)


def render(screen, seed):
    """The bare background of `screen` (no hotspots), full size."""
    size = BACKDROP_SIZE
    img = parchment(size, seed)
    big = (size[0] * SUPER, size[1] * SUPER)
    motif = tree_motif.layer(screen, big, seed)
    if screen.key == "main":
        motif = Image.alpha_composite(_sun(big), motif)
    motif = motif.resize(size, Image.LANCZOS)
    img.paste(motif, (0, 0), motif)
    _ornaments(img, screen)
    border(img, screen.visible_height)
    _title(img, screen)
    return img
