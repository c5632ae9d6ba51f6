"""Colours and type shared by every picture, so the five screens read as one product."""

from PIL import ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
SERIF_BOLD = FONT_DIR + "DejaVuSerif-Bold.ttf"
SERIF_BOLD_CONDENSED = FONT_DIR + "DejaVuSerifCondensed-Bold.ttf"
SERIF_ITALIC = FONT_DIR + "DejaVuSerif-Italic.ttf"
SERIF_BOLD_ITALIC = FONT_DIR + "DejaVuSerif-BoldItalic.ttf"

PARCHMENT_LIGHT = (243, 231, 202)
PARCHMENT = (232, 214, 176)
PARCHMENT_EDGE = (196, 166, 116)
SEPIA_INK = (94, 62, 34)
SEPIA_FAINT = (203, 178, 134)
LEAF = (128, 142, 86)
LEAF_DARK = (92, 110, 62)

GREEN_TOP = (42, 84, 58)
GREEN_BOTTOM = (22, 52, 35)
GREEN_HOVER_TOP = (52, 122, 78)
GREEN_HOVER_BOTTOM = (28, 80, 50)

BURGUNDY = (112, 28, 36)
BURGUNDY_DARK = (72, 16, 22)
BURGUNDY_HOVER_TOP = (156, 42, 52)
BURGUNDY_HOVER_BOTTOM = (100, 24, 32)
GOLD = (196, 156, 72)
GOLD_BRIGHT = (246, 214, 120)
GOLD_DARK = (128, 96, 40)
CREAM = (246, 236, 208)
SHADOW = (20, 14, 8)

_fonts = {}


def font(path, size):
    key = (path, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(path, size)
    return _fonts[key]


def text_width(path, size, text):
    left, _, right, _ = font(path, size).getbbox(text)
    return right - left


def box(k, left, top, right, bottom):
    """An inclusive pixel box of the 1x picture at scale k: each 1x pixel becomes k x k pixels."""
    return (left * k, top * k, right * k + k - 1, bottom * k + k - 1)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))
