// Art as the program file keeps it: each picture file compressed with zlib, decoded on demand.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/toolkit/bitmap.h"

namespace kinloom {

// A packed picture (written by assets/pack_art.py) is the size of the .bmp file it holds, four
// bytes little-endian, then that file as one zlib stream. Inflates it and decodes the file with
// DecodeBmpFile. Throws kinloom::Error when the stream is damaged or cut short, when it holds
// more or less than its size says, or when the picture inside is malformed.
Bitmap UnpackArt(const std::uint8_t* data, std::size_t size);

}  // namespace kinloom
