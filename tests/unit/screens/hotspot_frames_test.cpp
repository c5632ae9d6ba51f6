// The three frames of a hotspot under the pointer, read back from the screen's pixels.
#include <gtest/gtest.h>

#include "screens/family_screen.h"
#include "screens/main_menu.h"
#include "screens/research_screen.h"
#include "tests/support/allocation_counter.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

// Main menu hotspots by tag.
constexpr int kResearch = 3, kAncestry = 4, kTutor = 5;
constexpr int kNormal = 0, kHovered = 1, kPressed = 2;

class HotspotFramesTest : public ScreensTest {
 protected:
  HotspotFramesTest() { ShowMainMenu(); }
  TfrmMain& main = *frmMain;
};

TEST_F(HotspotFramesTest, PointerOverHotspotsAndBackground) {
  const long copies = Bitmap::CopyRectCount();
  backend.MovePointer(main, kBackground);
  EXPECT_EQ(Bitmap::CopyRectCount(), copies) << "nothing was hovered, nothing to repaint";

  backend.MovePointer(main, CentreOf(main, kResearch));
  EXPECT_EQ(FrameShown(main, kResearch), kHovered);
  EXPECT_EQ(main.HoveredTag, kResearch);

  backend.paints.clear();
  backend.MovePointer(main, {CentreOf(main, kResearch).x + 5, CentreOf(main, kResearch).y + 3});
  EXPECT_TRUE(backend.paints.empty()) << "moving inside one hotspot repaints nothing";

  // Straight onto another hotspot: the new one turns hovered before the old one turns normal.
  backend.MovePointer(main, CentreOf(main, kAncestry));
  ASSERT_EQ(backend.paints.size(), 2u);
  EXPECT_EQ(backend.paints[0].second, main.HotspotByTag(kAncestry).Bounds());
  EXPECT_EQ(backend.paints[1].second, main.HotspotByTag(kResearch).Bounds());
  EXPECT_EQ(FrameShown(main, kAncestry), kHovered);
  EXPECT_EQ(FrameShown(main, kResearch), kNormal);

  backend.MovePointer(main, kBackground);
  EXPECT_EQ(FrameShown(main, kAncestry), kNormal);
  EXPECT_EQ(main.HoveredTag, 0);
}

TEST_F(HotspotFramesTest, ClickShowsPressedWhileTheActionRunsThenNormal) {
  system.QueueShellCode(2);  // the web page fails, so the action waits on a box
  int frameDuringAction = -1;
  backend.Boxes().Answer(kResultOk, [&] { frameDuringAction = FrameShown(main, kAncestry); });
  backend.Click(main, CentreOf(main, kAncestry));
  EXPECT_EQ(frameDuringAction, kPressed);
  EXPECT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(FrameShown(main, kAncestry), kNormal);

  backend.MovePointer(main, {CentreOf(main, kAncestry).x + 4, CentreOf(main, kAncestry).y});
  EXPECT_EQ(FrameShown(main, kAncestry), kNormal) << "hovered again only after leaving";
  backend.MovePointer(main, kBackground);
  backend.MovePointer(main, CentreOf(main, kAncestry));
  EXPECT_EQ(FrameShown(main, kAncestry), kHovered);
}

TEST_F(HotspotFramesTest, RightAndMiddleButtonsPressWithoutAction) {
  for (MouseButton button : {MouseButton::kRight, MouseButton::kMiddle}) {
    SCOPED_TRACE(static_cast<int>(button));
    backend.Press(main, CentreOf(main, kAncestry), button);
    EXPECT_EQ(FrameShown(main, kAncestry), kPressed);
    backend.Release(main, CentreOf(main, kAncestry), button);
    EXPECT_EQ(FrameShown(main, kAncestry), kNormal);
  }
  EXPECT_TRUE(system.ShellCalls().empty());
}

TEST_F(HotspotFramesTest, DragOffAndReleaseOutsideRunsNoAction) {
  backend.MovePointer(main, CentreOf(main, kAncestry));
  backend.Press(main, CentreOf(main, kAncestry));
  backend.MovePointer(main, kBackground);
  EXPECT_EQ(FrameShown(main, kAncestry), kPressed) << "the pressed hotspot holds the pointer";
  backend.Release(main, kBackground);
  EXPECT_EQ(FrameShown(main, kAncestry), kNormal);
  EXPECT_TRUE(system.ShellCalls().empty());

  const long copies = Bitmap::CopyRectCount();
  backend.MovePointer(main, kBackground);
  EXPECT_EQ(Bitmap::CopyRectCount(), copies + 1) << "painted normal once more";
  EXPECT_EQ(main.HoveredTag, 0);
}

