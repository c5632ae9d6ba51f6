#!/usr/bin/python3
"""Writes every picture the start menu shows, at 1x into assets/art/ and at 2x into assets/art-2x/,
and the program icon beside them."""

import multiprocessing
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


def screen_pictures(screen, seed, k=1):
    """{file stem: 'P' image} for the background and every strip of `screen` at scale k, sharing
    one palette. Labels take the sizes they fit at 1x, so both scales read alike."""
    bare = backdrop.render(screen, seed, k)
    composed = bare.copy()
    caps = _label_caps(screen)
    looks = {}
    for h in screen.hotspots:
        box = art_tables.frame_box(h, k)
        looks[h.art] = [plaque.render(bare.crop(box), h, state, caps[h.art], k) for state in range(art_tables.FRAMES)]
        composed.paste(looks[h.art][plaque.NORMAL], box[:2])
    palette = shared_palette.build([composed] + [f for frames in looks.values() for f in frames[1:]])
    background = shared_palette.apply(composed, palette)
    pictures = {art_tables.file_stem(screen, screen.backdrop): background}
    for h in screen.hotspots:
        box = art_tables.frame_box(h, k)
        normal = background.crop(box)
        others = [shared_palette.apply_over(f, composed.crop(box), normal, palette) for f in looks[h.art][1:]]
        pictures[art_tables.file_stem(screen, h.art)] = _strip([normal] + others)
    return pictures


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def _pictures(job):
    """{file name: bytes} of one screen (or of the welcome picture, for `None`) at one scale."""
    screen, seed, k = job
    if screen is None:
        return {art_tables.WELCOME_ART + ".bmp": bmp_io.encode_24bit(welcome_art.render(k))}
    return {stem + ".bmp": bmp_io.encode_8bit(image) for stem, image in screen_pictures(screen, seed, k).items()}


def generate(out_dir):
    """Writes out_dir/art/, out_dir/art-2x/ and out_dir/kinloom.ico."""
    # a fixed seed per screen keeps every paper texture, and so every byte, the same from run to run
    jobs = [(screen, seed, k) for k in art_tables.SCALES
            for seed, screen in enumerate(art_tables.SCREENS + [None], start=7001)]
    with multiprocessing.Pool(min(len(jobs), os.cpu_count() or 1)) as pool:
        results = pool.map(_pictures, jobs, chunksize=1)
    for (_, _, k), pictures in zip(jobs, results):
        art_dir = os.path.join(out_dir, art_tables.ART_DIRS[k])
        os.makedirs(art_dir, exist_ok=True)
        for name, data in pictures.items():
            _write(os.path.join(art_dir, name), data)
    _write(os.path.join(out_dir, "kinloom.ico"), icon_art.encode())


def main(argv):
    generate(argv[1] if len(argv) > 1 else HERE)


if __name__ == "__main__":
    main(sys.argv)
