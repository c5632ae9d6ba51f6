// Bad input end to end: settings files of garbage, huge values, odd characters, paths beyond the
// system's limit, registry values of every type, an unwritable settings file, a disk without its
// installer, double-click storms and clicks behind an open box. Each: no crash, no hang, no
// lost setting, and every message exactly as the menu words it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

const std::string kDiskPrompt = "Please insert Kinloom Disk ";
const std::string kReinstall = std::string(" executable file.  Please reinstall Kinloom") + kReg +
                               " to ensure correct operation.";

// A profile value as the system reads it, with room for far more than the menu reads.
std::string ReadLongIni(const std::string& section, const std::string& key) {
  std::vector<char> value(16384);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", value.data(),
                           static_cast<DWORD>(value.size()), "Brindle.ini");
  return value.data();
}

class BadInputTest : public MenuTest {
 protected:
  // The pointer waits off the menu's area: a main menu that appears under it would show a
  // hovered hotspot where its start-up check expects the normal frame.
  void SetUp() override {
    MenuTest::SetUp();
    MovePointer(POINT{0, 0});
  }

  // Clicks the tutorial hotspot, which finds no tutorial anywhere, and expects the prompt for
  // disk 1 naming `driveShown`; returns the open box.
  BoxView ExpectTutorialDiskPrompt(HWND main, const std::string& driveShown) {
    ClickForBox(main, MainScreen(), "btnTutor", "Confirm");
    const BoxView box = WaitForBox("Confirm");
    ExpectBox(box, "Confirm", kDiskPrompt + "1 into drive " + driveShown,
              {{"OK", kIdOk}, {"Cancel", kIdCancel}});
    return box;
  }

  // Starts the menu and answers a welcome dialog, which settings without a readable reminder
  // bring up, with Cancel.
  HWND StartPastWelcome() {
    MovePointer(POINT{0, 0});
    EXPECT_TRUE(menu_.Start(At("start")));
    HWND main = menu_.WaitForWindow(MainScreen().title);
    HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
    EXPECT_TRUE(main && welcome) << "no main menu with its welcome dialog";
    if (!main || !welcome) return nullptr;
    menu_.PressKey(welcome, VK_ESCAPE);
    EXPECT_TRUE(menu_.WaitUntilHidden(welcome));
    EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), MainScreen().hotspots[0], kNormal));
    return main;
  }

  // Presses a box's button and expects the box to go.
  void Answer(const BoxView& box, int buttonId) {
    const BoxButton* button = ButtonWithId(box, buttonId);
    ASSERT_NE(button, nullptr) << "no button with id " << buttonId;
    ClickAt(CentreOf(button->rect));
    EXPECT_TRUE(menu_.WaitUntilHidden(box.window)) << "the box stayed open";
  }

  void ClickForBox(HWND window, const MenuScreen& screen, const char* hotspot,
                   const std::string& caption) {
    EXPECT_TRUE(ClickHovered(menu_, window, screen, hotspot, [&] { return menu_.Shows(caption); }))
        << hotspot << " showed no box captioned " << caption;
  }

  HWND Open(HWND main, const MenuScreen& screen, const char* opener) {
    HWND sub = nullptr;
    ClickHovered(menu_, main, MainScreen(), opener, [&] {
      return (sub = FindShownWindow(screen.title, menu_.ProcessId())) != nullptr;
    });
    EXPECT_NE(sub, nullptr) << opener << " opened nothing";
    return sub;
  }

  // Closes the main menu by its close box and checks that every key written before is intact,
  // however long, and that Reminder is 0.
  void QuitAndExpectSettingsKept(HWND main,
                                 const std::vector<std::pair<std::string, std::string>>& kept,
                                 const char* reminder = "0") {
    menu_.ClickCloseBox(main);
    if (!menu_.WaitForExit(4000)) PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(menu_.WaitForExit()) << "the menu did not end";
    for (const auto& [sectionKey, value] : kept) {
      const std::string section = sectionKey.substr(0, sectionKey.find('/'));
      const std::string key = sectionKey.substr(sectionKey.find('/') + 1);
      EXPECT_EQ(ReadLongIni(section, key), value) << sectionKey << " was not kept";
    }
    EXPECT_EQ(ReadLongIni("Kin7s", "Reminder"), reminder);
  }
};

TEST_F(BadInputTest, SettingsFileOfBinaryGarbageGivesDefaultsAndEndsWell) {
  BuildStandardWorld();
  std::mt19937 random(1791);
  std::string garbage(4096, '\0');
  for (char& c : garbage) c = static_cast<char>(random() & 0xFF);
  garbage[0] = '\x01';  // not a byte-order mark
  world_.WriteSettings(garbage);
  HWND main = StartPastWelcome();
  ASSERT_TRUE(main);
  // Every folder is "na\": the tutorial asks for disk 1 in drive na\.
  const BoxView box = ExpectTutorialDiskPrompt(main, "na\\");
  Answer(box, kIdCancel);
  // The welcome dialog left with Escape keeps the reminder on.
  QuitAndExpectSettingsKept(main, {}, "1");
}

