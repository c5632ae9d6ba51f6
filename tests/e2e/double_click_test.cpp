// A double click is one click wherever its second press lands: on a sub-screen the first click
// opened, on the main menu it brought back, on the screen beneath a box it closed.
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

// Where both rectangles lie, as one point in the middle; fails the case when they do not meet.
POINT MiddleOfOverlap(const RECT& a, const RECT& b) {
  RECT both;
  EXPECT_TRUE(IntersectRect(&both, &a, &b)) << "the two places do not overlap";
  return CentreOf(both);
}

class DoubleClickTest : public MenuTest {
 protected:
  // Quits from `window`: quitting comes after the second press in the input queue, so once the
  // menu has ended, whatever that press did has happened. Nothing may have started.
  void QuitAndExpectNothingStarted(HWND window, const MenuScreen& screen) {
    Click(window, screen, "btnQuit");
    ExpectMenuEndsWithReminder("0");
    ExpectStartedInAll(0);
  }
};

TEST_F(DoubleClickTest, MainMenuHotspotOverASubScreenHotspotOnlyOpensTheSubScreen) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  // Once it has been shown, the family screen comes up before a person's second press.
  HWND familyScreen = OpenSubScreen(main, FamilyScreen());
  ASSERT_TRUE(familyScreen);
  Click(familyScreen, FamilyScreen(), "btnToMain");
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
  // Family Center, where the family screen puts its My Family web page.
  const POINT at = menu_.ScreenPoint(main, 90, 310);
  const RECT family = menu_.HotspotArea(main, MainScreen().Find("btnFamily"));
  const RECT myFamily = menu_.HotspotArea(main, FamilyScreen().Find("btnMyFamily"));
  ASSERT_TRUE(PtInRect(&family, at) && PtInRect(&myFamily, at));
  DoubleClickAt(at);
  ASSERT_TRUE(menu_.WaitForWindow(FamilyScreen().title));
  QuitAndExpectNothingStarted(familyScreen, FamilyScreen());
}

TEST_F(DoubleClickTest, SubScreenMainMenuHotspotOverAMainMenuHotspotOnlyGoesBack) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  // The sub-screen stands where the main menu stood, so one client point means both.
  const POINT at = MiddleOfOverlap(menu_.HotspotArea(tessary, TessaryScreen().Find("btnToMain")),
                                   menu_.HotspotArea(tessary, MainScreen().Find("btnAncestry")));
  DoubleClickAt(at);
  ASSERT_TRUE(menu_.WaitUntilHidden(tessary));
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
  QuitAndExpectNothingStarted(main, MainScreen());
}

TEST_F(DoubleClickTest, BoxButtonOverAHotspotOnlyAnswersTheBox) {
  BuildStandardWorld();
  world_.RemovePartnerKeys();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  Click(tessary, TessaryScreen(), "btnCensus");
  const BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", "Census Record Viewer is not installed. Install now?",
            {{"&Yes", kIdYes}, {"&No", kIdNo}, {"Cancel", kIdCancel}});
  ASSERT_NE(ButtonWithId(box, kIdNo), nullptr);
  const POINT at = MiddleOfOverlap(ButtonWithId(box, kIdNo)->rect,
                                   menu_.HotspotArea(tessary, TessaryScreen().Find("btnLand")));
  DoubleClickAt(at);
  ASSERT_TRUE(menu_.WaitUntilHidden(box.window));
  QuitAndExpectNothingStarted(tessary, TessaryScreen());
}

// The box the first click opens lies under the pointer: the second press must not answer it.
TEST_F(DoubleClickTest, HotspotWhoseBoxOpensUnderThePointerKeepsTheBox) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tree7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnArbora");
  const BoxView first = WaitForBox("Error");
  ASSERT_NE(ButtonWithId(first, kIdCancel), nullptr);
  const POINT at = MiddleOfOverlap(ButtonWithId(first, kIdCancel)->rect,
                                   menu_.HotspotArea(main, MainScreen().Find("btnArbora")));
  Answer(first, kIdCancel);
  ASSERT_TRUE(menu_.WaitUntilHidden(first.window));
  DoubleClickAt(at);
  const BoxView box = WaitForBox("Error");
  // Answered after the second press in the input queue: a box that press closed is not there,
  // and this click would land on the hotspot and bring the box back.
  Answer(box, kIdCancel);
  ASSERT_TRUE(menu_.WaitUntilHidden(box.window));
  QuitAndExpectNothingStarted(main, MainScreen());
}

}  // namespace
}  // namespace kinloom::e2e
