// Decoding of device-independent bitmaps: packed (as a BITMAP resource holds them) and .bmp files.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/toolkit/bitmap.h"

namespace kinloom {

// A BITMAPINFOHEADER (or a larger V4/V5 header), its palette and the bits, uncompressed, at
// 8 bits per pixel with a palette (kept indexed) or at 24 bits per pixel, bottom-up or top-down.
// Throws kinloom::Error on anything else or on truncated or inconsistent input.
Bitmap DecodeDib(const std::uint8_t* data, std::size_t size);

// The same after the 14-byte "BM" file header, whose bits offset is honoured.
Bitmap DecodeBmpFile(const std::uint8_t* data, std::size_t size);

}  // namespace kinloom
