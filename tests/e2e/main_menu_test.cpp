// The main menu end to end: its programs, the tutorial, its web page, hover frames and quitting.
#include <windows.h>
// Needs windows.h first.
#include <dbt.h>

#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

using MainMenuTest = MenuTest;

// A disc put into drive D:, as Windows reports it to every top-level window.
void SendDiscArrival(HWND window) {
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << ('D' - 'A');
  volume.dbcv_flags = DBTF_MEDIA;
  SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
}

TEST_F(MainMenuTest, TreeProgramStartsInTheProgramFolderWhichStaysCurrent) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnArbora");
  ASSERT_EQ(WaitForLaunches(1).size(), 1u);
  // The tutorial gets no working folder of its own, so it shows the menu's current folder.
  Click(main, MainScreen(), "btnTutor");
  const std::vector<Launch> launches = WaitForLaunches(2);
  ASSERT_EQ(launches.size(), 2u);
  ExpectLaunch(launches[0], "suite\\Tree7s.exe", "suite");
  ExpectLaunch(launches[1], "suite\\Tutor7s.exe", "suite");
}

TEST_F(MainMenuTest, TreeProgramFallsBackToTheCurrentFolder) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tree7s.exe");
  world_.PlaceProgram("start\\Tree7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnArbora");
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "start\\Tree7s.exe", "start");
}

// With a Charts folder the chart program runs there, and later current-folder fallbacks look
// in it; without one the current folder stays as it was.
TEST_F(MainMenuTest, ChartProgramRunsInItsChartsFolderWhenThereIsOne) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tree7s.exe");
  world_.PlaceProgram("start\\Tree7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnPlotwise");
  ASSERT_EQ(WaitForLaunches(1).size(), 1u);
  world_.MakeFolder("suite\\Charts");
  world_.PlaceProgram("suite\\Charts\\Tree7s.exe");
  Click(main, MainScreen(), "btnPlotwise");
  ASSERT_EQ(WaitForLaunches(2).size(), 2u);
  Click(main, MainScreen(), "btnArbora");
  const std::vector<Launch> launches = WaitForLaunches(3);
  ASSERT_EQ(launches.size(), 3u);
  ExpectLaunch(launches[0], "suite\\Chart7s.exe", "start");
  ExpectLaunch(launches[1], "suite\\Chart7s.exe", "suite\\Charts");
  ExpectLaunch(launches[2], "suite\\Charts\\Tree7s.exe", "suite\\Charts");
}

// A program folder that is empty or missing ("na\" then) makes the found program's path
// relative; it still starts, from that file, in the folder it is to run in.
TEST_F(MainMenuTest, ProgramsFoundThroughARelativeFolderStartFromTheFileFound) {
  const struct {
    const char* kinDir;  // the KinDir line, empty text to leave the key out
    const char* program;
    const char* hotspot;
    const char* folder;
  } kCases[] = {
      {"KinDir=\r\n", "start\\Chart7s.exe", "btnPlotwise", "start\\Charts"},
      {"", "start\\na\\Tree7s.exe", "btnArbora", "start\\na"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.program);
    BuildStandardWorld();
    std::string settings = StandardSettings();
    const std::string standardKinDir = "KinDir=" + At("suite") + "\r\n";
    settings.replace(settings.find(standardKinDir), standardKinDir.size(), c.kinDir);
    WriteSettings(settings);
    world_.PlaceProgram(c.program);
    world_.MakeFolder("start\\Charts");
    HWND main = StartMenu();
    ASSERT_TRUE(main);
    Click(main, MainScreen(), c.hotspot);
    const std::vector<Launch> launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u) << "nothing started";
    ExpectLaunch(launches[0], c.program, c.folder);
    ExpectStartedInAll(1);
    menu_.End();
    world_.Clear();
    world_.MakeFolder("start");
  }
}

