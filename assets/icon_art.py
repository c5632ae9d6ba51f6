"""The program icon: a gold tree on a green roundel, small sizes as classic DIB images, 256 as PNG."""

import io
import struct

from PIL import Image, ImageDraw

import emblems
import theme as t
from art_tables import ICON_SCALED_SIZES, ICON_SIZES


def _picture(size):
    big = size * 4
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    m = big // 32
    d.ellipse((m, m, big - m, big - m), fill=t.GOLD + (255,))
    d.ellipse((3 * m, 3 * m, big - 3 * m, big - 3 * m), fill=t.GREEN_TOP + (255,))
    img = img.resize((size, size), Image.LANCZOS)
    # the tree fills more of the roundel at small sizes, where detail is lost anyway
    tree_size = round(size * (0.74 if size <= 16 else 0.64))
    tree = emblems.render("tree", tree_size, t.GOLD_BRIGHT)
    offset = (size - tree_size) // 2
    img.alpha_composite(tree, (offset, offset))
    return img


def _dib_entry(img):
    """A 32 bpp icon image as Windows before Vista reads it: BITMAPINFOHEADER, BGRA rows, AND mask."""
    w, h = img.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_stride = (w + 31) // 32 * 4
    mask_rows = []
    px = img.load()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = px[x, y]
            row += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(bits))
    return header + b"".join(rows) + b"".join(mask_rows)


def _png_entry(img):
    out = io.BytesIO()
    img.save(out, "PNG", optimize=False)
    return out.getvalue()


def encode():
    entries = []
    # each size drawn for itself, so the images Windows picks at higher scales are as sharp
    for size in sorted(ICON_SIZES + ICON_SCALED_SIZES):
        img = _picture(size)
        entries.append((size, _png_entry(img) if size >= 256 else _dib_entry(img)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in entries)
