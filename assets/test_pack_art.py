"""The packed art: what the program unpacks is the picture file, byte for byte, and packing it again
gives the same bytes, so two builds of one commit give the same program."""

import os
import struct
import sys
import tempfile
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import pack_art  # noqa: E402


class PackArtTest(unittest.TestCase):
    def test_packs_a_picture_reproducibly_as_its_size_and_one_zlib_stream(self):
        picture = os.path.join(HERE, "art", "main-artArbora.bmp")
        with open(picture, "rb") as f:
            data = f.read()
        with tempfile.TemporaryDirectory() as tmp:
            packed = []
            for run in ("a", "b"):
                pack_art.main(["pack_art.py", os.path.join(tmp, run), picture])
                with open(os.path.join(tmp, run, "main-artArbora.bmp.z"), "rb") as f:
                    packed.append(f.read())
        self.assertEqual(packed[0], packed[1])
        self.assertEqual(struct.unpack_from("<I", packed[0])[0], len(data))
        self.assertEqual(zlib.decompress(packed[0][4:]), data)
        self.assertLess(len(packed[0]), len(data) // 2)


if __name__ == "__main__":
    unittest.main()
