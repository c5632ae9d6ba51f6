// Every screen's hotspot table held against the layout rules and the real art.
#include <gtest/gtest.h>

#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

using ScreenLayoutTest = ScreensTest;

struct ScreenCase {
  HotspotMenuScreen* screen;
  const char* title;
  int hotspots;
  int clientHeight;
};

bool FramesDiffer(const Bitmap& strip, int frameHeight, int a, int b) {
  for (int y = 0; y < frameHeight; ++y) {
    for (int x = 0; x < strip.Width(); ++x) {
      if (strip.Pixel(x, a * frameHeight + y) != strip.Pixel(x, b * frameHeight + y)) return true;
    }
  }
  return false;
}

TEST_F(ScreenLayoutTest, EveryHotspotFitsItsScreenAndItsArt) {
  const ScreenCase cases[] = {
      {frmMain, "Kinloom 7.0 Solstice Edition", 9, 453},
      {frmResearch, "Kinloom Research Center", 8, 452},
      {frmFamily, "Kinloom Family Center", 6, 452},
      {frmTY, "Kinloom Tessary Center", 8, 452},
      {frmInternet, "Kinloom Internet Center", 8, 452},
  };
  for (const ScreenCase& c : cases) {
    SCOPED_TRACE(c.title);
    HotspotMenuScreen& screen = *c.screen;
    screen.Show();  // which decodes its art
    EXPECT_EQ(screen.title, c.title);
    EXPECT_EQ(screen.clientWidth, 632);
    EXPECT_EQ(screen.clientHeight, c.clientHeight);
    const Rect client{0, 0, screen.clientWidth, screen.clientHeight};
    EXPECT_EQ(screen.Background().Bounds(), client);
    EXPECT_EQ(screen.Background().Image().GetSize(), (Size{632, 453}));
    EXPECT_EQ(screen.Background().Image().SourceBitsPerPixel(), 8);
    ASSERT_EQ(screen.HotspotCount(), c.hotspots);

    for (const HotspotLayout& row : screen.Layout()) {
      SCOPED_TRACE(row.hotspot);
      ASSERT_GE(row.tag, 1);
      ASSERT_LE(row.tag, c.hotspots);
      const Picture& hotspot = screen.HotspotByTag(row.tag);
      const Picture& strip = *screen.ArtForTag[row.tag];
      EXPECT_EQ(hotspot.name, row.hotspot);
      EXPECT_EQ(hotspot.tag, row.tag);
      EXPECT_EQ(strip.name, row.strip);
      EXPECT_FALSE(strip.visible);
      EXPECT_EQ(hotspot.Bounds().Intersect(client), hotspot.Bounds()) << "inside the client area";
      for (const HotspotLayout& other : screen.Layout()) {
        if (other.tag != row.tag) {
          EXPECT_TRUE(hotspot.Bounds().Intersect(screen.HotspotByTag(other.tag).Bounds()).IsEmpty())
              << "overlaps " << other.hotspot;
        }
      }
      // The art as drawn: the strip size of the table, 256 colours, three different frames.
      const Bitmap& art = strip.Image();
      EXPECT_EQ(art.GetSize(), (Size{row.stripWidth, row.stripHeight}));
      EXPECT_EQ(art.Height() % 3, 0);
      EXPECT_EQ(art.SourceBitsPerPixel(), 8);
      const int frameHeight = art.Height() / 3;
      EXPECT_TRUE(FramesDiffer(art, frameHeight, 0, 1) && FramesDiffer(art, frameHeight, 1, 2) &&
                  FramesDiffer(art, frameHeight, 0, 2));
      EXPECT_EQ((Size{hotspot.width, hotspot.height}), (Size{art.Width(), frameHeight}))
          << "one frame of its strip";
      EXPECT_EQ(screen.FrameWidth[row.tag], art.Width());
      EXPECT_EQ(screen.FrameHeight[row.tag], frameHeight);
      EXPECT_EQ(FrameShown(screen, row.tag), 0) << "normal once shown";
    }
  }
}

}  // namespace
}  // namespace kinloom
