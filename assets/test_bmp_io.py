"""Round trips through the BMP writer, checked against PIL's own reader for row order and padding."""

import io
import os
import sys
import unittest

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmp_io  # noqa: E402
import shared_palette  # noqa: E402


def _pattern(width, height):
    img = Image.new("RGB", (width, height))
    img.putdata([((x * 37) % 256, (y * 53) % 256, ((x + y) * 11) % 256) for y in range(height) for x in range(width)])
    return img


class BmpWriterTest(unittest.TestCase):
    # widths 1 to 4 cover every row padding of both depths
    SIZES = [(1, 1), (2, 3), (3, 2), (4, 5), (5, 4), (139, 103)]

    def test_8bit_files_read_back_as_written(self):
        for size in self.SIZES:
            with self.subTest(size=size):
                indexed = _pattern(*size).quantize(16, dither=Image.Dither.NONE)
                data = bmp_io.encode_8bit(indexed)
                self.assertEqual(list(Image.open(io.BytesIO(data)).convert("RGB").getdata()),
                                 list(indexed.convert("RGB").getdata()))
                info = bmp_io.BmpInfo(data)
                self.assertTrue(info.bottom_up)
                self.assertEqual(len(info.palette), 1024, "a short palette is padded to 256 entries")
                self.assertEqual(b"".join(info.rows), indexed.tobytes())

    def test_24bit_files_read_back_as_written(self):
        for size in self.SIZES:
            with self.subTest(size=size):
                img = _pattern(*size)
                data = bmp_io.encode_24bit(img)
                self.assertEqual(list(Image.open(io.BytesIO(data)).getdata()), list(img.getdata()))

    def test_truncated_files_are_refused(self):
        data = bmp_io.encode_24bit(_pattern(5, 4))
        for cut in (10, 60, len(data) - 1):
            with self.subTest(cut=cut):
                with self.assertRaises(ValueError):
                    bmp_io.BmpInfo(data[:cut])


class SharedPaletteTest(unittest.TestCase):
    def test_unchanged_pixels_keep_the_background_indices(self):
        under = _pattern(40, 20)
        palette = shared_palette.build([under])
        under_indexed = shared_palette.apply(under, palette)
        over = under.copy()
        over.paste((250, 240, 10), (10, 5, 30, 15))
        result = shared_palette.apply_over(over, under, under_indexed, palette)
        for y in range(20):
            for x in range(40):
                if not (10 <= x < 30 and 5 <= y < 15):
                    self.assertEqual(result.getpixel((x, y)), under_indexed.getpixel((x, y)), (x, y))
        self.assertNotEqual(result.getpixel((20, 10)), under_indexed.getpixel((20, 10)))


if __name__ == "__main__":
    unittest.main()
