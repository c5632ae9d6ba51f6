// The menu from the keyboard, end to end with real key input: reading order, the highlight the
// pointer shares, key clicks, and Escape back to the main menu.
#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

class KeyboardTest : public MenuTest {
 protected:
  // Keys go to the foreground window.
  void Focus(HWND window) { ASSERT_TRUE(BringToForeground(window)); }
  // Taps the key until `hotspot` shows hovered and `previous` (if any) normal.
  void ExpectKeyMovesTo(HWND window, const MenuScreen& screen, WORD key, const char* hotspot,
                        const char* previous, bool shift = false) {
    SCOPED_TRACE(hotspot);
    if (shift) KeyDown(VK_SHIFT);
    TapKey(key);
    if (shift) KeyUp(VK_SHIFT);
    EXPECT_TRUE(menu_.WaitForFrame(window, screen, screen.Find(hotspot), kHovered));
    if (previous) {
      EXPECT_TRUE(menu_.WaitForFrame(window, screen, screen.Find(previous), kNormal)) << previous;
    }
  }
};

TEST_F(KeyboardTest, TabGoesThroughEachScreenInReadingOrderShowingHoveredFrames) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Focus(main);
  for (const Hotspot& hotspot : MainScreen().hotspots) {
    EXPECT_EQ(menu_.FrameShown(main, MainScreen(), hotspot), kNormal) << "highlighted unasked";
  }
  const char* const mainOrder[] = {"btnResearch", "btnInternet", "btnArbora", "btnFamily", "btnTY",
                                   "btnAncestry", "btnPlotwise", "btnTutor",  "btnQuit"};
  const char* previous = nullptr;
  for (const char* hotspot : mainOrder) {
    ExpectKeyMovesTo(main, MainScreen(), VK_TAB, hotspot, previous);
    previous = hotspot;
  }
  ExpectKeyMovesTo(main, MainScreen(), VK_TAB, mainOrder[0], previous);
  ExpectKeyMovesTo(main, MainScreen(), VK_TAB, "btnQuit", mainOrder[0], true);
  ExpectKeyMovesTo(main, MainScreen(), VK_HOME, "btnResearch", "btnQuit");

  // Tag order is not screen order here; Main Menu and Exit share the bottom line.
  HWND internet = OpenSubScreen(main, InternetScreen());
  ASSERT_TRUE(internet);
  Focus(internet);
  const char* const internetOrder[] = {"btnVarnel",        "btnWorldTree", "btnIDet",   "btnTalk",
                                       "btnFamilyHistory", "btnRecords",   "btnToMain", "btnQuit"};
  ExpectKeyMovesTo(internet, InternetScreen(), VK_END, "btnQuit", nullptr);
  previous = "btnQuit";
  for (const char* hotspot : internetOrder) {
    ExpectKeyMovesTo(internet, InternetScreen(), VK_DOWN, hotspot, previous);
    previous = hotspot;
  }
  ExpectKeyMovesTo(internet, InternetScreen(), VK_LEFT, "btnToMain", "btnQuit");
  ExpectStartedInAll(0);
}

TEST_F(KeyboardTest, EnterOpensASubScreenAtItsFirstHotspotAndEscapeComesBack) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Focus(main);
  ExpectKeyMovesTo(main, MainScreen(), VK_TAB, "btnResearch", nullptr);
  TapKey(VK_RETURN);
  HWND research = menu_.WaitForWindow(ResearchScreen().title);
  ASSERT_TRUE(research);
  EXPECT_TRUE(
      menu_.WaitForFrame(research, ResearchScreen(), ResearchScreen().Find("btnKWNI"), kHovered))
      << "opened from the keyboard, it starts at its first hotspot";
  Focus(research);
  TapKey(VK_ESCAPE);
  ASSERT_TRUE(menu_.WaitUntilHidden(research)) << "Escape did not go back";
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
  Focus(main);
  // The highlight is where it was: the next key goes on from btnResearch.
  ExpectKeyMovesTo(main, MainScreen(), VK_TAB, "btnInternet", "btnResearch");
  TapKey(VK_ESCAPE);
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), MainScreen().Find("btnInternet"), kHovered));
  EXPECT_TRUE(menu_.Shows(MainScreen().title)) << "Escape on the main menu does nothing";
  ExpectStartedInAll(0);
}

TEST_F(KeyboardTest, SpaceStartsAProgramAsAClickDoesAndAHeldKeyClicksOnce) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Focus(main);
  ExpectKeyMovesTo(main, MainScreen(), VK_END, "btnQuit", nullptr);
  ExpectKeyMovesTo(main, MainScreen(), VK_UP, "btnTutor", "btnQuit");
  ExpectKeyMovesTo(main, MainScreen(), VK_UP, "btnPlotwise", "btnTutor");
  ExpectKeyMovesTo(main, MainScreen(), VK_UP, "btnAncestry", "btnPlotwise");
  ExpectKeyMovesTo(main, MainScreen(), VK_UP, "btnTY", "btnAncestry");
  ExpectKeyMovesTo(main, MainScreen(), VK_UP, "btnFamily", "btnTY");
  ExpectKeyMovesTo(main, MainScreen(), VK_UP, "btnArbora", "btnFamily");
  // Held, with the keyboard's auto-repeat: pressed until the release, then one start.
  const Hotspot& arbora = MainScreen().Find("btnArbora");
  for (int repeat = 0; repeat < 5; ++repeat) KeyDown(VK_SPACE);
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), arbora, kPressed));
  EXPECT_TRUE(SettledLaunches().empty()) << "started before the key was let go";
  KeyUp(VK_SPACE);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "suite\\Tree7s.exe", "suite");
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), arbora, kNormal));
  ExpectStartedInAll(1);
}

TEST_F(KeyboardTest, PointerAndKeysShareOneHighlight) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Focus(main);
  ASSERT_TRUE(HoverOnto(menu_, main, MainScreen(), MainScreen().Find("btnResearch")));
  ExpectKeyMovesTo(main, MainScreen(), VK_TAB, "btnInternet", "btnResearch");
  ASSERT_TRUE(HoverOnto(menu_, main, MainScreen(), MainScreen().Find("btnArbora")));
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), MainScreen().Find("btnInternet"), kNormal))
      << "the pointer took the highlight";
  ExpectStartedInAll(0);
}

}  // namespace
}  // namespace kinloom::e2e