TEST_F(MainMenuTest, MissingTreeAndChartProgramsAreReportedAndNothingStarts) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tree7s.exe");
  world_.RemoveFile("suite\\Chart7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const struct {
    const char* hotspot;
    const char* name;
  } kCases[] = {{"btnArbora", "Arbora"}, {"btnPlotwise", "Plotwise"}};
  for (const auto& missing : kCases) {
    SCOPED_TRACE(missing.hotspot);
    Click(main, MainScreen(), missing.hotspot);
    const BoxView box = WaitForBox("Error");
    ExpectBox(box, "Error", NotFoundText(missing.name), {{"Cancel", kIdCancel}});
    Answer(box, kIdCancel);
    EXPECT_TRUE(menu_.Shows(MainScreen().title));
  }
  ASSERT_NO_FATAL_FAILURE(Click(main, MainScreen(), "btnQuit"));
  ExpectMenuEndsWithReminder("0");
  ExpectStartedInAll(0);
}

TEST_F(MainMenuTest, WebPageOpensInTheBrowserOrIsReportedWithItsAddress) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnAncestry");
  std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectRedirect(launches[0], "ancestry");

  world_.RemoveWebAssociation();
  Click(main, MainScreen(), "btnAncestry");
  const BoxView box = WaitForBox("Error");
  ExpectNoBrowserBox(box, "ancestry");
  AnswerByKey(box, VK_RETURN);
  EXPECT_TRUE(menu_.Shows(MainScreen().title));
  ExpectStartedInAll(1);
}

// The tutorial from disk 1: the prompt, while the hotspot stays pressed; Cancel gives up; OK
// after the disk appears starts it from the disk with no working folder of its own.
TEST_F(MainMenuTest, TutorialAsksForDiskOneUntilItIsThere) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tutor7s.exe");
  world_.RemoveFile("disk\\kin.id");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const Hotspot& tutor = MainScreen().Find("btnTutor");
  const std::string prompt = "Please insert Kinloom Disk 1 into drive " + At("disk\\");

  Click(main, MainScreen(), "btnTutor");
  BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", prompt, {{"OK", kIdOk}, {"Cancel", kIdCancel}});
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), tutor, kPressed))
      << "the clicked hotspot should stay pressed while its action runs, but shows frame "
      << menu_.FrameShown(main, MainScreen(), tutor);
  Answer(box, kIdCancel);
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), tutor, kNormal));

  Click(main, MainScreen(), "btnTutor");
  box = WaitForBox("Confirm");
  world_.PlaceFile("disk\\kin.id", "disk 1");
  Answer(box, kIdOk);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "disk\\Tutor7s.exe", "start");
  EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), tutor, kNormal));
}

// While a disk prompt is up, the inserted disk's AutoPlay is held off, and its arrival makes the
// prompt look again: without the marker it stays, with it the tutorial starts as after OK. The
// box is settled first, so that nothing but its own posted message can end its modal loop.
TEST_F(MainMenuTest, DiskPromptHoldsOffAutoPlayAndNoticesTheDisk) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tutor7s.exe");
  world_.RemoveFile("disk\\kin.id");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const UINT queryCancelAutoPlay = RegisterWindowMessageW(L"QueryCancelAutoPlay");

  Click(main, MainScreen(), "btnTutor");
  const BoxView box = WaitForBox("Confirm");
  ASSERT_TRUE(WaitUntilReadyForInput(box.window));
  EXPECT_EQ(SendMessageW(box.window, queryCancelAutoPlay, 0, 0), TRUE);
  EXPECT_EQ(SendMessageW(main, queryCancelAutoPlay, 0, 0), TRUE) << "should it be in front";
  SendDiscArrival(box.window);
  SettleInput(box.window);
  EXPECT_TRUE(IsWindowVisible(box.window)) << "a disk without the marker ended the prompt";
  world_.PlaceFile("disk\\kin.id", "disk 1");
  SendDiscArrival(box.window);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "disk\\Tutor7s.exe", "start");
  EXPECT_TRUE(menu_.WaitUntilHidden(box.window));
  EXPECT_EQ(SendMessageW(main, queryCancelAutoPlay, 0, 0), 0) << "the idle menu held AutoPlay off";
  ExpectStartedInAll(1);
}

