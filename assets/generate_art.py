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
    """Indexed frames of one palette stacked top to bottom: normal, hovered, pressed."""
    w, h = frames[0].size
    strip = Image.new("P", (w, h * len(frames)))
    strip.putpalette(frames[0].getpalette())
    for i, frame in enumerate(frames):
        strip.paste(frame, (0, i * h))
    return strip


def _label_caps(screen):
    """{art: largest label size}. A screen's list plaques share one size so a column of choices
    reads evenly; a label that only fits much smaller keeps its own size rather than shrinking
    all the others. Plaques with a sub-label and the navigation plaques size themselves."""
    listed = [h for h in screen.hotspots if not h.sublabel and h.art not in plaque.NAVIGATION]
    sizes = [plaque.label_size(h) for h in listed]
    common = min((s for s in sizes if s >= max(sizes) - 3), default=plaque.MAX_LABEL_SIZE)
    return {h.art: common if h in listed else plaque.MAX_LABEL_SIZE for h in screen.hotspots}


def screen_pictures(screen, seed):
    """{file stem: 'P' image} for the background and every strip of `screen`, sharing one palette."""
    bare = backdrop.render(screen, seed)
    composed = bare.copy()
    caps = _label_caps(screen)
    looks = {}
    for h in screen.hotspots:
        box = art_tables.frame_box(h)
        looks[h.art] = [plaque.render(bare.crop(box), h, state, caps[h.art]) for state in range(art_tables.FRAMES)]
        composed.paste(looks[h.art][plaque.NORMAL], box[:2])
    palette = shared_palette.build([composed] + [f for frames in looks.values() for f in frames[1:]])
    background = shared_palette.apply(composed, palette)
    pictures = {art_tables.file_stem(screen, screen.backdrop): background}
    for h in screen.hotspots:
        box = art_tables.frame_box(h)
        normal = background.crop(box)
        others = [shared_palette.apply_over(f, composed.crop(box), normal, palette) for f in looks[h.art][1:]]
        pictures[art_tables.file_stem(screen, h.art)] = _strip([normal] + others)
    return pictures


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def generate(art_dir, icon_path):
    os.makedirs(art_dir, exist_ok=True)
    # a fixed seed per screen keeps every paper texture, and so every byte, the same from run to run
    for seed, screen in enumerate(art_tables.SCREENS, start=7001):
        for stem, image in screen_pictures(screen, seed).items():
            _write(os.path.join(art_dir, stem + ".bmp"), bmp_io.encode_8bit(image))
    _write(os.path.join(art_dir, art_tables.WELCOME_ART + ".bmp"), bmp_io.encode_24bit(welcome_art.render()))
    _write(icon_path, icon_art.encode())


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.join(HERE, "art")
    icon_path = argv[2] if len(argv) > 2 else os.path.join(HERE, "kinloom.ico")
    generate(out_dir, icon_path)


if __name__ == "__main__":
    main(sys.argv)
