"""The welcome dialog's picture: a small framed tree with a play seal, inviting the user to the tutorial."""

from PIL import Image, ImageDraw

import backdrop
import emblems
import theme as t
from art_tables import WELCOME_SIZE

SUPER = 4


def _play_seal(size):
    """A green wax-seal roundel with a cream play triangle, drawn large and scaled down smoothly."""
    big = size * SUPER
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse((0, 0, big - 1, big - 1), fill=t.GOLD + (255,))
    m = big // 9
    d.ellipse((m, m, big - 1 - m, big - 1 - m), fill=t.GREEN_TOP + (255,))
    d.polygon([(0.4 * big, 0.3 * big), (0.4 * big, 0.7 * big), (0.72 * big, 0.5 * big)], fill=t.CREAM + (255,))
    return img.resize((size, size), Image.LANCZOS)


def render(k=1):
    """The picture at scale k: k times the 1x size, everything drawn at that size."""
    w, h = WELCOME_SIZE
    img = backdrop.parchment(WELCOME_SIZE, 7100, k)
    d = ImageDraw.Draw(img)
    d.rectangle(t.box(k, 0, 0, w - 1, h - 1), outline=t.SEPIA_INK, width=k)
    d.rectangle(t.box(k, 3, 3, w - 4, h - 4), outline=t.GOLD_DARK, width=k)
    backdrop.engraved_text(img, w // 2, 8, "Get Started", t.SERIF_BOLD_ITALIC, 13, t.BURGUNDY, k)
    tree = emblems.render("tree", 50 * k, t.LEAF_DARK)
    img.paste(tree, ((w // 2 - 40) * k, 26 * k), tree)
    seal = _play_seal(34 * k)
    img.paste(seal, ((w // 2 + 8) * k, 38 * k), seal)
    backdrop.engraved_text(img, w // 2, 80, "Tutorial", t.SERIF_BOLD, 16, t.GREEN_BOTTOM, k)
    return img
