// The 96-DPI coordinates at other scales, and the 2x art reduced to them by area averaging.
#include "platform/toolkit/art_reduction.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/error.h"
#include "platform/toolkit/display_scale.h"

namespace kinloom::toolkit_test {
namespace {

TEST(DisplayScaleTest, ScalesCoordinatesToTheNearestPixelAHalfUp) {
  const struct {
    int n, dpi, scaled;
  } cases[] = {
      {7, 96, 7},      {632, 192, 1264}, {1, 120, 1}, {2, 120, 3},   {51, 144, 77},
      {453, 144, 680}, {452, 120, 565},  {0, 144, 0}, {-1, 144, -1}, {-3, 120, -4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleToDpi(c.n, c.dpi), c.scaled) << c.n << " at " << c.dpi;
  }
}

TEST(DisplayScaleTest, ScalesARectangleByItsEdgesSoNeighboursStillMeet) {
  const Rect left = ScaleToDpi(Rect{51, 7, 172, 12}, 144),
             right = ScaleToDpi(Rect{172, 7, 300, 12}, 144);
  EXPECT_EQ(left, (Rect{77, 11, 258, 18}));
  EXPECT_EQ(right.left, left.right);
  EXPECT_EQ(left.Width(), 181) << "not ScaleToDpi(121, 144), which is 182";
}

TEST(DisplayScaleTest, APixelLiesInAScaledEdgesRangeExactlyWhenItsUnscaledPointDoes) {
  for (int dpi : {72, 96, 120, 144, 168, 192, 240}) {
    for (int n = -4; n < 40; ++n) {
      for (int pixel = ScaleToDpi(-5, dpi); pixel < ScaleToDpi(41, dpi); ++pixel) {
        ASSERT_EQ(ScaleToDpi(n, dpi) <= pixel, n <= UnscaleFromDpi(pixel, dpi))
            << "edge " << n << ", pixel " << pixel << " at " << dpi;
      }
    }
  }
}

TEST(DisplayScaleTest, FramesOfStackedArtLieWhereTheReductionPutsThem) {
  // Frames of 20 rows drawn for rows 7 to 27, and 121 columns from 51: at 144 DPI each frame is
  // 30 rows (11 to 41 on the window) and 181 columns (77 to 258), not 182.
  const struct {
    int n, origin, length, dpi, edge;
  } cases[] = {
      // clang-format off
      {0,   7,  20,  144, 0},
      {20,  7,  20,  144, 30},
      {45,  7,  20,  144, 67},
      {60,  7,  20,  144, 90},
      {121, 51, 121, 144, 181},
      {45,  7,  20,  96,  45},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleArtEdge(c.n, c.origin, c.length, c.dpi), c.edge) << c.n << " at " << c.dpi;
  }
}

// A 2x picture (up to 42 x 31) whose pixels all differ: red is 6 x, green 8 y.
Bitmap Gradient(int width, int height) {
  Bitmap art(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) art.SetPixel(x, y, (x * 6u) << 16 | (y * 8u) << 8 | 0x40);
  }
  return art;
}

TEST(ArtReductionTest, UniformFramesStayUniformAndApartAtEveryScale) {
  const std::uint32_t colours[] = {0xFF0000, 0x8040C0, 0x0000FF};
  for (const Rect placed : {Rect{0, 0, 5, 3}, Rect{3, 7, 10, 12}}) {
    const int frameHeight2x = 2 * placed.Height();
    Bitmap strip(2 * placed.Width(), 3 * frameHeight2x);
    for (int f = 0; f < 3; ++f) {
      strip.FillRect({0, f * frameHeight2x, strip.Width(), (f + 1) * frameHeight2x}, colours[f]);
    }
    for (int dpi : {96, 120, 144, 168, 192, 240}) {
      const Rect scaled = ScaleToDpi(placed, dpi);
      const Bitmap reduced = ReduceArt(strip, placed, 3, dpi);
      ASSERT_EQ(reduced.GetSize(), (Size{scaled.Width(), 3 * scaled.Height()})) << dpi;
      for (int y = 0; y < reduced.Height(); ++y) {
        for (int x = 0; x < reduced.Width(); ++x) {
          ASSERT_EQ(reduced.Pixel(x, y), colours[y / scaled.Height()])
              << dpi << ": " << x << "," << y;
        }
      }
    }
  }
}

