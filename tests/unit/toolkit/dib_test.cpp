// Decoding packed DIBs and .bmp files, and refusing malformed ones.
#include "platform/toolkit/dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/error.h"

namespace kinloom::toolkit_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// The colour of pixel (x, y) in the test images, and its palette index in the 8-bit one.
std::uint8_t IndexAt(int x, int y) {
  return static_cast<std::uint8_t>(y * 16 + x);
}
std::uint32_t PaletteColour(int index) {
  const auto i = static_cast<std::uint32_t>(index);
  return i << 16 | (255 - i) << 8 | (i ^ 0x5A);
}
std::uint32_t TrueColour(int x, int y) {
  return 0x100000u * (x + 1) | 0x000100u * (y + 1) | 0x33;
}

// A packed DIB of width 3 (rows padded to 4 bytes) and height 2, rows in storage order.
Bytes MakeDib(int bitCount, bool topDown, std::uint32_t paletteEntries = 0) {
  const int width = 3, height = 2;
  const std::uint32_t palette = bitCount == 8 ? (paletteEntries ? paletteEntries : 256) : 0;
  const std::size_t stride = (width * bitCount + 31) / 32 * 4;
  Bytes b(40 + 4 * palette + stride * height, 0);
  Put32(b, 0, 40);
  Put32(b, 4, width);
  Put32(b, 8, static_cast<std::uint32_t>(topDown ? -height : height));
  Put16(b, 12, 1);
  Put16(b, 14, static_cast<std::uint16_t>(bitCount));
  Put32(b, 32, paletteEntries);
  for (std::uint32_t i = 0; i < palette; ++i) Put32(b, 40 + 4 * i, PaletteColour(i));
  for (int stored = 0; stored < height; ++stored) {
    const int y = topDown ? stored : height - 1 - stored;
    std::uint8_t* row = &b[40 + 4 * palette + stride * stored];
    for (int x = 0; x < width; ++x) {
      if (bitCount == 8) {
        row[x] = IndexAt(x, y);
      } else {
        const std::uint32_t c = TrueColour(x, y);
        row[3 * x] = c & 0xFF;
        row[3 * x + 1] = (c >> 8) & 0xFF;
        row[3 * x + 2] = (c >> 16) & 0xFF;
      }
    }
  }
  return b;
}

Bytes AsFile(const Bytes& dib, std::uint32_t paletteEntries) {
  Bytes file(14, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<std::uint32_t>(14 + dib.size()));
  Put32(file, 10, 14 + 40 + 4 * paletteEntries);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

void ExpectPixels(const Bitmap& bitmap, int bitCount) {
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.SourceBitsPerPixel(), bitCount);
  EXPECT_EQ(bitmap.IsIndexed(), bitCount == 8) << "256-colour art stays indexed";
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      const std::uint32_t expected =
          bitCount == 8 ? PaletteColour(IndexAt(x, y)) : TrueColour(x, y);
      EXPECT_EQ(bitmap.Pixel(x, y), expected) << "at (" << x << ", " << y << ")";
    }
  }
}

TEST(Dib, DecodesBothDepthsInBothRowOrders) {
  for (int bitCount : {8, 24}) {
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(::testing::Message() << bitCount << " bpp, top-down " << topDown);
      const Bytes dib = MakeDib(bitCount, topDown);
      ExpectPixels(DecodeDib(dib.data(), dib.size()), bitCount);
      const Bytes file = AsFile(dib, bitCount == 8 ? 256 : 0);
      ExpectPixels(DecodeBmpFile(file.data(), file.size()), bitCount);
    }
  }
}

TEST(Dib, AShortPaletteIsReadFromItsCount) {
  Bytes fitting = MakeDib(8, false, 16);
  // Row 1 holds indices 16 and up; fold them into the 16 entries.
  for (std::size_t i = 40 + 64; i < fitting.size(); ++i) fitting[i] &= 0x0F;
  const Bitmap bitmap = DecodeDib(fitting.data(), fitting.size());
  EXPECT_EQ(bitmap.Pixel(2, 0), PaletteColour(2));
  EXPECT_EQ(bitmap.Pixel(1, 1), PaletteColour(1));
}

TEST(Dib, MalformedInputRaisesAnError) {
  const struct {
    const char* what;
    std::function<void(Bytes&)> spoil;
  } cases[] = {
      {"empty", [](Bytes& b) { b.clear(); }},
      {"header cut short", [](Bytes& b) { b.resize(39); }},
      {"header size too small", [](Bytes& b) { Put32(b, 0, 12); }},
      {"header size beyond the data", [](Bytes& b) { Put32(b, 0, 0x7FFFFFF0); }},
      {"two planes", [](Bytes& b) { Put16(b, 12, 2); }},
      {"4 bpp", [](Bytes& b) { Put16(b, 14, 4); }},
      {"32 bpp", [](Bytes& b) { Put16(b, 14, 32); }},
      {"run-length compressed", [](Bytes& b) { Put32(b, 16, 1); }},
      {"zero width", [](Bytes& b) { Put32(b, 4, 0); }},
      {"negative width", [](Bytes& b) { Put32(b, 4, static_cast<std::uint32_t>(-3)); }},
      {"zero height", [](Bytes& b) { Put32(b, 8, 0); }},
      {"most negative height", [](Bytes& b) { Put32(b, 8, 0x80000000u); }},
      {"huge width", [](Bytes& b) { Put32(b, 4, 0x40000000); }},
      {"palette over 256", [](Bytes& b) { Put32(b, 32, 257); }},
      {"palette cut short", [](Bytes& b) { b.resize(40 + 100); }},
      {"pixels cut short", [](Bytes& b) { b.pop_back(); }},
      {"taller than its pixels", [](Bytes& b) { Put32(b, 8, 3); }},
      {"index outside a short palette", [](Bytes& b) { Put32(b, 32, 4); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes dib = MakeDib(8, false);
    c.spoil(dib);
    EXPECT_THROW(DecodeDib(dib.data(), dib.size()), Error);
  }
}

TEST(Dib, MalformedFileHeadersRaiseAnError) {
  const struct {
    const char* what;
    std::function<void(Bytes&)> spoil;
  } cases[] = {
      {"shorter than the file header", [](Bytes& b) { b.resize(10); }},
      {"not BM", [](Bytes& b) { b[1] = 'A'; }},
      {"bits offset inside the header", [](Bytes& b) { Put32(b, 10, 20); }},
      {"bits offset past the end", [](Bytes& b) { Put32(b, 10, 0xFFFFFFF0u); }},
      {"bits offset leaving too few bytes", [](Bytes& b) { Put32(b, 10, b.size() - 4); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes file = AsFile(MakeDib(24, false), 0);
    c.spoil(file);
    EXPECT_THROW(DecodeBmpFile(file.data(), file.size()), Error);
  }
}

}  // namespace
}  // namespace kinloom::toolkit_test
