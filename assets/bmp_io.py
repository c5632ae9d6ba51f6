"""Windows BMP files written and read by hand, so every header field is ours and fixed."""

import struct

FILE_HEADER = struct.Struct("<2sIHHI")
INFO_HEADER = struct.Struct("<IiiHHIIiiII")
INFO_HEADER_SIZE = 40
BI_RGB = 0
PIXELS_PER_METRE = 3780  # 96 dpi, what Windows writes by default


def _row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def _headers(width, height, bits, colours, image_size):
    offset = FILE_HEADER.size + INFO_HEADER_SIZE + 4 * colours
    file_header = FILE_HEADER.pack(b"BM", offset + image_size, 0, 0, offset)
    info = INFO_HEADER.pack(INFO_HEADER_SIZE, width, height, 1, bits, BI_RGB, image_size,
                            PIXELS_PER_METRE, PIXELS_PER_METRE, colours, colours)
    return file_header + info


def encode_8bit(image):
    """A PIL 'P' image as a bottom-up 8 bpp BMP with a full 256-entry palette."""
    width, height = image.size
    palette = image.getpalette()[:768]
    palette += [0] * (768 - len(palette))
    quads = bytearray()
    for i in range(256):
        r, g, b = palette[3 * i:3 * i + 3]
        quads += bytes((b, g, r, 0))
    stride = _row_stride(width, 8)
    pixels = image.tobytes()
    pad = bytes(stride - width)
    rows = [pixels[y * width:(y + 1) * width] + pad for y in range(height - 1, -1, -1)]
    body = b"".join(rows)
    return _headers(width, height, 8, 256, len(body)) + bytes(quads) + body


def encode_24bit(image):
    """A PIL 'RGB' image as a bottom-up 24 bpp BMP."""
    width, height = image.size
    stride = _row_stride(width, 24)
    bgr = image.convert("RGB").tobytes("raw", "BGR")
    pad = bytes(stride - 3 * width)
    rows = [bgr[3 * width * y:3 * width * (y + 1)] + pad for y in range(height - 1, -1, -1)]
    body = b"".join(rows)
    return _headers(width, height, 24, 0, len(body)) + body


class BmpInfo:
    """The header fields of a BMP file plus its palette and its pixel indices or colours, top-down."""

    def __init__(self, data):
        if len(data) < FILE_HEADER.size + INFO_HEADER.size:
            raise ValueError("shorter than the BMP headers")
        magic, file_size, _, _, offset = FILE_HEADER.unpack_from(data, 0)
        if magic != b"BM" or file_size != len(data):
            raise ValueError("not a complete BMP file")
        (self.header_size, self.width, height, self.planes, self.bits, self.compression,
         _, _, _, self.colours_used, _) = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
        self.bottom_up = height > 0
        self.height = abs(height)
        palette_start = FILE_HEADER.size + self.header_size
        self.palette = bytes(data[palette_start:offset])
        stride = _row_stride(self.width, self.bits)
        if offset + stride * self.height > len(data):
            raise ValueError("pixel data cut short")
        order = range(self.height - 1, -1, -1) if self.bottom_up else range(self.height)
        row_bytes = self.width * self.bits // 8
        self.rows = [bytes(data[offset + y * stride:offset + y * stride + row_bytes]) for y in order]

    def pixel_rows(self, left, top, width, height):
        """The raw bytes of a rectangle, row by row (one byte per pixel at 8 bpp)."""
        step = self.bits // 8
        return [row[left * step:(left + width) * step] for row in self.rows[top:top + height]]


def read_bmp(path):
    with open(path, "rb") as f:
        return BmpInfo(f.read())
