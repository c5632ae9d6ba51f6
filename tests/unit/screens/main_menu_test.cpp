// The main menu's own actions: its programs, its sub-screens, the welcome offer and closing.
#include <gtest/gtest.h>

#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "screens/welcome_dialog.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

constexpr int kArbora = 1, kPlotwise = 2, kResearch = 3, kAncestry = 4, kTutor = 5, kInternet = 6,
              kQuit = 7, kFamily = 8, kTY = 9;

class MainMenuTest : public ScreensTest {
 protected:
  void ClickMain(int tag) { RunClick(*frmMain, tag); }
  std::string LastReminderWritten() const {
    return system.ProfileWrites().empty() ? "(none)" : system.ProfileWrites().back().value;
  }
};

TEST_F(MainMenuTest, TreeProgramStartsFromProgramDirWhichStaysCurrent) {
  system.AddFile("C:\\Suite\\Tree7s.exe");
  ClickMain(kArbora);
  ASSERT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(system.ShellCalls()[0].file, "C:\\Suite\\Tree7s.exe");
  EXPECT_EQ(system.ShellCalls()[0].parameters, "");
  EXPECT_EQ(system.ShellCalls()[0].folder, "");
  EXPECT_EQ(system.ShellCalls()[0].currentFolder, "C:\\Suite");
  EXPECT_EQ(system.CurrentFolder(), "C:\\Suite");
}

TEST_F(MainMenuTest, TreeProgramFallsBackOnTheCurrentFolderAndStaysThere) {
  system.AddFile("C:\\Kinloom\\Tree7s.exe");
  ClickMain(kArbora);
  ASSERT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(system.ShellCalls()[0].file, "C:\\Kinloom\\Tree7s.exe");
  EXPECT_EQ(system.CurrentFolder(), "C:\\Kinloom");

  // An empty program folder names the current folder; it is not an error to change to it.
  Global::ProgramDir = "";
  ClickMain(kArbora);
  ASSERT_EQ(system.ShellCalls().size(), 2u);
  EXPECT_EQ(system.ShellCalls()[1].file, "C:\\Kinloom\\Tree7s.exe");
}

// A relative program folder (empty, or "na\" for a missing key) is left behind by the change of
// folder: the shell still gets the file that was found, by its full path.
TEST_F(MainMenuTest, ProgramsFoundThroughARelativeFolderStartFromTheFileFound) {
  system.AddFile("C:\\Kinloom\\Chart7s.exe");
  system.AddFolder("C:\\Kinloom\\Charts");
  system.AddFile("C:\\Kinloom\\Charts\\na\\Tree7s.exe");
  Global::ProgramDir = "";
  ClickMain(kPlotwise);
  Global::ProgramDir = "na\\";
  ClickMain(kArbora);
  ASSERT_EQ(system.ShellCalls().size(), 2u);
  EXPECT_EQ(system.ShellCalls()[0].file, "C:\\Kinloom\\Chart7s.exe");
  EXPECT_EQ(system.ShellCalls()[0].currentFolder, "C:\\Kinloom\\Charts");
  EXPECT_EQ(system.ShellCalls()[1].file, "C:\\Kinloom\\Charts\\na\\Tree7s.exe");
  EXPECT_EQ(system.ShellCalls()[1].currentFolder, "C:\\Kinloom\\Charts\\na");
}

TEST_F(MainMenuTest, MissingProgramsAreReportedByName) {
  for (int tag : {kArbora, kPlotwise}) {
    backend.Boxes().Answer(kResultCancel);
    ClickMain(tag);
  }
  EXPECT_TRUE(system.ShellCalls().empty());
  const std::vector<std::string> expected = {
      "Cannot locate the Arbora executable file.  Please reinstall Kinloom\u00AE to ensure "
      "correct operation.",
      "Cannot locate the Plotwise executable file.  Please reinstall Kinloom\u00AE to ensure "
      "correct operation."};
  EXPECT_EQ(BoxTexts(), expected);
  const MessageBoxModel& box = backend.Boxes().Shown()[0];
  EXPECT_EQ(box.caption, "Error");
  ASSERT_EQ(box.buttons.size(), 1u);
  EXPECT_EQ(box.buttons[0].result, kResultCancel);
}

