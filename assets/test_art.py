"""Checks the committed pictures at both scales: formats, sizes, shared palettes, seamless frames,
the 1x pictures unchanged, and reproducible generating and packing."""

import filecmp
import hashlib
import os
import struct
import sys
import tempfile
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import art_tables  # noqa: E402
import bmp_io  # noqa: E402
import generate_art  # noqa: E402
import pack_art  # noqa: E402
import plaque  # noqa: E402

ICON = os.path.join(HERE, "kinloom.ico")


def _read(k, stem):
    return bmp_io.read_bmp(os.path.join(HERE, art_tables.ART_DIRS[k], stem + ".bmp"))


def _frame(strip, hotspot, index, k):
    w, h = hotspot.frame_w * k, hotspot.frame_h * k
    return strip.pixel_rows(0, index * h, w, h)


def _differing(a, b):
    return sum(x != y for ra, rb in zip(a, b) for x, y in zip(ra, rb))


def _icon_images(data):
    """{size: image bytes} of an .ico file, checking its directory as it goes."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    images = {}
    for i in range(count):
        w, h, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert offset + length <= len(data) and (w, bits) == (h, 32), "bad directory entry %d" % i
        images[w or 256] = data[offset:offset + length]
    return images


class PaletteArtTest(unittest.TestCase):
    def assert_8bit(self, bmp, width, height):
        self.assertEqual((bmp.header_size, bmp.width, bmp.height), (40, width, height))
        self.assertEqual((bmp.planes, bmp.bits, bmp.compression), (1, 8, bmp_io.BI_RGB))
        self.assertEqual(len(bmp.palette), 256 * 4)
        self.assertIn(bmp.colours_used, (0, 256))

    def test_backgrounds_and_strips_at_every_scale(self):
        for k in art_tables.SCALES:
            for screen in art_tables.SCREENS:
                background = _read(k, art_tables.file_stem(screen, screen.backdrop))
                with self.subTest(scale=k, screen=screen.key, art=screen.backdrop):
                    self.assert_8bit(background, 632 * k, 453 * k)
                for h in screen.hotspots:
                    with self.subTest(scale=k, screen=screen.key, art=h.art):
                        self.check_strip(k, h, _read(k, art_tables.file_stem(screen, h.art)), background)

    def check_strip(self, k, h, strip, background):
        self.assert_8bit(strip, h.frame_w * k, 3 * h.frame_h * k)
        self.assertEqual(strip.palette, background.palette, "one palette per screen and scale")
        # at 2x the hotspot lies at exactly twice its 1x rectangle, so the art must meet it there
        under = background.pixel_rows(h.left * k, h.top * k, h.frame_w * k, h.frame_h * k)
        self.assertEqual(_differing(_frame(strip, h, 0, k), under), 0,
                         "frame 0 must match the background under the hotspot")
        frames = [_frame(strip, h, i, k) for i in range(3)]
        area = h.frame_w * h.frame_h * k * k
        for a, b in ((0, 1), (0, 2), (1, 2)):
            self.assertGreater(_differing(frames[a], frames[b]), area // 4, "frames %d and %d look alike" % (a, b))

    def test_hotspots_lie_in_the_visible_area_without_overlap(self):
        for screen in art_tables.SCREENS:
            boxes = [(h.art, h.left, h.top, h.left + h.frame_w, h.top + h.frame_h) for h in screen.hotspots]
            for i, (name, l, tp, r, b) in enumerate(boxes):
                self.assertTrue(0 <= l and 0 <= tp and r <= 632 and b <= screen.visible_height, (screen.key, name))
                for other, l2, t2, r2, b2 in boxes[i + 1:]:
                    self.assertFalse(l < r2 and l2 < r and tp < b2 and t2 < b, (screen.key, name, other))

    def test_labels_stay_readable(self):
        for screen in art_tables.SCREENS:
            for h in screen.hotspots:
                with self.subTest(screen=screen.key, art=h.art):
                    self.assertGreaterEqual(plaque.label_size(h), 12)


class OtherArtTest(unittest.TestCase):
    def test_welcome_picture_is_true_colour_at_every_scale(self):
        for k in art_tables.SCALES:
            with self.subTest(scale=k):
                bmp = _read(k, art_tables.WELCOME_ART)
                self.assertEqual((bmp.width, bmp.height, bmp.bits, bmp.compression),
                                 (139 * k, 103 * k, 24, bmp_io.BI_RGB))
                self.assertGreater(len(set(bmp.rows)), 50 * k, "a picture, not a blank")

    def test_icon_holds_every_size(self):
        with open(ICON, "rb") as f:
            images = _icon_images(f.read())
        self.assertEqual(sorted(images), sorted(art_tables.ICON_SIZES + art_tables.ICON_SCALED_SIZES))
        for size, image in images.items():
            with self.subTest(size=size):
                if size == 256:
                    self.assertTrue(image.startswith(b"\x89PNG"), "the large image is stored as PNG")
                    continue
                # older Windows read only DIB icons: header, then colour rows and mask of twice the height
                self.assertEqual(struct.unpack_from("<IiiHH", image, 0), (40, size, 2 * size, 1, 32))
                self.assertEqual(len(image), 40 + 4 * size * size + (size + 31) // 32 * 4 * size)


class ReproducibleArtTest(unittest.TestCase):
    def test_1x_pictures_are_the_ones_the_menu_always_showed(self):
        expected = {}
        with open(os.path.join(HERE, "art-1x.sha256")) as f:
            for line in f:
                if not line.startswith("#"):
                    digest, name = line.rstrip("\n").split("  ")
                    expected[name] = digest
        with open(ICON, "rb") as f:
            icon = _icon_images(f.read())
        actual = {"kinloom.ico %d" % size: hashlib.sha256(icon[size]).hexdigest() for size in art_tables.ICON_SIZES}
        for name in os.listdir(os.path.join(HERE, "art")):
            with open(os.path.join(HERE, "art", name), "rb") as f:
                actual["art/" + name] = hashlib.sha256(f.read()).hexdigest()
        self.assertEqual(actual, expected)

    def test_regenerating_gives_identical_bytes(self):
        with tempfile.TemporaryDirectory() as tmp:
            generate_art.generate(tmp)
            for k in art_tables.SCALES:
                folder = art_tables.ART_DIRS[k]
                names = sorted(os.listdir(os.path.join(HERE, folder)))
                with self.subTest(scale=k):
                    self.assertEqual(len(names), 5 + sum(len(s.hotspots) for s in art_tables.SCREENS) + 1)
                    self.assertEqual(sorted(os.listdir(os.path.join(tmp, folder))), names)
                    _, mismatch, errors = filecmp.cmpfiles(os.path.join(HERE, folder), os.path.join(tmp, folder),
                                                           names, shallow=False)
                    self.assertEqual((mismatch, errors), ([], []))
            self.assertTrue(filecmp.cmp(ICON, os.path.join(tmp, "kinloom.ico"), shallow=False))

    def test_packing_gives_the_same_bytes_twice_and_holds_the_picture(self):
        picture = os.path.join(HERE, "art", "main-artArbora.bmp")
        with open(picture, "rb") as f:
            data = f.read()
        packed = pack_art.pack(data)
        self.assertEqual(packed, pack_art.pack(data))
        self.assertEqual((struct.unpack_from("<I", packed)[0], zlib.decompress(packed[4:])), (len(data), data))


if __name__ == "__main__":
    unittest.main()
