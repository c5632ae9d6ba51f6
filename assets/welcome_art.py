"""The welcome dialog's picture: a small framed tree vignette inviting the user to the tutorial."""

from PIL import Image, ImageDraw

import backdrop
import theme as t
import tree_motif
from art_tables import WELCOME_SIZE


def render():
    w, h = WELCOME_SIZE
    img = backdrop.parchment(WELCOME_SIZE, 7100)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=t.SEPIA_INK)
    backdrop.engraved_text(img, w // 2, 70, "Tutorial", t.SERIF_BOLD, 18, t.GREEN_BOTTOM)
    return img
