#!/usr/bin/python3
"""Writes every picture the start menu shows into assets/art/ and the program icon beside it."""

import os
import sys

from PIL import Image

import art_tables
import backdrop
import bmp_io
import icon_art
import plaque
import shared_palette
import welcome_art

HERE = os.path.dirname(os.path.abspath(__file__))


def _strip(frames):
    w, h = frames[0].size
    strip = Image.new(frames[0].mode, (w, h * len(frames)))
    if frames[0].mode == "P":
        strip.putpalette(frames[0].getpalette())
    for i, frame in enumerate(frames):
        strip.paste(frame, (0, i * h))
    return strip


def screen_pictures(screen, seed):
    """{file stem: 'P' image} for the background and every strip of `screen`, sharing one palette."""
    bare = backdrop.render(screen, seed)
    composed = bare.copy()
    looks = {}
    for h in screen.hotspots:
        box = (h.left, h.top, h.left + h.frame_w, h.top + h.frame_h)
        under = bare.crop(box)
        looks[h.art] = [plaque.render(under, h, state) for state in range(art_tables.FRAMES)]
        composed.paste(looks[h.art][plaque.NORMAL], box[:2])
    extra = [f for frames in looks.values() for f in frames[1:]]
    palette = shared_palette.build([composed] + extra)
    background = shared_palette.apply(composed, palette)
    pictures = {art_tables.file_stem(screen, screen.backdrop): background}
    for h in screen.hotspots:
        box = (h.left, h.top, h.left + h.frame_w, h.top + h.frame_h)
        normal = background.crop(box)
        others = [shared_palette.apply_over(f, composed.crop(box), normal, palette) for f in looks[h.art][1:]]
        pictures[art_tables.file_stem(screen, h.art)] = _strip([normal] + others)
    return pictures


def generate(out_dir, icon_path):
    art_dir = os.path.join(out_dir)
    os.makedirs(art_dir, exist_ok=True)
    for seed, screen in enumerate(art_tables.SCREENS, start=7001):
        for stem, image in screen_pictures(screen, seed).items():
            with open(os.path.join(art_dir, stem + ".bmp"), "wb") as f:
                f.write(bmp_io.encode_8bit(image))
    with open(os.path.join(art_dir, art_tables.WELCOME_ART + ".bmp"), "wb") as f:
        f.write(bmp_io.encode_24bit(welcome_art.render()))
    with open(icon_path, "wb") as f:
        f.write(icon_art.encode())


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.join(HERE, "art")
    icon_path = argv[2] if len(argv) > 2 else os.path.join(HERE, "kinloom.ico")
    generate(out_dir, icon_path)


if __name__ == "__main__":
    main(sys.argv)
