#!/usr/bin/python3
"""Packs pictures as the program file keeps them: OUT_DIR/<name>.z holds the size of <name> (four
bytes, little-endian) and then <name> as one zlib stream. The same input gives the same bytes.

Usage: pack_art.py OUT_DIR PICTURE..."""

import os
import struct
import sys
import zlib


def pack(data):
    # the strongest level: the art is packed once per build and unpacked on every start
    return struct.pack("<I", len(data)) + zlib.compress(data, 9)


def main(argv):
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for path in argv[2:]:
        with open(path, "rb") as f:
            packed = pack(f.read())
        with open(os.path.join(out_dir, os.path.basename(path) + ".z"), "wb") as f:
            f.write(packed)


if __name__ == "__main__":
    main(sys.argv)
