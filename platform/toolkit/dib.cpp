// Bounds-checked decoding of uncompressed 8- and 24-bit device-independent bitmaps.
#include "platform/toolkit/dib.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/error.h"

namespace kinloom {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
// Far beyond any art; keeps the size arithmetic and the allocation sane on hostile headers.
constexpr std::int64_t kMaxSide = 16384;

[[noreturn]] void Malformed(const std::string& why) {
  throw Error("Invalid bitmap: " + why);
}

std::uint32_t Read32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Read16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

struct InfoHeader {
  std::uint32_t headerSize;
  std::int64_t width;
  std::int64_t height;  // negative: rows stored top-down
  std::uint16_t bitCount;
  std::uint32_t paletteSize;
};

InfoHeader ReadInfoHeader(const std::uint8_t* data, std::size_t size) {
  if (size < kInfoHeaderSize) Malformed("header truncated");
  InfoHeader h;
  h.headerSize = Read32(data);
  if (h.headerSize < kInfoHeaderSize || h.headerSize > size) Malformed("bad header size");
  h.width = static_cast<std::int32_t>(Read32(data + 4));
  h.height = static_cast<std::int32_t>(Read32(data + 8));
  if (Read16(data + 12) != 1) Malformed("planes must be 1");
  h.bitCount = Read16(data + 14);
  if (h.bitCount != 8 && h.bitCount != 24) Malformed("only 8 and 24 bits per pixel");
  if (Read32(data + 16) != kUncompressed) Malformed("compressed");
  if (h.width <= 0 || h.width > kMaxSide || h.height == 0 || h.height > kMaxSide ||
      h.height < -kMaxSide) {
    Malformed("bad dimensions");
  }
  const std::uint32_t used = Read32(data + 32);
  if (h.bitCount == 8 && used > 256) Malformed("palette larger than 256 colours");
  h.paletteSize = used != 0 ? used : (h.bitCount == 8 ? 256u : 0u);
  return h;
}

std::vector<std::uint32_t> ReadPalette(const std::uint8_t* data, std::size_t size,
                                       const InfoHeader& h) {
  const std::uint64_t end = h.headerSize + std::uint64_t{4} * h.paletteSize;
  if (end > size) Malformed("palette truncated");
  std::vector<std::uint32_t> palette;
  if (h.bitCount != 8) return palette;  // a palette beside true colour is only a display hint
  for (std::uint32_t i = 0; i < h.paletteSize; ++i) {
    const std::uint8_t* entry = data + h.headerSize + 4 * i;  // blue, green, red, reserved
    palette.push_back(std::uint32_t{entry[2]} << 16 | std::uint32_t{entry[1]} << 8 | entry[0]);
  }
  return palette;
}

void DecodeIndexRow(const std::uint8_t* in, int width, std::size_t colours, std::uint8_t* out) {
  for (int x = 0; x < width; ++x) {
    if (in[x] >= colours) Malformed("colour index outside the palette");
    out[x] = in[x];
  }
}

void DecodeColourRow(const std::uint8_t* in, int width, std::uint32_t* out) {
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* p = in + 3 * x;
    out[x] = std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
  }
}

// How many bytes each stored row takes, padded to four.
std::uint64_t Stride(const InfoHeader& h) {
  return (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
}

int Height(const InfoHeader& h) {
  return static_cast<int>(h.height < 0 ? -h.height : h.height);
}

// `bits` points at the first stored row within a buffer that has `available` bytes from there.
void CheckPixelsPresent(const InfoHeader& h, std::uint64_t available) {
  if (Stride(h) * static_cast<std::uint64_t>(Height(h)) > available) {
    Malformed("pixel data truncated");
  }
}

// 256-colour art stays indexed with its palette; true colour becomes colour pixels.
Bitmap DecodePixels(const InfoHeader& h, const std::vector<std::uint32_t>& palette,
                    const std::uint8_t* bits, std::uint64_t available) {
  CheckPixelsPresent(h, available);
  const int width = static_cast<int>(h.width);
  const int height = Height(h);
  const std::size_t colours = palette.size();
  Bitmap bitmap = h.bitCount == 8 ? Bitmap(width, height, palette) : Bitmap(width, height);
  bitmap.SetSourceBitsPerPixel(h.bitCount);
  for (int stored = 0; stored < height; ++stored) {
    const int y = h.height < 0 ? stored : height - 1 - stored;
    const std::uint8_t* in = bits + Stride(h) * static_cast<std::uint64_t>(stored);
    if (h.bitCount == 8) {
      DecodeIndexRow(in, width, colours, bitmap.IndexRow(y));
    } else {
      DecodeColourRow(in, width, bitmap.Row(y));
    }
  }
  return bitmap;
}

}  // namespace

Bitmap DecodeDib(const std::uint8_t* data, std::size_t size) {
  const InfoHeader h = ReadInfoHeader(data, size);
  const std::vector<std::uint32_t> palette = ReadPalette(data, size, h);
  const std::uint64_t offset = h.headerSize + std::uint64_t{4} * h.paletteSize;
  return DecodePixels(h, palette, data + offset, size - offset);
}

Bitmap DecodeBmpFile(const std::uint8_t* data, std::size_t size) {
  if (size < kFileHeaderSize || data[0] != 'B' || data[1] != 'M') Malformed("not a BMP file");
  const std::uint8_t* dib = data + kFileHeaderSize;
  const std::size_t dibSize = size - kFileHeaderSize;
  const InfoHeader h = ReadInfoHeader(dib, dibSize);
  const std::vector<std::uint32_t> palette = ReadPalette(dib, dibSize, h);
  const std::uint64_t bitsOffset = Read32(data + 10);
  if (bitsOffset < kFileHeaderSize + h.headerSize || bitsOffset > size) {
    Malformed("bad pixel data offset");
  }
  return DecodePixels(h, palette, data + bitsOffset, size - bitsOffset);
}

}  // namespace kinloom