TEST(ArtReductionTest, At96DpiEach2x2BlockAveragesRoundedToNearest) {
  Bitmap art(4, 2);
  const std::uint32_t block[] = {0x0A0000, 0x140000, 0x1E0001, 0x290001};  // reds sum to 101
  for (int i = 0; i < 4; ++i) art.SetPixel(i % 2, i / 2, block[i]);
  for (int i = 0; i < 4; ++i) art.SetPixel(2 + i % 2, i / 2, 0xFFFFFF);
  const Bitmap reduced = ReduceArt(art, Rect{0, 0, 2, 1}, 1, 96);
  ASSERT_EQ(reduced.GetSize(), (Size{2, 1}));
  EXPECT_EQ(reduced.Pixel(0, 0), 0x190001u) << "red 25.25 and blue 0.5 round to 25 and 1";
  EXPECT_EQ(reduced.Pixel(1, 0), 0xFFFFFFu);
}

TEST(ArtReductionTest, AnOddPlaceCoversThe2xPixelsUnderItsScaledEdges) {
  // At 144 DPI the rectangle (1, 1)-(4, 3) lies at (2, 2)-(6, 5), four pixels across. On the
  // window they start two thirds of a 2x pixel into the picture: the first covers the last third
  // of red 0 and all of red 6, (0 * 1 + 6 * 3) / 4 = 4.5; the third half of 18 and half of 24.
  const Bitmap reduced = ReduceArt(Gradient(6, 4), Rect{1, 1, 4, 3}, 1, 144);
  ASSERT_EQ(reduced.GetSize(), (Size{4, 3}));
  const std::uint32_t reds[] = {5, 14, 21, 29};  // 4.5, 13.5, 21 and 28.5, halves rounded up
  for (int x = 0; x < 4; ++x) EXPECT_EQ(reduced.Pixel(x, 1) >> 16, reds[x]) << x;
}

TEST(ArtReductionTest, AFrameCutFromTheBackgroundMatchesItInsideTheHotspot) {
  const Bitmap background = Gradient(40, 30);
  const Rect hotspot{3, 5, 12, 11};
  Bitmap strip(18, 36, 0x000000);
  strip.CopyRect(0, 0, background, {6, 10, 24, 22});
  for (int dpi : {120, 144, 168}) {
    SCOPED_TRACE(dpi);
    const Bitmap screen = ReduceArt(background, Rect{0, 0, 20, 15}, 1, dpi);
    const Bitmap frames = ReduceArt(strip, hotspot, 3, dpi);
    const Rect scaled = ScaleToDpi(hotspot, dpi);
    // Only the pixels on the rim straddle the hotspot's edge.
    for (int y = 1; y + 1 < scaled.Height(); ++y) {
      for (int x = 1; x + 1 < scaled.Width(); ++x) {
        ASSERT_EQ(frames.Pixel(x, y), screen.Pixel(scaled.left + x, scaled.top + y))
            << x << "," << y;
      }
    }
  }
}

TEST(ArtReductionTest, RefusesArtThatDoesNotFitItsPlace) {
  const Bitmap art(10, 12);
  EXPECT_NO_THROW(ReduceArt(art, Rect{0, 0, 5, 2}, 3, 144));
  EXPECT_THROW(ReduceArt(art, Rect{0, 0, 4, 2}, 3, 144), Error);
  EXPECT_THROW(ReduceArt(art, Rect{0, 0, 5, 3}, 3, 144), Error);
  EXPECT_THROW(ReduceArt(art, Rect{0, 0, 5, 6}, 1, 0), Error);
  EXPECT_THROW(ReduceArt(art, Rect{0, 0, 5, 12}, 0, 144), Error);
}

}  // namespace
}  // namespace kinloom::toolkit_test
