// The plain rectangle copy: exact pixels, clipping on both sides, overlapping copies, indexed art.
#include "platform/toolkit/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kinloom::toolkit_test {
namespace {

// Every pixel distinct: 0x00YYXX plus a marker in the red byte.
Bitmap Numbered(int width, int height, std::uint32_t marker = 0x010000) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, marker | (y << 8) | x);
  }
  return bitmap;
}

// The same pixels held as palette indexes, one palette entry per pixel.
Bitmap NumberedIndexed(int width, int height) {
  const Bitmap colours = Numbered(width, height);
  std::vector<std::uint32_t> palette;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) palette.push_back(colours.Pixel(x, y));
  }
  Bitmap bitmap(width, height, palette);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      bitmap.IndexRow(y)[x] = static_cast<std::uint8_t>(y * width + x);
  }
  return bitmap;
}

// Checks that dst shows src at an offset inside `copied` and the fill colour elsewhere.
void ExpectCopied(const Bitmap& dst, const Bitmap& src, const Rect& copied, int dx, int dy,
                  std::uint32_t fill) {
  for (int y = 0; y < dst.Height(); ++y) {
    for (int x = 0; x < dst.Width(); ++x) {
      const std::uint32_t expected = copied.Contains({x, y}) ? src.Pixel(x - dx, y - dy) : fill;
      ASSERT_EQ(dst.Pixel(x, y), expected) << "at (" << x << ", " << y << ")";
    }
  }
}

TEST(BitmapCopyRect, CopiesExactlyAndClipsToBothBitmapsFromColourOrIndexedArt) {
  const Bitmap colour = Numbered(8, 9);
  const Bitmap indexed = NumberedIndexed(8, 9);
  ASSERT_TRUE(indexed.IsIndexed());
  const struct {
    const char* what;
    int dstX, dstY;
    Rect srcRect;
    Rect copied;  // in the destination
  } cases[] = {
      {"whole frame 1", 0, 0, {0, 3, 8, 6}, {0, 0, 8, 3}},
      {"inner part, offset", 2, 1, {1, 1, 4, 3}, {2, 1, 5, 3}},
      {"past the right and bottom of the destination", 4, 2, {0, 0, 8, 9}, {4, 2, 6, 5}},
      {"negative destination", -2, -1, {0, 0, 4, 3}, {0, 0, 2, 2}},
      {"source rectangle beyond the source", 0, 0, {6, 7, 12, 12}, {0, 0, 2, 2}},
      {"source rectangle starting left of the source", 1, 1, {-2, 0, 2, 2}, {3, 1, 5, 3}},
      {"empty source rectangle", 0, 0, {3, 3, 3, 5}, {}},
      {"entirely outside", 6, 5, {0, 0, 3, 3}, {}},
  };
  for (const Bitmap* src : {&colour, &indexed}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.what << (src->IsIndexed() ? ", indexed" : ""));
      Bitmap dst(6, 5, 0xABCDEF);
      dst.CopyRect(c.dstX, c.dstY, *src, c.srcRect);
      // The offset from source to destination coordinates is fixed by the requested corners.
      ExpectCopied(dst, colour, c.copied, c.dstX - c.srcRect.left, c.dstY - c.srcRect.top,
                   0xABCDEF);
    }
  }
}

TEST(BitmapCopyRect, OverlappingCopiesWithinOneBitmapKeepTheSourcePixels) {
  for (const Point shift : {Point{1, 1}, Point{-1, -1}, Point{2, 0}, Point{0, -2}}) {
    SCOPED_TRACE(::testing::Message() << shift.x << ", " << shift.y);
    const Bitmap original = Numbered(6, 6);
    Bitmap bitmap = original;
    const Rect from{1, 2, 5, 4};
    bitmap.CopyRect(from.left + shift.x, from.top + shift.y, bitmap, from);
    const Rect to = from.Offset(shift.x, shift.y);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 6; ++x) {
        const std::uint32_t expected =
            to.Contains({x, y}) ? original.Pixel(x - shift.x, y - shift.y) : original.Pixel(x, y);
        ASSERT_EQ(bitmap.Pixel(x, y), expected) << "at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(BitmapCopyRect, CountsEveryCall) {
  const Bitmap src = Numbered(2, 2);
  Bitmap dst(2, 2);
  const long before = Bitmap::CopyRectCount();
  dst.CopyRect(0, 0, src, src.Bounds());
  dst.CopyRect(10, 10, src, src.Bounds());  // clipped away, still a call
  EXPECT_EQ(Bitmap::CopyRectCount() - before, 2);
}

TEST(Bitmap, NonPositiveSizesMakeAnEmptyBitmap) {
  EXPECT_TRUE(Bitmap(0, 5).IsEmpty());
  EXPECT_TRUE(Bitmap(-3, 5).IsEmpty());
  EXPECT_EQ(Bitmap(5, 0).Width(), 0);
  Bitmap dst(3, 3, 7);
  dst.CopyRect(0, 0, Bitmap(), {0, 0, 3, 3});
  EXPECT_EQ(dst.Pixel(1, 1), 7u);
}

TEST(Bitmap, IndexedArtIsNeverACopysTarget) {
  Bitmap art(2, 2, std::vector<std::uint32_t>{0x111111, 0x222222});
  art.IndexRow(1)[1] = 1;
  art.CopyRect(0, 0, Bitmap(2, 2, 0x999999), {0, 0, 2, 2});
  art.FillRect({0, 0, 2, 2}, 0x999999);
  EXPECT_EQ(art.Pixel(0, 0), 0x111111u);
  EXPECT_EQ(art.Pixel(1, 1), 0x222222u);
}

}  // namespace
}  // namespace kinloom::toolkit_test
