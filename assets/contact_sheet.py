#!/usr/bin/python3
"""Lays out every screen as the program composes it, then every strip's three frames, on one PNG."""

import os
import sys

from PIL import Image, ImageDraw

import art_tables
import theme as t

GAP = 16
COLUMNS = 2


def composed_screen(art_dir, screen):
    bg = Image.open(os.path.join(art_dir, art_tables.file_stem(screen, screen.backdrop) + ".bmp")).convert("RGB")
    bg = bg.crop((0, 0, bg.width, screen.visible_height))
    for h in screen.hotspots:
        strip = Image.open(os.path.join(art_dir, art_tables.file_stem(screen, h.art) + ".bmp")).convert("RGB")
        bg.paste(strip.crop((0, 0, h.frame_w, h.frame_h)), (h.left, h.top))
    return bg


def strip_row(art_dir, screen, hotspot):
    strip = Image.open(os.path.join(art_dir, art_tables.file_stem(screen, hotspot.art) + ".bmp")).convert("RGB")
    w, h = hotspot.frame_w, hotspot.frame_h
    row = Image.new("RGB", (3 * w + 2 * 6, h), (90, 90, 90))
    for i in range(art_tables.FRAMES):
        row.paste(strip.crop((0, i * h, w, (i + 1) * h)), (i * (w + 6), 0))
    return row


def build(art_dir, icon_path):
    screens = [composed_screen(art_dir, s) for s in art_tables.SCREENS]
    welcome = Image.open(os.path.join(art_dir, art_tables.WELCOME_ART + ".bmp")).convert("RGB")
    screens.append(_extras(welcome, [_icon_image(icon_path, size) for size in art_tables.ICON_SIZES]))
    rows = [strip_row(art_dir, s, h) for s in art_tables.SCREENS for h in s.hotspots]
    cell_w, cell_h = art_tables.BACKDROP_SIZE
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


def _extras(welcome, icons):
    panel = Image.new("RGB", art_tables.BACKDROP_SIZE, (60, 60, 64))
    panel.paste(welcome, (20, 20))
    x = 20
    for icon in icons:
        panel.paste(icon, (x, 150), icon)
        x += icon.width + 20
    ImageDraw.Draw(panel).text((200, 20), "welcome picture and icon", font=t.font(t.SERIF_ITALIC, 16), fill=(220, 220, 220))
    return panel


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "build", "contact-sheet.png")
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    build(os.path.join(here, "art"), os.path.join(here, "kinloom.ico")).save(out)
    print(out)


if __name__ == "__main__":
    main(sys.argv)