// Values of 5,000 characters are read as their first 2,047; a 2,000-character drive with no
// blank in it still gives a prompt on the screen, wrapped within half its width.
TEST_F(BadInputTest, HugeValuesAreCutAndTheirPromptsFitTheScreen) {
  BuildStandardWorld();
  const std::string huge = "C:\\" + std::string(4997, 'k');
  const std::string drive = "C:\\" + std::string(1997, 'd');
  const std::string other = std::string(5000, 'o');
  WriteSettings("[Display]\r\nTheme=" + other + "\r\n[Kin7s]\r\nKinDir=" + huge +
                "\r\nCDPath=" + drive + "\r\nTYCatDir=" + huge + "\r\nFLDIR=" + huge +
                "\r\nReminder=0\r\n[Recent]\r\nFile1=" + other + "\r\n");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const BoxView box = ExpectTutorialDiskPrompt(main, drive + "\\");
  RECT outer, text;
  GetWindowRect(box.window, &outer);
  GetWindowRect(GetDlgItem(box.window, GetDlgCtrlID(FindWindowExA(box.window, nullptr, "Static",
                                                                  box.text.c_str()))),
                &text);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_GE(outer.left, 0);
  EXPECT_GE(outer.top, 0);
  EXPECT_LE(outer.right, screenWidth);
  EXPECT_LE(outer.bottom, screenHeight);
  EXPECT_LE(text.right - text.left, screenWidth / 2) << "the text is wider than half the screen";
  Answer(box, kIdCancel);

  // The program folder is the first 2,047 characters with a backslash: the tree program is not
  // found there and the box says so.
  ClickForBox(main, MainScreen(), "btnArbora", "Error");
  const BoxView error = WaitForBox("Error");
  ExpectBox(error, "Error", "Cannot locate the Arbora" + kReinstall, {{"Cancel", kIdCancel}});
  Answer(error, kIdCancel);
  QuitAndExpectSettingsKept(main, {{"Display/Theme", other},
                                   {"Kin7s/KinDir", huge},
                                   {"Kin7s/CDPath", drive},
                                   {"Kin7s/FLDIR", huge},
                                   {"Recent/File1", other}});
}

// Forward slashes, blanks and an ampersand stay as written: the program starts from such a
// folder, and the ampersand shows literally in a prompt.
TEST_F(BadInputTest, SlashesBlanksAndAmpersandsStayAsWritten) {
  BuildStandardWorld();
  world_.PlaceProgram("suite dir & co\\Tree7s.exe");
  const std::string programs = "C:/kinloom-e2e/suite dir & co/";
  const std::string drive = "C:/kinloom-e2e/Disk & Co";
  WriteSettings("[Kin7s]\r\nKinDir=  " + programs + "  \r\nCDPath=" + drive +
                "\r\nReminder=0\r\n[Recent]\r\nFile1=A & B\r\n");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  const BoxView box = ExpectTutorialDiskPrompt(main, drive + "\\");
  HWND text = FindWindowExA(box.window, nullptr, "Static", box.text.c_str());
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & SS_NOPREFIX)
      << "the ampersand would mark an accelerator instead of showing";
  Answer(box, kIdCancel);

  EXPECT_TRUE(ClickHovered(menu_, main, MainScreen(), "btnArbora",
                           [&] { return !ReadJournal(JournalPath()).empty(); }));
  const std::vector<Launch> launches = SettledLaunches();
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "suite dir & co\\Tree7s.exe", "suite dir & co");
  QuitAndExpectSettingsKept(main, {{"Kin7s/CDPath", drive}, {"Recent/File1", "A & B"}});
}

TEST_F(BadInputTest, PathsBeyondTheSystemLimitAreNotFoundAndSaySo) {
  BuildStandardWorld();
  std::string deep = "C:\\kinloom-e2e";
  while (deep.size() < 400) deep += "\\folder-of-a-very-long-name";
  WriteSettings("[Kin7s]\r\nKinDir=" + deep + "\r\nCDPath=" + deep + "\r\nReminder=0\r\n");
  world_.SetInstallDir(kCensusViewerKey, REG_SZ, deep + '\0');
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  ClickForBox(main, MainScreen(), "btnArbora", "Error");
  const BoxView error = WaitForBox("Error");
  ExpectBox(error, "Error", "Cannot locate the Arbora" + kReinstall, {{"Cancel", kIdCancel}});
  Answer(error, kIdCancel);
  const BoxView prompt = ExpectTutorialDiskPrompt(main, deep + "\\");
  Answer(prompt, kIdCancel);
  EXPECT_TRUE(SettledLaunches().empty());
  QuitAndExpectSettingsKept(main, {{"Kin7s/KinDir", deep}});
}

