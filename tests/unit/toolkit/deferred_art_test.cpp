// Art decoded on first use: the same pixels as decoding at once, checked headers at once, and
// no decoding before the pixels are touched.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/error.h"
#include "platform/toolkit/dib.h"

namespace kinloom::toolkit_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A packed 8-bit DIB of 5 x 3 pixels (rows padded to 8 bytes) with a 4-colour palette, stored
// bottom-up or top-down; pixel (x, y) has index (x + y) % 4.
constexpr int kWidth = 5;
constexpr int kHeight = 3;
constexpr std::size_t kBits = 40 + 4 * 4;
constexpr std::size_t kStride = 8;

Bytes MakeDib(bool topDown) {
  Bytes b(kBits + kStride * kHeight, 0);
  Put32(b, 0, 40);
  Put32(b, 4, kWidth);
  Put32(b, 8, static_cast<std::uint32_t>(topDown ? -kHeight : kHeight));
  b[12] = 1;
  b[14] = 8;
  Put32(b, 32, 4);
  const std::uint32_t palette[] = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF};
  for (int i = 0; i < 4; ++i) Put32(b, 40 + 4 * i, palette[i]);
  for (int stored = 0; stored < kHeight; ++stored) {
    const int y = topDown ? stored : kHeight - 1 - stored;
    for (int x = 0; x < kWidth; ++x) b[kBits + kStride * stored + x] = (x + y) % 4;
  }
  return b;
}

void ExpectSamePixels(const Bitmap& a, const Bitmap& b) {
  ASSERT_EQ(a.GetSize().width, b.GetSize().width);
  ASSERT_EQ(a.GetSize().height, b.GetSize().height);
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      EXPECT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

TEST(DeferredArtTest, DecodesTheSamePixelsAsAtOnce) {
  for (const bool topDown : {false, true}) {
    SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
    const Bytes dib = MakeDib(topDown);
    const Bitmap deferred = DecodeDibOnFirstUse(dib.data(), dib.size());
    EXPECT_EQ(deferred.Width(), kWidth);
    EXPECT_EQ(deferred.Height(), kHeight);
    EXPECT_EQ(deferred.SourceBitsPerPixel(), 8);
    ExpectSamePixels(deferred, DecodeDib(dib.data(), dib.size()));
  }
}

TEST(DeferredArtTest, ReadsThePixelsOnlyWhenFirstUsedAndEachCopyOnItsOwn) {
  Bytes dib = MakeDib(true);
  const Bitmap first = DecodeDibOnFirstUse(dib.data(), dib.size());
  const Bitmap copy = first;
  dib[kBits] = 3;  // top-left pixel, changed after creation
  EXPECT_EQ(first.Pixel(0, 0), 0x0000FFu) << "decoded at creation instead of first use";
  dib[kBits] = 1;
  EXPECT_EQ(copy.Pixel(0, 0), 0xFF0000u);
  dib[kBits] = 2;
  EXPECT_EQ(first.Pixel(0, 0), 0x0000FFu) << "decoded twice";

  // A copy into it fills it first, so the rest of it keeps the art.
  Bitmap target = DecodeDibOnFirstUse(dib.data(), dib.size());
  const Bitmap black(1, 1, 0);
  target.CopyRect(0, 0, black, {0, 0, 1, 1});
  EXPECT_EQ(target.Pixel(0, 0), 0u);
  EXPECT_EQ(target.Pixel(1, 0), 0xFF0000u);
}

TEST(DeferredArtTest, RefusesBadHeadersAtOnceAndBadIndexesOnFirstUse) {
  Bytes truncated = MakeDib(false);
  truncated.resize(truncated.size() - 1);
  EXPECT_THROW(DecodeDibOnFirstUse(truncated.data(), truncated.size()), Error);
  Bytes compressed = MakeDib(false);
  compressed[16] = 1;
  EXPECT_THROW(DecodeDibOnFirstUse(compressed.data(), compressed.size()), Error);

  Bytes badIndex = MakeDib(false);
  badIndex[kBits + 2] = 9;  // the palette has 4 colours
  const Bitmap art = DecodeDibOnFirstUse(badIndex.data(), badIndex.size());
  EXPECT_EQ(art.Width(), kWidth);
  EXPECT_THROW(art.Pixel(0, 0), Error);
}

}  // namespace
}  // namespace kinloom::toolkit_test
