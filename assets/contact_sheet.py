#!/usr/bin/python3
"""Lays out every screen as the program composes it, then every strip's three frames, on one PNG per
scale: the 1x art, and the 2x art at its full size."""

import os
import sys

from PIL import Image, ImageDraw

import art_tables
import theme as t

GAP = 16
COLUMNS = 2


def composed_screen(art_dir, screen, k):
    bg = Image.open(os.path.join(art_dir, art_tables.file_stem(screen, screen.backdrop) + ".bmp")).convert("RGB")
    bg = bg.crop((0, 0, bg.width, screen.visible_height * k))
    for h in screen.hotspots:
        strip = Image.open(os.path.join(art_dir, art_tables.file_stem(screen, h.art) + ".bmp")).convert("RGB")
        # the hotspot's place at 2x is exactly twice its 1x place
        bg.paste(strip.crop((0, 0, h.frame_w * k, h.frame_h * k)), (h.left * k, h.top * k))
    return bg


def strip_row(art_dir, screen, hotspot, k):
    strip = Image.open(os.path.join(art_dir, art_tables.file_stem(screen, hotspot.art) + ".bmp")).convert("RGB")
    w, h = hotspot.frame_w * k, hotspot.frame_h * k
    row = Image.new("RGB", (3 * w + 2 * 6, h), (90, 90, 90))
    for i in range(art_tables.FRAMES):
        row.paste(strip.crop((0, i * h, w, (i + 1) * h)), (i * (w + 6), 0))
    return row


def build(art_dir, icon_path, k=1):
    screens = [composed_screen(art_dir, s, k) for s in art_tables.SCREENS]
    welcome = Image.open(os.path.join(art_dir, art_tables.WELCOME_ART + ".bmp")).convert("RGB")
    sizes = art_tables.ICON_SIZES if k == 1 else art_tables.ICON_SCALED_SIZES
    screens.append(_extras(welcome, [_icon_image(icon_path, size) for size in sizes], k))
    rows = [strip_row(art_dir, s, h, k) for s in art_tables.SCREENS for h in s.hotspots]
    cell_w, cell_h = art_tables.BACKDROP_SIZE[0] * k, art_tables.BACKDROP_SIZE[1] * k
    sheet_w = COLUMNS * cell_w + (COLUMNS + 1) * GAP
    screens_h = (len(screens) + COLUMNS - 1) // COLUMNS * (cell_h + GAP) + GAP
    placed, x, y, line_h = [], GAP, screens_h, 0
    for row in rows:
        if x + row.width > sheet_w - GAP:
            x, y, line_h = GAP, y + line_h + GAP, 0
        placed.append((row, (x, y)))
        x += row.width + 2 * GAP
        line_h = max(line_h, row.height)
    sheet = Image.new("RGB", (sheet_w, y + line_h + GAP), (60, 60, 64))
    for i, img in enumerate(screens):
        sheet.paste(img, (GAP + (i % COLUMNS) * (cell_w + GAP), GAP + (i // COLUMNS) * (cell_h + GAP)))
    for row, xy in placed:
        sheet.paste(row, xy)
    return sheet


def _icon_image(icon_path, size):
    icon = Image.open(icon_path)
    icon.size = (size, size)  # picks that image out of the icon file
    return icon.convert("RGBA")


def _extras(welcome, icons, k):
    panel = Image.new("RGB", (art_tables.BACKDROP_SIZE[0] * k, art_tables.BACKDROP_SIZE[1] * k), (60, 60, 64))
    panel.paste(welcome, (20 * k, 20 * k))
    x = 20 * k
    for icon in icons:
        panel.paste(icon, (x, 150 * k), icon)
        x += icon.width + 20 * k
    ImageDraw.Draw(panel).text((200 * k, 20 * k), "welcome picture and icon", font=t.font(t.SERIF_ITALIC, 16 * k),
                               fill=(220, 220, 220))
    return panel


def main(argv):
    """Writes the sheet of each scale: OUT.png for 1x, OUT-2x.png beside it for 2x."""
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "build", "contact-sheet.png")
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    stem, ext = os.path.splitext(out)
    for k in art_tables.SCALES:
        path = out if k == 1 else "%s-%dx%s" % (stem, k, ext)
        build(os.path.join(here, art_tables.ART_DIRS[k]), os.path.join(here, "kinloom.ico"), k).save(path)
        print(path)


if __name__ == "__main__":
    main(sys.argv)
