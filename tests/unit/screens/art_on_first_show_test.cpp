// A screen's art is decoded when the screen is first shown, not at start, and a picture that
// cannot be decoded is reported then, through the application's error report. A start at 96
// DPI unpacks the main menu's 1x art and nothing else.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "screens/family_screen.h"
#include "screens/tessary_screen.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

// Main menu hotspots that open sub-screens, by tag.
constexpr int kFamilyOpener = 8, kTessaryOpener = 9;

class ArtOnFirstShowTest : public ScreensTest {
 protected:
  ArtOnFirstShowTest() { ShowMainMenu(); }

  static const HotspotLayout& Row(HotspotMenuScreen& screen, const std::string& hotspot) {
    for (const HotspotLayout& row : screen.Layout()) {
      if (row.hotspot == hotspot) return row;
    }
    throw std::runtime_error("no hotspot " + hotspot);
  }

  TfrmMain& main = *frmMain;
};

TEST_F(ArtOnFirstShowTest, AStartUnpacksOnlyTheMainMenusArtAt1x) {
  std::vector<std::pair<std::string, int>> expected{{"main-artMainBackground", 1}};
  for (const HotspotLayout& row : main.Layout())
    expected.emplace_back(std::string("main-") + row.strip, 1);
  EXPECT_EQ(backend.ArtLoads(), expected);
}

TEST_F(ArtOnFirstShowTest, ASubScreensArtIsDecodedWhenItIsFirstShownNotAtStart) {
  TfrmFamily& family = *frmFamily;
  EXPECT_FALSE(main.Background().Image().IsEmpty());
  EXPECT_TRUE(family.Background().Image().IsEmpty()) << "decoded at start";
  for (const HotspotLayout& row : family.Layout()) {
    SCOPED_TRACE(row.hotspot);
    EXPECT_TRUE(family.ArtForTag[row.tag]->Image().IsEmpty()) << "decoded at start";
    // Laid out all the same, from the table's strip sizes.
    EXPECT_EQ(family.HotspotByTag(row.tag).width, row.stripWidth);
    EXPECT_EQ(family.HotspotByTag(row.tag).height, row.stripHeight / 3);
  }

  // Art that appears only now is what the screen shows: it was read at the first show.
  backend.SetArt("family-artBackDrop", Bitmap(632, 453, 0x123456));
  const int toMain = Row(family, "btnToMain").tag;
  backend.Then([&] {
    EXPECT_EQ(backend.ClientPixels(family).Pixel(kBackground.x, kBackground.y), 0x123456u);
    for (const HotspotLayout& row : family.Layout()) EXPECT_EQ(FrameShown(family, row.tag), 0);
    backend.Click(family, CentreOf(family, toMain));
  });
  backend.Click(main, CentreOf(main, kFamilyOpener));
  EXPECT_TRUE(backend.TakeErrorReports().empty());
}

TEST_F(ArtOnFirstShowTest, ArtThatFailsToDecodeIsReportedWhenItsScreenIsFirstShown) {
  TfrmTY& tessary = *frmTY;
  const HotspotLayout& broken = Row(tessary, "btnCensus");
  // The wrong size for its hotspot: the table and the art disagree.
  backend.SetArt(std::string("ty-") + broken.strip, Bitmap(broken.stripWidth, 3));
  EXPECT_TRUE(backend.TakeErrorReports().empty()) << "nothing is decoded before the first show";

  const int toMain = Row(tessary, "btnToMain").tag;
  backend.Then([&] {
    const std::vector<ErrorReport> reports = backend.TakeErrorReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].caption, kApplicationTitle);
    EXPECT_NE(reports[0].text.find(broken.strip), std::string::npos) << reports[0].text;
    // The screen is shown all the same, and its way back works.
    EXPECT_EQ(backend.TopWindow(), &tessary);
    backend.Click(tessary, CentreOf(tessary, toMain));
  });
  backend.Click(main, CentreOf(main, kTessaryOpener));
  EXPECT_EQ(backend.TopWindow(), &main);
}

}  // namespace
}  // namespace kinloom
