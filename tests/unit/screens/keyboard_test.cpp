// The hotspot screens from the keyboard: reading order, the shared highlight, key clicks, and
// what assistive technology is told and may run.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/reading_order.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

constexpr int kNormal = 0, kHovered = 1, kPressed = 2;

class KeyboardTest : public ScreensTest {
 protected:
  KeyboardTest() { ShowMainMenu(); }

  static std::vector<std::string> NamesInReadingOrder(HotspotMenuScreen& screen) {
    std::vector<std::string> names;
    for (std::int32_t tag : screen.TagsInReadingOrder()) {
      names.push_back(screen.HotspotByTag(tag).name);
    }
    return names;
  }
  static void Tap(Window& window, Key key, bool shift = false) {
    window.KeyDown(key, shift, false);
    window.KeyUp(key);
  }
  // The tags of the hotspots showing each frame; a highlight shows as the one hovered tag.
  std::vector<int> TagsShowing(HotspotMenuScreen& screen, int frame) {
    std::vector<int> tags;
    for (const HotspotLayout& row : screen.Layout()) {
      if (FrameShown(screen, row.tag) == frame) tags.push_back(row.tag);
    }
    return tags;
  }

  TfrmMain& main = *frmMain;
  const int research = TagOf(main, "btnResearch"), internet = TagOf(main, "btnInternet");
  const int ancestry = TagOf(main, "btnAncestry"), quit = TagOf(main, "btnQuit");
};

TEST_F(KeyboardTest, EveryScreenReadsTopToBottomAndLeftToRightOnALine) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(NamesInReadingOrder(main),
            (Names{"btnResearch", "btnInternet", "btnArbora", "btnFamily", "btnTY", "btnAncestry",
                   "btnPlotwise", "btnTutor", "btnQuit"}));
  EXPECT_EQ(NamesInReadingOrder(*frmResearch),
            (Names{"btnKWNI", "btnSSI", "btnHistRec", "btnMuster", "btnShips", "btnEllis",
                   "btnToMain", "btnQuit"}));
  EXPECT_EQ(NamesInReadingOrder(*frmFamily),
            (Names{"btnFL", "btnMyFamily", "btnBrindleHome", "btnNames", "btnToMain", "btnQuit"}));
  EXPECT_EQ(NamesInReadingOrder(*frmTY),
            (Names{"btnCensus", "btnMarriage", "btnLand", "btnCatalog", "btnTYcom", "btnBulletin",
                   "btnToMain", "btnQuit"}));
  EXPECT_EQ(NamesInReadingOrder(*frmInternet),
            (Names{"btnVarnel", "btnWorldTree", "btnIDet", "btnTalk", "btnFamilyHistory",
                   "btnRecords", "btnToMain", "btnQuit"}));
  // A line is a few pixels deep, not more.
  const std::vector<HotspotLayout> rows = {{1, "a", 300, 100, "", 0, 0, ""},
                                           {2, "b", 10, 100 + kSameLineTolerance, "", 0, 0, ""},
                                           {3, "c", 5, 105 + kSameLineTolerance, "", 0, 0, ""}};
  EXPECT_EQ(ReadingOrder(rows), (std::vector<std::int32_t>{2, 1, 3}));
}

TEST_F(KeyboardTest, KeysMoveOneHighlightInReadingOrderAndWrapAround) {
  EXPECT_TRUE(TagsShowing(main, kHovered).empty()) << "no highlight before a key is used";
  const std::vector<std::int32_t>& order = main.TagsInReadingOrder();
  const std::vector<std::pair<std::function<void()>, std::int32_t>> steps = {
      {[&] { Tap(main, Key::kTab); }, order[0]},  {[&] { Tap(main, Key::kTab); }, order[1]},
      {[&] { Tap(main, Key::kDown); }, order[2]}, {[&] { Tap(main, Key::kRight); }, order[3]},
      {[&] { Tap(main, Key::kUp); }, order[2]},   {[&] { Tap(main, Key::kTab, true); }, order[1]},
      {[&] { Tap(main, Key::kLeft); }, order[0]}, {[&] { Tap(main, Key::kLeft); }, order.back()},
      {[&] { Tap(main, Key::kTab); }, order[0]},  {[&] { Tap(main, Key::kEnd); }, order.back()},
      {[&] { Tap(main, Key::kHome); }, order[0]},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    steps[i].first();
    EXPECT_EQ(main.HoveredTag, steps[i].second);
    EXPECT_EQ(TagsShowing(main, kHovered), (std::vector<int>{steps[i].second}));
    EXPECT_EQ(backend.NativeOf(main).LastHighlightedChoice(), main.choices->HighlightedChoice());
    EXPECT_EQ(main.choices->ChoiceBounds(main.choices->HighlightedChoice()),
              main.HotspotByTag(steps[i].second).Bounds());
  }
  EXPECT_TRUE(system.ShellCalls().empty()) << "moving runs nothing";
}

