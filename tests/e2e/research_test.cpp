// The research screen end to end: its four programs, the Ellis Island pages, the ships archive.
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

using ResearchTest = MenuTest;

// Each program from the program folder, from the current folder, or reported by its name.
TEST_F(ResearchTest, ProgramsStartFromEitherFolderOrAreReportedByName) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Muster7s.exe");
  world_.PlaceProgram("start\\Muster7s.exe");
  world_.RemoveFile("suite\\Hist7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND research = OpenSubScreen(main, ResearchScreen());
  ASSERT_TRUE(research);
  // It hides once the sub-screen has shown, so the program never lacks an active window.
  EXPECT_TRUE(menu_.WaitUntilHidden(main)) << "the main menu should hide behind its sub-screen";

  Click(research, ResearchScreen(), "btnKWNI");
  ASSERT_EQ(WaitForLaunches(1).size(), 1u);
  Click(research, ResearchScreen(), "btnMuster");
  ASSERT_EQ(WaitForLaunches(2).size(), 2u);
  Click(research, ResearchScreen(), "btnHistRec");
  const BoxView box = WaitForBox("Error");
  ExpectBox(box, "Error", NotFoundText("Historic Records"), {{"Cancel", kIdCancel}});
  menu_.ClickCloseBox(box.window);
  ASSERT_TRUE(menu_.WaitUntilHidden(box.window));
  Click(research, ResearchScreen(), "btnSSI");
  const std::vector<Launch> launches = WaitForLaunches(3);
  ASSERT_EQ(launches.size(), 3u);
  ExpectLaunch(launches[0], "suite\\kwni7s.exe", "start");
  ExpectLaunch(launches[1], "start\\Muster7s.exe", "start");
  ExpectLaunch(launches[2], "suite\\SSI7s.exe", "start");
  EXPECT_TRUE(menu_.Shows(ResearchScreen().title));
}

TEST_F(ResearchTest, EllisIslandPagesWaitForDiskTwenty) {
  BuildStandardWorld();
  world_.RemoveFile("disk\\Ellis\\index.htm");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND research = OpenSubScreen(main, ResearchScreen());
  ASSERT_TRUE(research);
  const std::string prompt =
      "Please insert Kinloom Disk 20 (Ellis Island) into drive " + At("disk\\");

  Click(research, ResearchScreen(), "btnEllis");
  BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", prompt, {{"OK", kIdOk}, {"Cancel", kIdCancel}});
  menu_.ClickCloseBox(box.window);  // the close box gives up like Cancel
  ASSERT_TRUE(menu_.WaitUntilHidden(box.window));

  Click(research, ResearchScreen(), "btnEllis");
  box = WaitForBox("Confirm");
  Answer(box, kIdOk);  // still no disk: asked again
  box = WaitForBox("Confirm");
  EXPECT_EQ(Printable(box.text), Printable(prompt));
  world_.PlaceFile("disk\\Ellis\\index.htm", "<html></html>");
  Answer(box, kIdOk);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].program, At("handlers\\browser.exe"));
  EXPECT_NE(launches[0].commandLine.find(At("disk\\Ellis\\index.htm")), std::string::npos)
      << Describe(launches[0]);
  EXPECT_TRUE(menu_.Shows(ResearchScreen().title));
}

TEST_F(ResearchTest, ShipsArchiveStartsTheRegisteredViewerWithDiskNineteen) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND research = OpenSubScreen(main, ResearchScreen());
  ASSERT_TRUE(research);
  Click(research, ResearchScreen(), "btnShips");
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "parcelry\\parcelry.exe", "start");

  world_.RemoveFile("parcelry\\parcelry.exe");
  Click(research, ResearchScreen(), "btnShips");
  const BoxView box = WaitForBox("Error");
  ExpectBox(box, "Error", NotFoundText("Immigrant Ships and Catalog"), {{"Cancel", kIdCancel}});
  AnswerByKey(box, VK_ESCAPE);
  EXPECT_TRUE(menu_.Shows(ResearchScreen().title));
}

// Without the viewer: the install question; Yes runs the installer from the disk's root in the
// disk's folder, and the whole menu ends while it runs.
TEST_F(ResearchTest, ShipsArchiveWithoutViewerInstallsItAndEndsTheMenu) {
  BuildStandardWorld();
  world_.RemovePartnerKeys();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND research = OpenSubScreen(main, ResearchScreen());
  ASSERT_TRUE(research);
  Click(research, ResearchScreen(), "btnShips");
  const BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", "Archive Record Viewer is not installed. Install now?",
            {{"&Yes", kIdYes}, {"&No", kIdNo}, {"Cancel", kIdCancel}});
  Answer(box, kIdYes);
  ExpectMenuEndsWithReminder("0");
  const std::vector<Launch> launches = SettledLaunches();
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "disk\\install.exe", "disk");
}

}  // namespace
}  // namespace kinloom::e2e
