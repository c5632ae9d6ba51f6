"""Checks the committed pictures: formats, sizes, shared palettes, seamless frames, reproducibility."""

import filecmp
import os
import struct
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import art_tables  # noqa: E402
import bmp_io  # noqa: E402
import generate_art  # noqa: E402
import plaque  # noqa: E402

ART = os.path.join(HERE, "art")
ICON = os.path.join(HERE, "kinloom.ico")


def _read(screen, art):
    return bmp_io.read_bmp(os.path.join(ART, art_tables.file_stem(screen, art) + ".bmp"))


def _frame(strip, hotspot, index):
    return strip.pixel_rows(0, index * hotspot.frame_h, hotspot.frame_w, hotspot.frame_h)


def _differing(a, b):
    return sum(x != y for ra, rb in zip(a, b) for x, y in zip(ra, rb))


class PaletteArtTest(unittest.TestCase):
    def assert_8bit(self, bmp, width, height):
        self.assertEqual((bmp.header_size, bmp.width, bmp.height), (40, width, height))
        self.assertEqual((bmp.planes, bmp.bits, bmp.compression), (1, 8, bmp_io.BI_RGB))
        self.assertEqual(len(bmp.palette), 256 * 4)
        self.assertIn(bmp.colours_used, (0, 256))

    def test_backgrounds_and_strips(self):
        for screen in art_tables.SCREENS:
            background = _read(screen, screen.backdrop)
            with self.subTest(screen=screen.key, art=screen.backdrop):
                self.assert_8bit(background, 632, 453)
            for h in screen.hotspots:
                with self.subTest(screen=screen.key, art=h.art):
                    strip = _read(screen, h.art)
                    self.assert_8bit(strip, h.frame_w, 3 * h.frame_h)
                    self.assertEqual(strip.palette, background.palette, "one palette per screen")
                    under = background.pixel_rows(h.left, h.top, h.frame_w, h.frame_h)
                    self.assertEqual(_differing(_frame(strip, h, 0), under), 0,
                                     "frame 0 must match the background under the hotspot")
                    frames = [_frame(strip, h, i) for i in range(3)]
                    area = h.frame_w * h.frame_h
                    for a, b in ((0, 1), (0, 2), (1, 2)):
                        self.assertGreater(_differing(frames[a], frames[b]), area // 4,
                                           "frames %d and %d look alike" % (a, b))

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
    def test_welcome_picture_is_true_colour(self):
        bmp = bmp_io.read_bmp(os.path.join(ART, art_tables.WELCOME_ART + ".bmp"))
        self.assertEqual((bmp.width, bmp.height, bmp.bits, bmp.compression), (139, 103, 24, bmp_io.BI_RGB))
        self.assertGreater(len(set(bmp.rows)), 50, "a picture, not a blank")

    def test_icon_holds_every_size(self):
        with open(ICON, "rb") as f:
            data = f.read()
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        self.assertEqual((reserved, kind), (0, 1))
        sizes = []
        for i in range(count):
            w, h, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
            self.assertLessEqual(offset + length, len(data))
            self.assertEqual((w, bits), (h, 32))
            size = w or 256
            sizes.append(size)
            image = data[offset:offset + length]
            if size == 256:
                self.assertTrue(image.startswith(b"\x89PNG"), "the large image is stored as PNG")
            else:
                # older Windows read only DIB icons: header, then colour rows and mask of twice the height
                header = struct.unpack_from("<IiiHH", image, 0)
                self.assertEqual(header, (40, size, 2 * size, 1, 32))
                self.assertEqual(length, 40 + 4 * size * size + (size + 31) // 32 * 4 * size)
        self.assertEqual(sorted(sizes), sorted(art_tables.ICON_SIZES))

    def test_regenerating_gives_identical_bytes(self):
        names = sorted(os.listdir(ART))
        self.assertEqual(len(names), 5 + sum(len(s.hotspots) for s in art_tables.SCREENS) + 1)
        with tempfile.TemporaryDirectory() as tmp:
            icon = os.path.join(tmp, "kinloom.ico")
            generate_art.generate(os.path.join(tmp, "art"), icon)
            self.assertEqual(sorted(os.listdir(os.path.join(tmp, "art"))), names)
            _, mismatch, errors = filecmp.cmpfiles(ART, os.path.join(tmp, "art"), names, shallow=False)
            self.assertEqual((mismatch, errors), ([], []))
            self.assertTrue(filecmp.cmp(ICON, icon, shallow=False))


if __name__ == "__main__":
    unittest.main()