TEST_F(KeyboardTest, PointerAndKeysShareTheHighlight) {
  backend.MovePointer(main, CentreOf(main, research));
  Tap(main, Key::kTab);
  EXPECT_EQ(main.HoveredTag, internet) << "a key goes on from where the pointer left it";
  EXPECT_EQ(TagsShowing(main, kHovered), (std::vector<int>{internet}));
  EXPECT_EQ(backend.NativeOf(main).LastHighlightedChoice(), 1);

  main.MouseMove(CentreOf(main, ancestry), false);
  EXPECT_EQ(main.HoveredTag, internet) << "a pointer at rest under a new window does not take it";
  backend.MovePointer(main, CentreOf(main, ancestry));
  EXPECT_EQ(TagsShowing(main, kHovered), (std::vector<int>{ancestry})) << "the pointer takes it";
  backend.MovePointer(main, kBackground);
  EXPECT_TRUE(TagsShowing(main, kHovered).empty());
  Tap(main, Key::kTab, true);
  EXPECT_EQ(main.HoveredTag, quit) << "with no highlight, backward starts at the last";
}

TEST_F(KeyboardTest, EnterAndSpaceShowPressedWhileHeldAndClickOnceOnRelease) {
  for (Key key : {Key::kEnter, Key::kSpace}) {
    SCOPED_TRACE(static_cast<int>(key));
    const std::size_t before = system.ShellCalls().size();
    backend.MovePointer(main, CentreOf(main, ancestry));
    main.KeyDown(key, false, false);
    EXPECT_EQ(FrameShown(main, ancestry), kPressed);
    main.KeyDown(key, false, true);  // auto-repeat
    main.KeyDown(Key::kTab, false, false);
    EXPECT_EQ(main.HoveredTag, ancestry) << "the highlight stays while the key is held";
    EXPECT_EQ(system.ShellCalls().size(), before) << "no click before the release";
    main.KeyUp(key == Key::kEnter ? Key::kSpace : Key::kEnter);
    EXPECT_EQ(system.ShellCalls().size(), before) << "another key's release clicks nothing";
    main.KeyUp(key);
    EXPECT_EQ(system.ShellCalls().size(), before + 1);
    EXPECT_EQ(FrameShown(main, ancestry), kNormal);
    main.KeyUp(key);
    EXPECT_EQ(system.ShellCalls().size(), before + 1) << "one press, one click";
    Tap(main, Key::kHome);
    Tap(main, Key::kEnd);
  }
  // A press whose release never comes (the window lost the keyboard) clicks nothing.
  main.KeyDown(Key::kSpace, false, false);
  main.KeyboardLost();
  main.KeyUp(Key::kSpace);
  EXPECT_EQ(FrameShown(main, quit), kNormal);
  EXPECT_TRUE(main.IsVisible());
  backend.MovePointer(main, kBackground);
  Tap(main, Key::kEnter);
  EXPECT_EQ(system.ShellCalls().size(), 2u) << "Enter without a highlight runs nothing";
}

TEST_F(KeyboardTest, EnterOpensASubScreenHighlightedAndEscapeComesBackToTheSameHighlight) {
  for (int i = 0; i < 2 && main.HoveredTag != research; ++i) Tap(main, Key::kTab);
  ASSERT_EQ(main.HoveredTag, research);
  bool checked = false;
  backend.Then([&] {
    TfrmResearch& sub = *frmResearch;
    EXPECT_EQ(backend.TopWindow(), &sub);
    EXPECT_EQ(sub.HoveredTag, sub.TagsInReadingOrder().front());
    EXPECT_EQ(TagsShowing(sub, kHovered), (std::vector<int>{sub.HoveredTag}));
    Tap(sub, Key::kEscape);
    checked = true;
  });
  main.KeyDown(Key::kEnter, false, false);
  main.KeyUp(Key::kEnter);
  ASSERT_TRUE(checked);
  EXPECT_TRUE(main.IsVisible());
  EXPECT_FALSE(frmResearch->IsVisible());
  EXPECT_EQ(main.HoveredTag, research) << "back where it was";
  Tap(main, Key::kEscape);
  EXPECT_TRUE(main.IsVisible()) << "Escape on the main menu does nothing";
  EXPECT_FALSE(main.IsClosed());

  // Opened by the pointer, a sub-screen shows no highlight.
  backend.Then([&] {
    EXPECT_TRUE(TagsShowing(*frmFamily, kHovered).empty());
    Tap(*frmFamily, Key::kEscape);
  });
  backend.Click(main, CentreOf(main, TagOf(main, "btnFamily")));
  EXPECT_TRUE(main.IsVisible());
}

