// Sub-screens end to end: shown at the main menu's place, back to the main menu where the user
// left them, and quitting from them by hotspot or close box.
#include <cstdlib>
#include <vector>

#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

using SubScreenTest = MenuTest;

const MenuScreen* const kSubScreens[] = {&ResearchScreen(), &FamilyScreen(), &TessaryScreen(),
                                         &InternetScreen()};

POINT TopLeft(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  return POINT{outer.left, outer.top};
}

bool HasStyle(HWND window, LONG style) {
  return (GetWindowLongA(window, GWL_STYLE) & style) != 0;
}

TEST_F(SubScreenTest, RoundTripsShowTheMainMenuWhereTheSubScreenWasLeft) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  RECT outer, client;
  GetWindowRect(main, &outer);
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, MainScreen().clientWidth);
  EXPECT_EQ(client.bottom, MainScreen().clientHeight);
  EXPECT_LE(std::abs(outer.left + outer.right - GetSystemMetrics(SM_CXSCREEN)), 1)
      << "the main menu is not centred across the screen";
  EXPECT_LE(std::abs(outer.top + outer.bottom - GetSystemMetrics(SM_CYSCREEN)), 1)
      << "the main menu is not centred down the screen";
  EXPECT_TRUE(HasStyle(main, WS_MINIMIZEBOX));
  EXPECT_FALSE(HasStyle(main, WS_MAXIMIZEBOX | WS_THICKFRAME)) << "the main menu can be resized";
  int shift = 0;
  for (const MenuScreen* screen : kSubScreens) {
    SCOPED_TRACE(screen->title);
    const POINT mainAt = TopLeft(main);
    HWND sub = OpenSubScreen(main, *screen);
    ASSERT_TRUE(sub);
    EXPECT_TRUE(menu_.WaitUntilHidden(main)) << "the main menu stayed visible";
    // Owned by the main menu it stands in for, with the one taskbar button.
    EXPECT_EQ(GetWindow(sub, GW_OWNER), main);
    EXPECT_EQ(TaskbarButtons(menu_.ProcessId()), std::vector<HWND>{sub});
    EXPECT_EQ(TopLeft(sub).x, mainAt.x);
    EXPECT_EQ(TopLeft(sub).y, mainAt.y);
    GetClientRect(sub, &client);
    EXPECT_EQ(client.right, screen->clientWidth);
    EXPECT_EQ(client.bottom, screen->clientHeight);
    EXPECT_FALSE(HasStyle(sub, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    shift += 20;
    EXPECT_TRUE(DragTitleBar(sub, shift, shift / 2)) << "no move began";
    const POINT movedTo = TopLeft(sub);
    EXPECT_EQ(movedTo.x, mainAt.x + shift) << "the drag did not move the window";
    Click(sub, *screen, "btnToMain");
    ASSERT_TRUE(menu_.WaitUntilHidden(sub)) << "btnToMain did not close the sub-screen";
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }))
        << "the main menu did not come back";
    EXPECT_EQ(TopLeft(main).x, movedTo.x);
    EXPECT_EQ(TopLeft(main).y, movedTo.y);
    EXPECT_TRUE(
        WaitFor([&] { return TaskbarButtons(menu_.ProcessId()) == std::vector<HWND>{main}; }));
  }
}

TEST_F(SubScreenTest, QuitHotspotAndCloseBoxOfEverySubScreenEndTheMenu) {
  for (const MenuScreen* screen : kSubScreens) {
    for (const bool closeBox : {false, true}) {
      SCOPED_TRACE(std::string(screen->title) + (closeBox ? " close box" : " btnQuit"));
      BuildStandardWorld();
      HWND main = StartMenu();
      ASSERT_TRUE(main);
      HWND sub = OpenSubScreen(main, *screen);
      ASSERT_TRUE(sub);
      if (closeBox) {
        menu_.ClickCloseBox(sub);
      } else {
        Click(sub, *screen, "btnQuit");
      }
      ExpectMenuEndsWithReminder("0");
    }
  }
}

}  // namespace
}  // namespace kinloom::e2e
