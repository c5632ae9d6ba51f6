// A screen at another display scale: its art drawn for that scale, its layout and pointer still
// in 96-DPI numbers, and each hotspot's frame kept when the scale changes under it.
#include <gtest/gtest.h>

#include "platform/toolkit/art_reduction.h"
#include "platform/toolkit/display_scale.h"
#include "tests/support/same_pixels.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

class DisplayScaleTest : public ScreensTest {
 protected:
  // Whether every strip of the screen is its 2x art reduced for its hotspot's place at `dpi`.
  void ExpectStripsDrawnFor(HotspotMenuScreen& screen, int dpi) {
    for (const HotspotLayout& row : screen.Layout()) {
      SCOPED_TRACE(row.strip);
      const Bitmap art2x = app.LoadArt(std::string("main-") + row.strip, 2);
      const Bitmap expected = dpi == kArt2xDpi
                                  ? art2x
                                  : ReduceArt(art2x, screen.HotspotByTag(row.tag).Bounds(), 3, dpi);
      EXPECT_TRUE(SamePixels(screen.ArtForTag[row.tag]->Image(), expected));
    }
  }

  TfrmMain& main = *frmMain;
};

TEST_F(DisplayScaleTest, AScreenShowsArtForItsScaleAndKeepsEachFrameWhenTheScaleChanges) {
  backend.SetDpi(144);
  ShowMainMenu();
  for (const auto& load : backend.ArtLoads()) EXPECT_EQ(load.second, 2) << load.first;
  EXPECT_EQ(backend.ClientPixels(main).GetSize(), (Size{948, 680}));
  ExpectStripsDrawnFor(main, 144);
  const Bitmap background =
      ReduceArt(app.LoadArt("main-artMainBackground", 2), {0, 0, 632, 453}, 1, 144);
  EXPECT_EQ(backend.ClientPixels(main).Pixel(6, 6), background.Pixel(6, 6));

  // The pointer and the hotspots keep their 96-DPI numbers.
  const int arbora = TagOf(main, "btnArbora"), tutor = TagOf(main, "btnTutor");
  backend.MovePointer(main, CentreOf(main, arbora));
  EXPECT_EQ(FrameShown(main, arbora), 1);
  EXPECT_EQ(FrameShown(main, tutor), 0);

  // Moved onto a monitor at 192 DPI: the 2x art as it is, and Arbora still hovered.
  main.SetDpi(192);
  EXPECT_EQ(backend.ClientPixels(main).GetSize(), (Size{1264, 906}));
  ExpectStripsDrawnFor(main, 192);
  EXPECT_EQ(FrameShown(main, arbora), 1);
  EXPECT_EQ(FrameShown(main, tutor), 0);
  backend.MovePointer(main, CentreOf(main, tutor));
  EXPECT_EQ(FrameShown(main, arbora), 0);
  EXPECT_EQ(FrameShown(main, tutor), 1);
  EXPECT_TRUE(backend.TakeErrorReports().empty());
}

}  // namespace
}  // namespace kinloom