TEST_F(KeyboardTest, EachKeyCopiesAtMostTwoRectanglesAndAllocatesNothing) {
  const std::vector<std::function<void()>> events = {
      [&] { main.KeyDown(Key::kTab, false, false); },
      [&] { main.KeyUp(Key::kTab); },
      [&] { main.KeyDown(Key::kEnd, false, false); },
      [&] { main.KeyDown(Key::kTab, true, true); },
      [&] { main.KeyDown(Key::kHome, false, false); },
      [&] { main.KeyDown(Key::kHome, false, false); },
      [&] { main.KeyDown(Key::kSpace, false, false); },
      [&] { main.KeyDown(Key::kSpace, false, true); },
      [&] { main.KeyboardLost(); },
      [&] { main.KeyDown(Key::kEscape, false, false); },
  };
  ExpectEachCheap(events);
}

TEST_F(KeyboardTest, AssistiveTechnologyRunsAChoiceAsAClick) {
  ChoiceList& choices = *main.choices;
  ASSERT_EQ(choices.ChoiceCount(), 9);
  EXPECT_EQ(choices.HighlightedChoice(), -1);
  int ancestryChoice = -1;
  for (int i = 0; i < choices.ChoiceCount(); ++i) {
    if (std::string(choices.ChoiceName(i)) == "Genealogy Online") ancestryChoice = i;
  }
  ASSERT_GE(ancestryChoice, 0);
  EXPECT_EQ(choices.ChoiceBounds(ancestryChoice), main.HotspotByTag(ancestry).Bounds());
  system.QueueShellCode(2);  // the page fails, so the action waits on a box
  int frameDuringAction = -1;
  backend.Boxes().Answer(kResultOk, [&] { frameDuringAction = FrameShown(main, ancestry); });
  main.RunChoice(ancestryChoice);
  EXPECT_EQ(frameDuringAction, kPressed);
  EXPECT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(FrameShown(main, ancestry), kNormal);
  main.RunChoice(choices.ChoiceCount());  // no such choice
  EXPECT_EQ(system.ShellCalls().size(), 1u);
}

// The generator draws each hotspot's label and sub-label from its table; the accessible name is
// those words, and the art stands where the hotspot does.
TEST_F(KeyboardTest, AccessibleNamesAreTheWordsTheArtShows) {
  std::ifstream file(std::string(KINLOOM_ASSETS_DIR) + "/art_tables.py");
  ASSERT_TRUE(file) << "no assets/art_tables.py";
  const std::regex screenLine(R"re(Screen\("(\w+)")re");
  const std::regex hotspotLine(
      R"re(_h\("(\w+)", (\d+), (\d+), \d+, \d+, "([^"]*)"(?:, "([^"]*)")?)re");
  std::map<std::string, std::string> drawn;  // "screen-art" -> "left,top words"
  std::string screenKey, line;
  while (std::getline(file, line)) {
    std::smatch m;
    if (std::regex_search(line, m, screenLine)) screenKey = m[1];
    if (!std::regex_search(line, m, hotspotLine)) continue;
    const std::string words = m[5].length() ? m[4].str() + " " + m[5].str() : m[4].str();
    drawn[screenKey + "-" + m[1].str()] = m[2].str() + "," + m[3].str() + " " + words;
  }
  std::size_t hotspots = 0;
  const std::pair<const char*, HotspotMenuScreen*> screens[] = {{"main", frmMain},
                                                                {"research", frmResearch},
                                                                {"family", frmFamily},
                                                                {"ty", frmTY},
                                                                {"internet", frmInternet}};
  for (const auto& [key, screen] : screens) {
    for (const HotspotLayout& row : screen->Layout()) {
      SCOPED_TRACE(std::string(key) + " " + row.hotspot);
      std::ostringstream expected;
      expected << row.left << "," << row.top << " " << row.accessibleName;
      EXPECT_EQ(drawn[std::string(key) + "-" + row.strip], expected.str());
      ++hotspots;
    }
  }
  EXPECT_EQ(drawn.size(), hotspots) << "every hotspot the art draws is on a screen";
}

}  // namespace
}  // namespace kinloom
