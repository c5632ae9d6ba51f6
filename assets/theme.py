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
GREEN_HOVER_TOP = (64, 118, 80)
GREEN_HOVER_BOTTOM = (36, 78, 52)
GREEN_PRESSED_TOP = (12, 32, 22)
GREEN_PRESSED_BOTTOM = (26, 56, 38)

BURGUNDY = (112, 28, 36)
BURGUNDY_DARK = (72, 16, 22)
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


def text_size(path, size, text):
    left, top, right, bottom = font(path, size).getbbox(text)
    return right - left, bottom - top


def fit_font(text, max_width, max_height, max_size=24, min_size=10, paths=(SERIF_BOLD, SERIF_BOLD_CONDENSED)):
    """The largest face of `paths` (tried in order at each size) that fits the box."""
    for size in range(max_size, min_size - 1, -1):
        for path in paths:
            w, h = text_size(path, size, text)
            if w <= max_width and h <= max_height:
                return path, size
    raise ValueError("label %r does not fit in %d x %d pixels" % (text, max_width, max_height))


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))
