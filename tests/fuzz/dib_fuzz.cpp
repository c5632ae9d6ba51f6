// Fuzzes the bitmap decoder: any input either decodes to a picture whose every pixel can be read,
// or is refused with kinloom::Error; a .bmp file reads as the bitmap it wraps.
#include <cstdint>
#include <cstdlib>

#include "platform/error.h"
#include "platform/toolkit/dib.h"
#include "tests/support/same_pixels.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;

// The pixels and size of a decoded picture, or nothing for refused input.
struct Decoded {
  bool ok = false;
  kinloom::Bitmap bitmap;
};

template <typename Decode>
Decoded Try(Decode decode) {
  try {
    return {true, decode()};
  } catch (const kinloom::Error&) {
    return {};
  }
}

// Reads every pixel, so that the sanitizers see any that lies outside the decoded memory.
void CheckReadable(const kinloom::Bitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) std::abort();
  std::uint32_t all = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) all |= bitmap.Pixel(x, y);
  }
  if (all > 0xFFFFFF) std::abort();
}

std::uint32_t Read32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Decoded dib = Try([&] { return kinloom::DecodeDib(data, size); });
  if (dib.ok) CheckReadable(dib.bitmap);
  const Decoded file = Try([&] { return kinloom::DecodeBmpFile(data, size); });
  if (!file.ok) return 0;
  CheckReadable(file.bitmap);
  // Where the pixels follow the header and palette straight away, the file holds a packed DIB.
  const std::uint8_t* packed = data + kFileHeaderSize;
  const Decoded inner = Try([&] { return kinloom::DecodeDib(packed, size - kFileHeaderSize); });
  const std::uint32_t headerSize = Read32(packed);
  const std::uint32_t paletteSize = Read32(packed + 32);
  const std::uint32_t bitCount = packed[14];
  const std::uint64_t packedOffset =
      kFileHeaderSize + std::uint64_t{headerSize} +
      4 * std::uint64_t{paletteSize != 0 ? paletteSize : (bitCount == 8 ? 256 : 0)};
  if (Read32(data + 10) == packedOffset && !(inner.ok && SamePixels(inner.bitmap, file.bitmap))) {
    std::abort();
  }
  return 0;
}
