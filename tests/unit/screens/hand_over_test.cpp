// Across windows: a double click is one click wherever its second press lands, a sub-screen and
// the main menu hand over without leaving the program inactive, a close request waits for the
// modal window, and the end of the session writes the reminder without a box.
#include <gtest/gtest.h>

#include "screens/family_screen.h"
#include "screens/tessary_screen.h"
#include "screens/welcome_dialog.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

constexpr int kAncestry = 4, kFamily = 8, kTY = 9;
constexpr int kNormal = 0, kPressed = 2;

class HandOverTest : public ScreensTest {
 protected:
  // The second press shows the frame a press shows there (the family page hotspots stay normal).
  void SecondPressAndRelease(HotspotMenuScreen& screen, Point at, int tag, int frameWhileHeld) {
    backend.PressAgain(screen, at);
    EXPECT_EQ(FrameShown(screen, tag), frameWhileHeld);
    backend.Release(screen, at);
  }
  std::string LastReminderWritten() const {
    return system.ProfileWrites().empty() ? "(none)" : system.ProfileWrites().back().value;
  }
  void RemindAtStart() {
    system.SetProfileFile("Brindle.ini", "[Kin7s]\r\nKinDir=C:\\Suite\r\nReminder=1\r\n");
  }
};

TEST_F(HandOverTest, SecondPressOnTheSubScreenTheFirstClickOpenedMakesNoClick) {
  ShowMainMenu();
  const Point at{90, 310};
  const int myFamily = TagOf(*frmFamily, "btnMyFamily");
  ASSERT_EQ(frmMain->HitTest(at), &frmMain->HotspotByTag(kFamily));
  ASSERT_EQ(frmFamily->HitTest(at), &frmFamily->HotspotByTag(myFamily));
  backend.Then([&] {
    SecondPressAndRelease(*frmFamily, at, myFamily, kNormal);
    backend.Click(*frmFamily, CentreOf(*frmFamily, TagOf(*frmFamily, "btnToMain")));
  });
  backend.Click(*frmMain, at);
  EXPECT_TRUE(system.ShellCalls().empty()) << "the second press opened the My Family page";
  EXPECT_TRUE(frmMain->IsVisible());
}

TEST_F(HandOverTest, SecondPressOnTheMainMenuTheFirstClickBroughtBackMakesNoClick) {
  ShowMainMenu();
  const Rect toMain = frmTY->HotspotByTag(TagOf(*frmTY, "btnToMain")).Bounds();
  const Rect both = toMain.Intersect(frmMain->HotspotByTag(kAncestry).Bounds());
  ASSERT_FALSE(both.IsEmpty());
  const Point at{(both.left + both.right) / 2, (both.top + both.bottom) / 2};
  backend.Then([&] { backend.Click(*frmTY, at); });
  backend.Click(*frmMain, CentreOf(*frmMain, kTY));
  SecondPressAndRelease(*frmMain, at, kAncestry, kPressed);
  EXPECT_TRUE(system.ShellCalls().empty()) << "the second press opened the Ancestry page";
}

TEST_F(HandOverTest, SecondPressOnTheScreenBeneathABoxButtonMakesNoClick) {
  Global::CensusViewerDir = "na";
  Global::ArchivesDir = "na";
  ShowMainMenu();
  const int land = TagOf(*frmTY, "btnLand");
  const Point at = CentreOf(*frmTY, land);
  backend.Then([&] {
    const Point corner = frmTY->Position();
    backend.Boxes().Answer(kResultNo, [&] {
      backend.PressNativeButton({corner.x + at.x, corner.y + at.y});
    });
    backend.Click(*frmTY, CentreOf(*frmTY, TagOf(*frmTY, "btnCensus")));
    SecondPressAndRelease(*frmTY, at, land, kPressed);
    backend.Click(*frmTY, CentreOf(*frmTY, TagOf(*frmTY, "btnToMain")));
  });
  backend.Click(*frmMain, CentreOf(*frmMain, kTY));
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"Census Record Viewer is not installed. Install now?"}));
}

// Each window shows before the other hides, both ways; places and results are as before. The
// activation asserted is the headless backend's model (the topmost shown, enabled window takes
// it when the active one hides): this proves the order, not what Windows then activates.
TEST_F(HandOverTest, HandOverShowsBeforeItHidesSoTheHeadlessModelKeepsActivation) {
  ShowMainMenu();
  backend.Then([&] {
    EXPECT_FALSE(frmMain->IsVisible());
    EXPECT_EQ(backend.ActiveWindow(), frmFamily);
    backend.Click(*frmFamily, CentreOf(*frmFamily, TagOf(*frmFamily, "btnToMain")));
  });
  backend.Click(*frmMain, CentreOf(*frmMain, kFamily));
  EXPECT_EQ(backend.ActiveWindow(), frmMain);
  EXPECT_FALSE(frmFamily->IsVisible());
  EXPECT_EQ(backend.ActivationLosses(), 0);
}

// As the task list's End task asks: the request waits for the dialog, and its answer counts.
TEST_F(HandOverTest, CloseRequestWaitsForTheWelcomeDialogAndKeepsItsAnswer) {
  RemindAtStart();
  backend.Then([&] {
    frmMain->Close();
    EXPECT_FALSE(frmMain->IsClosed());
    EXPECT_TRUE(system.ProfileWrites().empty());
    backend.PressButton(*frmWelcome, kResultCancel);
  });
  app.Run();  // no step ends it: the held request does
  EXPECT_TRUE(frmMain->IsClosed());
  EXPECT_EQ(LastReminderWritten(), "1");
}

TEST_F(HandOverTest, CloseRequestWaitsForASubScreenThenClosesTheMainMenu) {
  backend.Then([&] { backend.Click(*frmMain, CentreOf(*frmMain, kTY)); });
  backend.Then([&] {
    frmMain->Close();
    EXPECT_FALSE(frmMain->IsClosed());
    backend.Click(*frmTY, CentreOf(*frmTY, TagOf(*frmTY, "btnToMain")));
  });
  app.Run();
  EXPECT_TRUE(frmMain->IsClosed());
  EXPECT_EQ(backend.NativeOf(*frmMain).ShowCount(), 2) << "back first, then closed";
  EXPECT_EQ(LastReminderWritten(), "0");
}

// The system ends the session at once, dialog or not; nobody could answer a box any more.
TEST_F(HandOverTest, SessionEndWritesTheReminderAtOnceEvenUnderTheWelcomeDialog) {
  RemindAtStart();
  backend.Then([&] {
    frmMain->EndSession();
    EXPECT_TRUE(frmMain->IsClosed());
    EXPECT_EQ(LastReminderWritten(), "0");
    backend.PressButton(*frmWelcome, kResultCancel);
  });
  app.Run();
}

TEST_F(HandOverTest, SessionEndShowsNoBoxWhenTheReminderCannotBeWritten) {
  system.FailProfileWrites(true);
  ShowMainMenu();
  frmMain->EndSession();
  EXPECT_TRUE(frmMain->IsClosed());
  EXPECT_TRUE(backend.TakeErrorReports().empty());
}

}  // namespace
}  // namespace kinloom
