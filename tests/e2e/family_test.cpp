// The family screen end to end: the photo program or its install, the glossary, two web pages.
#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

using FamilyTest = MenuTest;

TEST_F(FamilyTest, ProgramsAndWebPagesStartAndTheScreenStaysOpen) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND family = OpenSubScreen(main, FamilyScreen());
  ASSERT_TRUE(family);
  const char* kHotspots[] = {"btnFL", "btnNames", "btnBrindleHome", "btnMyFamily"};
  for (size_t i = 0; i < std::size(kHotspots); ++i) {
    Click(family, FamilyScreen(), kHotspots[i]);
    ASSERT_EQ(WaitForLaunches(i + 1).size(), i + 1) << kHotspots[i] << " started nothing";
  }
  const std::vector<Launch> launches = WaitForLaunches(4);
  ExpectLaunch(launches[0], "framelet\\framelet.exe", "start");
  ExpectLaunch(launches[1], "suite\\names7s.exe", "start");
  ExpectRedirect(launches[2], "brindlehome");
  ExpectRedirect(launches[3], "myfamily");
  EXPECT_TRUE(menu_.Shows(FamilyScreen().title));
}

// The family page's hotspot shows its normal frame while pressed; the others their pressed one.
TEST_F(FamilyTest, FamilyPageHotspotStaysNormalWhilePressed) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND family = OpenSubScreen(main, FamilyScreen());
  ASSERT_TRUE(family);
  const struct {
    const char* hotspot;
    int pressedFrame;
  } kCases[] = {{"btnMyFamily", kNormal}, {"btnNames", kPressed}};
  for (const auto& expected : kCases) {
    SCOPED_TRACE(expected.hotspot);
    const Hotspot& hotspot = FamilyScreen().Find(expected.hotspot);
    EXPECT_TRUE(HoverOnto(menu_, family, FamilyScreen(), hotspot));
    PressButton(Button::kRight);  // the right button holds no action, only the frame
    EXPECT_TRUE(menu_.WaitForFrame(family, FamilyScreen(), hotspot, expected.pressedFrame));
    ReleaseButton(Button::kRight);
    EXPECT_TRUE(menu_.WaitForFrame(family, FamilyScreen(), hotspot, kNormal));
  }
}

// FLDIR absent: the install question. No does nothing; Yes with disk 2 missing prompts, and
// Cancel leaves the screen open; a disk without its setup is asked for again; Yes with the
// whole disk there runs its setup and ends the menu.
TEST_F(FamilyTest, PhotoProgramNotInstalledIsOfferedFromDiskTwo) {
  BuildStandardWorld();
  std::string settings = StandardSettings();
  settings.replace(settings.find("FLDIR="), 0, "Old");  // the key is now OldFLDIR
  WriteSettings(settings);
  world_.RemoveFile("disk\\flet.id");
  world_.RemoveFile("disk\\flete\\setup.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND family = OpenSubScreen(main, FamilyScreen());
  ASSERT_TRUE(family);
  const std::string question = "Framelet is not installed. Install now?";
  const std::vector<std::pair<std::string, int>> yesNoCancel = {
      {"&Yes", kIdYes}, {"&No", kIdNo}, {"Cancel", kIdCancel}};

  Click(family, FamilyScreen(), "btnFL");
  BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", question, yesNoCancel);
  Answer(box, kIdNo);

  Click(family, FamilyScreen(), "btnFL");
  Answer(WaitForBox("Confirm"), kIdYes);
  box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", "Please insert Kinloom Disk 2 (Framelet) into drive " + At("disk\\"),
            {{"OK", kIdOk}, {"Cancel", kIdCancel}});
  Answer(box, kIdCancel);
  EXPECT_TRUE(menu_.Shows(FamilyScreen().title));

  Click(family, FamilyScreen(), "btnFL");
  Answer(WaitForBox("Confirm"), kIdYes);
  box = WaitForBox("Confirm");
  world_.PlaceFile("disk\\flet.id", "disk 2");
  Answer(box, kIdOk);
  box = WaitForBox("Confirm");
  EXPECT_EQ(box.text, "Please insert Kinloom Disk 2 (Framelet) into drive " + At("disk\\"))
      << "a disk without its setup program must be asked for again";
  world_.PlaceProgram("disk\\flete\\setup.exe");
  AnswerByKey(box, VK_RETURN);
  ExpectMenuEndsWithReminder("0");
  const std::vector<Launch> launches = SettledLaunches();
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "disk\\flete\\setup.exe", "disk");
}

}  // namespace
}  // namespace kinloom::e2e