// Every registry type as the census viewer's folder, seen through the census hotspot.
TEST_F(BadInputTest, RegistryValuesOfEveryTypeGiveTheirOutcome) {
  const std::string census = std::string("C:\\kinloom-e2e\\census");
  // clang-format off
  const struct {
    const char* name;
    DWORD type;
    std::string bytes;
    const char* outcome;  // "offer": not installed; "start": tyviewer starts; "missing": error box
  } kCases[] = {
    {"REG_DWORD",                REG_DWORD,     std::string("\x01\x00\x00\x00", 4),                          "offer"},
    {"REG_BINARY",               REG_BINARY,    census,                                                      "offer"},
    {"REG_MULTI_SZ",             REG_MULTI_SZ,  census + '\0' + "D:\\x" + '\0' + '\0',                       "offer"},
    {"REG_EXPAND_SZ unexpanded", REG_EXPAND_SZ, "%SystemDrive%\\kinloom-e2e\\census" + std::string(1, '\0'), "missing"},
    {"REG_EXPAND_SZ plain",      REG_EXPAND_SZ, census + '\0',                                               "start"},
    {"embedded NUL",             REG_SZ,        census + '\0' + "\\garbage" + '\0',                          "start"},
    {"empty",                    REG_SZ,        std::string(1, '\0'),                                        "missing"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    BuildStandardWorld();
    world_.SetInstallDir(kCensusViewerKey, c.type, c.bytes);
    HWND main = StartMenu();
    ASSERT_TRUE(main);
    HWND ty = Open(main, TessaryScreen(), "btnTY");
    ASSERT_TRUE(ty);
    const std::string outcome = c.outcome;
    if (outcome == "start") {
      EXPECT_TRUE(ClickHovered(menu_, ty, TessaryScreen(), "btnCensus",
                               [&] { return !ReadJournal(JournalPath()).empty(); }));
      const std::vector<Launch> launches = SettledLaunches();
      ASSERT_EQ(launches.size(), 1u);
      ExpectLaunch(launches[0], "census\\tyviewer.exe", "start");
    } else if (outcome == "offer") {
      ClickForBox(ty, TessaryScreen(), "btnCensus", "Confirm");
      const BoxView box = WaitForBox("Confirm");
      ExpectBox(box, "Confirm", "Census Record Viewer is not installed. Install now?",
                {{"&Yes", kIdYes}, {"&No", kIdNo}, {"Cancel", kIdCancel}});
      Answer(box, kIdNo);
    } else {
      ClickForBox(ty, TessaryScreen(), "btnCensus", "Error");
      const BoxView box = WaitForBox("Error");
      ExpectBox(box, "Error", "Cannot locate the Census Records" + kReinstall,
                {{"Cancel", kIdCancel}});
      Answer(box, kIdCancel);
    }
    EXPECT_TRUE(menu_.Running());
    menu_.End();
    world_.Clear();
    world_.MakeFolder("start");
  }
}

// The settings file cannot be written (a folder of its name): closing reports it and ends.
TEST_F(BadInputTest, UnwritableSettingsFileIsReportedAndTheMenuStillEnds) {
  for (const bool fromSubScreen : {false, true}) {
    SCOPED_TRACE(fromSubScreen ? "quit from a sub-screen" : "quit from the main menu");
    BuildStandardWorld();
    DeleteFileA(world_.SettingsPath().c_str());
    ASSERT_TRUE(CreateDirectoryA(world_.SettingsPath().c_str(), nullptr));
    HWND main = StartPastWelcome();
    ASSERT_TRUE(main);
    HWND from = main;
    const MenuScreen* screen = &MainScreen();
    if (fromSubScreen) {
      from = Open(main, ResearchScreen(), "btnResearch");
      screen = &ResearchScreen();
      ASSERT_TRUE(from);
    }
    HWND report = nullptr;
    const auto reportShown = [&] {
      for (HWND window : ShownWindows(menu_.ProcessId())) {
        if (ClassOf(window) == "#32770") report = window;
      }
      return report != nullptr;
    };
    EXPECT_TRUE(ClickHovered(menu_, from, *screen, "btnQuit", reportShown)) << "no error report";
    ASSERT_TRUE(report);
    const BoxView box = ReadBox(report);
    EXPECT_EQ(box.caption, "Kinloom 7.0 Solstice Edition");
    EXPECT_EQ(box.text, "Unable to write to Brindle.ini.");
    ASSERT_NE(ButtonWithId(box, kIdOk), nullptr);
    ClickAt(CentreOf(ButtonWithId(box, kIdOk)->rect));
    EXPECT_TRUE(menu_.WaitForExit()) << "the menu did not end after the report";
    RemoveDirectoryA(world_.SettingsPath().c_str());
  }
}

// The census disk is in the drive but holds no installer: the prompt comes back after OK, and
// Cancel ends it with nothing started.
TEST_F(BadInputTest, DiskWithItsMarkerButNoInstallerIsAskedForAgain) {
  BuildStandardWorld();
  world_.RemovePartnerKeys();
  world_.RemoveFile("disk\\setup.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND ty = Open(main, TessaryScreen(), "btnTY");
  ASSERT_TRUE(ty);
  ClickForBox(ty, TessaryScreen(), "btnCensus", "Confirm");
  Answer(WaitForBox("Confirm"), kIdYes);
  const std::string prompt =
      kDiskPrompt + "13, 14, or 15 Census Records into drive " + At("disk") + "\\";
  for (int round = 0; round < 2; ++round) {
    const BoxView box = WaitForBox("Confirm");
    ExpectBox(box, "Confirm", prompt, {{"OK", kIdOk}, {"Cancel", kIdCancel}});
    Answer(box, kIdOk);
  }
  const BoxView last = WaitForBox("Confirm");
  ExpectBox(last, "Confirm", prompt, {{"OK", kIdOk}, {"Cancel", kIdCancel}});
  Answer(last, kIdCancel);
  EXPECT_TRUE(SettledLaunches().empty());
  EXPECT_TRUE(menu_.Shows(TessaryScreen().title)) << "the Tessary screen did not stay";
}

// Double clicks on every hotspot of the main menu and the internet screen that starts
// something: each double click runs its action once.
TEST_F(BadInputTest, DoubleClickStormRunsEachActionOncePerDoubleClick) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  constexpr int kDoubleClicks = 3;
  size_t expected = 0;
  const auto storm = [&](HWND window, const MenuScreen& screen, const char* name) {
    const Hotspot& hotspot = screen.Find(name);
    for (int i = 0; i < kDoubleClicks; ++i) {
      ASSERT_TRUE(HoverOnto(menu_, window, screen, hotspot)) << name;
      const POINT at = CentreOf(menu_.HotspotArea(window, hotspot));
      DoubleClickAt(at);
      ++expected;
      ASSERT_EQ(WaitForLaunches(expected).size(), expected) << name << " double click " << i;
    }
  };
  for (const char* name : {"btnArbora", "btnPlotwise", "btnAncestry", "btnTutor"}) {
    ASSERT_NO_FATAL_FAILURE(storm(main, MainScreen(), name));
  }
  HWND internet = Open(main, InternetScreen(), "btnInternet");
  ASSERT_TRUE(internet);
  for (const Hotspot& hotspot : InternetScreen().hotspots) {
    const std::string name = hotspot.name;
    if (name == "btnToMain" || name == "btnQuit") continue;
    ASSERT_NO_FATAL_FAILURE(storm(internet, InternetScreen(), hotspot.name));
  }
  EXPECT_EQ(SettledLaunches().size(), expected) << "a second press made a click";
  EXPECT_TRUE(menu_.Running());
}

// While a box is open, clicks on the screen behind it do nothing; afterwards the screen works.
TEST_F(BadInputTest, ClicksBehindAnOpenBoxAreIgnored) {
  BuildStandardWorld();
  world_.RemoveFile("suite\\Tree7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  ClickForBox(main, MainScreen(), "btnArbora", "Error");
  const BoxView box = WaitForBox("Error");
  // Sent straight away: the screen behind the box is disabled, never ready for input.
  for (const char* name : {"btnPlotwise", "btnTutor", "btnResearch", "btnQuit"}) {
    MovePointer(CentreOf(menu_.HotspotArea(main, MainScreen().Find(name))));
    PressButton(Button::kLeft);
    ReleaseButton(Button::kLeft);
  }
  EXPECT_FALSE(WaitFor([&] { return !ReadJournal(JournalPath()).empty(); }, 1500))
      << "a click behind the box started something";
  EXPECT_TRUE(menu_.Running());
  EXPECT_TRUE(IsWindowVisible(box.window));
  EXPECT_FALSE(menu_.Shows(ResearchScreen().title));
  Answer(box, kIdCancel);
  EXPECT_TRUE(ClickHovered(menu_, main, MainScreen(), "btnPlotwise",
                           [&] { return !ReadJournal(JournalPath()).empty(); }));
  EXPECT_EQ(SettledLaunches().size(), 1u);
}

}  // namespace
}  // namespace kinloom::e2e