TEST_F(MainMenuTest, FailedChangeOfFolderIsReportedAndStartsNothing) {
  system.AddFile("C:\\Suite\\Tree7s.exe");
  system.FailFolderChanges("Access is denied");
  ShowMainMenu();
  backend.Click(*frmMain, CentreOf(*frmMain, kArbora));
  EXPECT_TRUE(system.ShellCalls().empty());
  const std::vector<ErrorReport> reports = backend.TakeErrorReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].caption, "Kinloom 7.0 Solstice Edition");
  EXPECT_EQ(reports[0].text.back(), '.');
  EXPECT_FALSE(frmMain->IsClosed());
}

TEST_F(MainMenuTest, ChartProgramOpensInItsChartsFolder) {
  system.AddFile("C:\\Suite\\Chart7s.exe");
  ClickMain(kPlotwise);
  EXPECT_EQ(system.CurrentFolder(), "C:\\Kinloom") << "no Charts folder: unchanged";

  system.AddFolder("C:\\Suite\\Charts");
  ClickMain(kPlotwise);
  EXPECT_EQ(system.CurrentFolder(), "C:\\Suite\\Charts");
  ASSERT_EQ(system.ShellCalls().size(), 2u);
  EXPECT_EQ(system.ShellCalls()[1].file, "C:\\Suite\\Chart7s.exe");

  // Later fallbacks look in the folder so set.
  system.RemoveFile("C:\\Suite\\Chart7s.exe");
  system.AddFile("C:\\Suite\\Charts\\Chart7s.exe");
  system.AddFolder("C:\\Suite\\Charts\\Charts");
  ClickMain(kPlotwise);
  ASSERT_EQ(system.ShellCalls().size(), 3u);
  EXPECT_EQ(system.ShellCalls()[2].file, "C:\\Suite\\Charts\\Chart7s.exe");
  EXPECT_EQ(system.CurrentFolder(), "C:\\Suite\\Charts\\Charts");
}

TEST_F(MainMenuTest, TutorialNeedsMoreThan256Colours) {
  system.AddFile("C:\\Suite\\Tutor7s.exe");
  for (int colours : {256, 16, 2}) {
    system.SetDisplayColorCount(colours);
    backend.Boxes().Answer(kResultOk);
    ClickMain(kTutor);
  }
  EXPECT_TRUE(system.ShellCalls().empty());
  ASSERT_EQ(backend.Boxes().Shown().size(), 3u);
  EXPECT_EQ(backend.Boxes().Shown()[0].caption, "Information");
  EXPECT_EQ(backend.Boxes().Shown()[0].text,
            "The tutorial can only run in 16-bit color or higher.\r\n"
            "Please set your display setting and try again.");

  system.SetDisplayColorCount(-1);
  ClickMain(kTutor);
  ASSERT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(system.ShellCalls()[0].file, "C:\\Suite\\Tutor7s.exe");
}

TEST_F(MainMenuTest, AncestryPageOnTheRedirectEndpoint) {
  const std::string url =
      "http://www.kinloom.com/familytree/redirect?target_id=ancestry&prod_id=70994";
  ClickMain(kAncestry);
  system.QueueShellCode(32);
  backend.Boxes().Answer(kResultOk);
  ClickMain(kAncestry);
  ASSERT_EQ(system.ShellCalls().size(), 2u);
  EXPECT_EQ(system.ShellCalls()[0].file, url);
  ASSERT_EQ(backend.Boxes().Shown().size(), 1u);
  EXPECT_EQ(
      backend.Boxes().Shown()[0].text.substr(backend.Boxes().Shown()[0].text.size() - url.size()),
      url);
}