// Frames under the pointer: hovered from the background, the new hotspot before the old one,
// pressed only while held, normal after a release, and no action for the right button or a
// press dragged off the hotspot.
TEST_F(MainMenuTest, HotspotsShowTheirFramesUnderThePointer) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const MenuScreen& screen = MainScreen();
  const Hotspot& tree = screen.Find("btnArbora");
  const Hotspot& chart = screen.Find("btnPlotwise");

  EXPECT_TRUE(HoverOnto(menu_, main, screen, tree)) << "btnArbora not hovered";
  EXPECT_TRUE(HoverOnto(menu_, main, screen, chart)) << "btnPlotwise not hovered";
  EXPECT_TRUE(menu_.WaitForFrame(main, screen, tree, kNormal)) << "btnArbora still hovered";

  for (const Button button : {Button::kRight, Button::kMiddle}) {
    SCOPED_TRACE(button == Button::kRight ? "right button" : "middle button");
    PressButton(button);
    EXPECT_TRUE(menu_.WaitForFrame(main, screen, chart, kPressed)) << "press not shown pressed";
    ReleaseButton(button);
    EXPECT_TRUE(menu_.WaitForFrame(main, screen, chart, kNormal)) << "release not shown normal";
  }

  PressButton(Button::kLeft);
  EXPECT_TRUE(menu_.WaitForFrame(main, screen, chart, kPressed));
  menu_.PointAtBackground(main);
  EXPECT_EQ(menu_.FrameShown(main, screen, chart), kPressed) << "held press left the frame";
  ReleaseButton(Button::kLeft);
  EXPECT_TRUE(menu_.WaitForFrame(main, screen, chart, kNormal));

  // The journal is settled by a launch made after all the above.
  Click(main, screen, "btnArbora");
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_FALSE(launches.empty());
  // Only the tree program: no right or middle click, nor the dragged-off press, started anything.
  ExpectStartedInAll(1);
  ExpectLaunch(launches[0], "suite\\Tree7s.exe", "suite");
}

// The reminder cannot be stored: the application's error report names the file, and the menu
// still ends once it is answered.
TEST_F(MainMenuTest, FailedSettingsWriteIsReportedAndTheMenuStillEnds) {
  BuildStandardWorld();
  world_.BlockSettings();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  // Nothing could be read, so the reminder is on.
  HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
  ASSERT_TRUE(welcome);
  menu_.PressKey(welcome, VK_ESCAPE);
  ASSERT_TRUE(menu_.WaitUntilHidden(welcome));
  Click(main, MainScreen(), "btnQuit");
  HWND report = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (report = FindShownWindow(MainScreen().title, menu_.ProcessId(), kSystemBoxClass)) !=
           nullptr;
  })) << "no error report captioned with the application title";
  BoxView view;
  WaitFor([&] { return !(view = ReadBox(report)).text.empty(); });
  ExpectBox(view, MainScreen().title, "Unable to write to Brindle.ini.", {{"OK", kIdOk}});
  AnswerByKey(view, VK_RETURN);
  EXPECT_TRUE(menu_.WaitForExit()) << "the menu kept running after the report";
}

TEST_F(MainMenuTest, ASecondStartOpensAnIndependentMainMenu) {
  BuildStandardWorld();
  HWND first = StartMenu();
  ASSERT_TRUE(first);
  MenuSession second(WindowsPathOf(KINLOOM_E2E_MENU), WindowsPathOf(KINLOOM_E2E_ART));
  ASSERT_TRUE(second.Start(At("start")));
  HWND other = second.WaitForWindow(MainScreen().title);
  ASSERT_TRUE(other) << "the second start showed no main menu";
  EXPECT_NE(other, first);
  // Both are centred, so the second lies on top and takes the click.
  second.ClickHotspot(other, MainScreen().Find("btnQuit"));
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_TRUE(menu_.Running());
  EXPECT_TRUE(menu_.Shows(MainScreen().title));
}

TEST_F(MainMenuTest, QuitHotspotAndCloseBoxEndTheMenuKeepingTheSettings) {
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "btnQuit");
    BuildStandardWorld();
    HWND main = StartMenu();
    ASSERT_TRUE(main);
    if (closeBox) {
      menu_.ClickCloseBox(main);
    } else {
      Click(main, MainScreen(), "btnQuit");
    }
    ExpectMenuEndsWithReminder("0");
  }
}

}  // namespace
}  // namespace kinloom::e2e
