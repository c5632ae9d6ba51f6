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


def render():
    w, h = WELCOME_SIZE
    img = backdrop.parchment(WELCOME_SIZE, 7100)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=t.SEPIA_INK)
    d.rectangle((3, 3, w - 4, h - 4), outline=t.GOLD_DARK)
    backdrop.engraved_text(img, w // 2, 8, "Get Started", t.SERIF_BOLD_ITALIC, 13, t.BURGUNDY)
    tree = emblems.render("tree", 50, t.LEAF_DARK)
    img.paste(tree, (w // 2 - 40, 26), tree)
    seal = _play_seal(34)
    img.paste(seal, (w // 2 + 8, 38), seal)
    backdrop.engraved_text(img, w // 2, 80, "Tutorial", t.SERIF_BOLD, 16, t.GREEN_BOTTOM)
    return img