TEST_F(MainMenuTest, SubScreenOpensInPlaceAndReturnsWhereItWasLeft) {
  const struct {
    int tag;
    HotspotMenuScreen* screen;
  } cases[] = {
      {kResearch, frmResearch}, {kFamily, frmFamily}, {kTY, frmTY}, {kInternet, frmInternet}};
  ShowMainMenu();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.screen->title);
    const Point mainAt = frmMain->Position();
    backend.Then([&] {
      EXPECT_EQ(backend.TopWindow(), c.screen);
      EXPECT_EQ(c.screen->Position(), mainAt);
      EXPECT_FALSE(frmMain->IsVisible());
      c.screen->MoveTo({mainAt.x + 7, mainAt.y + 11});  // the user drags it
      backend.Click(*c.screen, CentreOf(*c.screen, TagOf(*c.screen, "btnToMain")));
    });
    backend.Click(*frmMain, CentreOf(*frmMain, c.tag));
    EXPECT_TRUE(frmMain->IsVisible());
    EXPECT_FALSE(c.screen->IsVisible());
    EXPECT_EQ(frmMain->Position(), (Point{mainAt.x + 7, mainAt.y + 11}));
  }
  EXPECT_TRUE(system.ProfileWrites().empty());
}

// Every way of closing: the quit hotspot, the close box, a sub-screen's quit hotspot, its close
// box, and an installer started from a sub-screen.
class MainMenuQuitTest : public MainMenuTest, public ::testing::WithParamInterface<int> {
 protected:
  void Quit() {
    switch (GetParam()) {
      case 0:
        return backend.Click(*frmMain, CentreOf(*frmMain, kQuit));
      case 1:
        return backend.CloseBox(*frmMain);
      case 2:
        backend.Then([&] { backend.Click(*frmTY, CentreOf(*frmTY, TagOf(*frmTY, "btnQuit"))); });
        return backend.Click(*frmMain, CentreOf(*frmMain, kTY));
      case 3:
        backend.Then([&] { backend.CloseBox(*frmInternet); });
        return backend.Click(*frmMain, CentreOf(*frmMain, kInternet));
      default:
        Global::ArchivesDir = "na";
        system.AddFile("E:\\TY_Ship.id");
        system.AddFile("E:\\install.exe");
        backend.Boxes().Answer(kResultYes);
        backend.Then([&] { backend.Click(*frmResearch, CentreOf(*frmResearch, 6)); });
        return backend.Click(*frmMain, CentreOf(*frmMain, kResearch));
    }
  }
};

TEST_P(MainMenuQuitTest, EndsTheProgramAndWritesTheReminder) {
  backend.Then([&] { Quit(); });
  app.Run();
  EXPECT_TRUE(frmMain->IsClosed());
  EXPECT_FALSE(frmMain->IsVisible());
  EXPECT_EQ(backend.NativeOf(*frmMain).ShowCount(), 1) << "never shown again";
  EXPECT_EQ(LastReminderWritten(), "0");
}

TEST_P(MainMenuQuitTest, EndsEvenWhenTheReminderCannotBeWritten) {
  system.FailProfileWrites(true);
  backend.Then([&] { Quit(); });
  app.Run();
  EXPECT_TRUE(frmMain->IsClosed());
  EXPECT_FALSE(frmMain->IsVisible());
  const std::vector<ErrorReport> reports = backend.TakeErrorReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].caption, "Kinloom 7.0 Solstice Edition");
  EXPECT_EQ(reports[0].text, "Unable to write to Brindle.ini.");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, MainMenuQuitTest, ::testing::Range(0, 5));

TEST_F(MainMenuTest, WelcomeOfferedAtTheFirstActivationOnly) {
  system.SetProfileFile("Brindle.ini", "[Kin7s]\r\nKinDir=C:\\Suite\r\nReminder=1\r\n");
  system.AddFile("C:\\Suite\\Tutor7s.exe");
  backend.Then([&] {
    EXPECT_TRUE(frmMain->IsVisible()) << "the main menu stays visible underneath";
    backend.PressButton(*frmWelcome, kResultOk);
  });
  backend.Then([&] {
    frmMain->Activated();  // a later activation offers nothing
    backend.CloseBox(*frmMain);
  });
  app.Run();
  ASSERT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(system.ShellCalls()[0].file, "C:\\Suite\\Tutor7s.exe");
  EXPECT_EQ(backend.NativeOf(*frmWelcome).ShowCount(), 1);
}

TEST_F(MainMenuTest, NoWelcomeWhenTheReminderIsOff) {
  backend.Then([&] { backend.CloseBox(*frmMain); });
  app.Run();
  EXPECT_EQ(backend.NativeOf(*frmWelcome).ShowCount(), 0);
  EXPECT_EQ(LastReminderWritten(), "0");
}

}  // namespace
}  // namespace kinloom
