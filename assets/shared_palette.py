"""Reduces one screen's pictures to one 256-colour palette, so a 256-colour display shows them all right."""

from PIL import Image, ImageChops

COLOURS = 256


def build(images):
    """A palette image made by median cut over all of `images` stacked; deterministic for equal input."""
    width = max(im.width for im in images)
    height = sum(im.height for im in images)
    sheet = Image.new("RGB", (width, height))
    y = 0
    for im in images:
        sheet.paste(im, (0, y))
        y += im.height
    return sheet.quantize(COLOURS, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)


def apply(image, palette):
    return image.quantize(palette=palette, dither=Image.Dither.FLOYDSTEINBERG)


def apply_over(image, under_rgb, under_indexed, palette):
    """`image` in the palette, but wherever it equals `under_rgb` it takes `under_indexed`'s
    pixels, so a hover or press frame meets the background without a dither seam."""
    indexed = apply(image, palette)
    changed = ImageChops.difference(image, under_rgb).convert("L").point(lambda v: 255 if v else 0)
    return Image.composite(indexed, under_indexed, changed)