TEST_F(HotspotFramesTest, DoubleClickRunsTheActionOnce) {
  backend.DoubleClick(main, CentreOf(main, kAncestry));
  EXPECT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(FrameShown(main, kAncestry), kNormal);
}

TEST_F(HotspotFramesTest, EachEventCopiesAtMostTwoRectanglesAndAllocatesNothing) {
  const Point research = CentreOf(main, kResearch), tutor = CentreOf(main, kTutor);
  const std::vector<std::function<void()>> events = {
      [&] { backend.MovePointer(main, research); },
      [&] { backend.MovePointer(main, tutor); },
      [&] { backend.Press(main, tutor, MouseButton::kRight); },
      [&] { backend.MovePointer(main, tutor); },
      [&] { backend.Release(main, tutor, MouseButton::kRight); },
      [&] { backend.MovePointer(main, kBackground); },
  };
  for (std::size_t i = 0; i < events.size(); ++i) {
    SCOPED_TRACE(i);
    const long copies = Bitmap::CopyRectCount();
    const long allocations = AllocationCount();
    events[i]();
    EXPECT_EQ(AllocationCount(), allocations);
    EXPECT_LE(Bitmap::CopyRectCount() - copies, 2);
  }
}

TEST_F(HotspotFramesTest, CountOfZeroFramesPreparesNothing) {
  Picture hotspot, strip;
  hotspot.tag = 1;
  const std::uint16_t width = main.FrameWidth[1];
  main.PrepareHotspot(hotspot, strip, {10, 30}, 0);
  EXPECT_EQ(hotspot.width, 0);
  EXPECT_EQ(main.FrameWidth[1], width);
  EXPECT_TRUE(strip.visible);
}

// Sub-screens, reached through the main menu as the user reaches them.
class SubScreenFramesTest : public HotspotFramesTest {};

TEST_F(SubScreenFramesTest, FamilyPageHotspotShowsNormalWhilePressed) {
  constexpr int kMyFamily = 3, kNames = 4, kToMain = 6;
  TfrmFamily& family = *frmFamily;
  backend.Then([&] {
    backend.MovePointer(family, CentreOf(family, kMyFamily));
    EXPECT_EQ(FrameShown(family, kMyFamily), kHovered);
    backend.Press(family, CentreOf(family, kMyFamily));
    EXPECT_EQ(FrameShown(family, kMyFamily), kNormal);
    backend.Release(family, CentreOf(family, kMyFamily));
    EXPECT_EQ(FrameShown(family, kMyFamily), kNormal);
    backend.Press(family, CentreOf(family, kNames), MouseButton::kRight);
    EXPECT_EQ(FrameShown(family, kNames), kPressed) << "the other hotspots show pressed";
    backend.Release(family, CentreOf(family, kNames), MouseButton::kRight);
    backend.Click(family, CentreOf(family, kToMain));
  });
  backend.Click(main, CentreOf(main, 8));
  EXPECT_EQ(system.ShellCalls().size(), 1u) << "the family page opened";
}

TEST_F(SubScreenFramesTest, SecondShowingKeepsTheHoverStateAndScreensPaintOnlyThemselves) {
  constexpr int kEllis = 3, kToMain = 7;
  TfrmResearch& research = *frmResearch;
  backend.Then([&] {
    // Tag 3 on this screen is not the main menu's pressed tag 3.
    backend.paints.clear();
    backend.MovePointer(research, CentreOf(research, kEllis));
    backend.MovePointer(research, kBackground);
    for (const auto& paint : backend.paints) EXPECT_EQ(paint.first, &research);
    EXPECT_EQ(FrameShown(main, kResearch), kPressed);
    backend.Click(research, CentreOf(research, kToMain));
  });
  backend.Click(main, CentreOf(main, kResearch));
  ASSERT_EQ(research.HoveredTag, kToMain);

  backend.Then([&] {
    backend.MovePointer(research, CentreOf(research, kToMain));
    EXPECT_EQ(FrameShown(research, kToMain), kNormal) << "still the hovered tag from last time";
    backend.MovePointer(research, kBackground);
    backend.MovePointer(research, CentreOf(research, kToMain));
    EXPECT_EQ(FrameShown(research, kToMain), kHovered);
    backend.Click(research, CentreOf(research, kToMain));
  });
  backend.Click(main, CentreOf(main, kResearch));
}

}  // namespace
}  // namespace kinloom
