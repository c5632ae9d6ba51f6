// The menu on a display at another scale (scripts/test runs this at 192 DPI, in a prefix of its
// own): a click, the hover frame and an accessibility client all meet a hotspot at its scaled
// place, and the window is the layout's size at that scale.
#include "platform/toolkit/display_scale.h"
#include "tests/e2e/accessible_client.h"
#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

class DisplayScaleTest : public MenuTest {
 protected:
  ComApartment com_;
};

TEST_F(DisplayScaleTest, AHotspotIsHoveredReadAndClickedAtItsScaledPlace) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const int dpi = menu_.Dpi();
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, ScaleToDpi(MainScreen().clientWidth, dpi)) << "at " << dpi << " DPI";
  EXPECT_EQ(client.bottom, ScaleToDpi(MainScreen().clientHeight, dpi));

  // The hovered frame of the art for this scale fills exactly the scaled rectangle.
  const Hotspot& arbora = MainScreen().Find("btnArbora");
  ASSERT_TRUE(HoverOnto(menu_, main, MainScreen(), arbora));
  const RECT area = menu_.HotspotArea(main, arbora);

  // "Arbora Family Tree" is third in reading order.
  constexpr long kArboraChild = 3;
  Accessible reader = AccessibleOf(main, OBJID_CLIENT);
  ASSERT_TRUE(reader);
  long left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(reader->accLocation(&left, &top, &width, &height, Child(kArboraChild)), S_OK);
  EXPECT_EQ(left, area.left);
  EXPECT_EQ(top, area.top);
  EXPECT_EQ(width, area.right - area.left);
  EXPECT_EQ(height, area.bottom - area.top);
  VARIANT hit;
  ASSERT_EQ(reader->accHitTest(area.right - 1, area.bottom - 1, &hit), S_OK);
  EXPECT_EQ(hit.lVal, kArboraChild);

  // The hotspot's last pixel, far outside its 96-DPI rectangle at a larger scale, starts the tree
  // program.
  ClickAt(POINT{area.right - 1, area.bottom - 1});
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "suite\\Tree7s.exe", "suite");
}

}  // namespace
}  // namespace kinloom::e2e
