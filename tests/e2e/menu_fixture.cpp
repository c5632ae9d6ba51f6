// World building, menu start-up and the shared checks of the end-to-end cases.
#include "tests/e2e/menu_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "platform/win32/wide_text.h"
#include "tests/e2e/image.h"
#include "tests/e2e/input.h"
#include "tests/e2e/processes.h"

namespace kinloom::e2e {
namespace {

constexpr char kRoot[] = "C:\\kinloom-e2e";

// Programs the menu starts from the program folder.
constexpr const char* kSuitePrograms[] = {"Tree7s.exe",   "Chart7s.exe", "kwni7s.exe",
                                          "Muster7s.exe", "Hist7s.exe",  "SSI7s.exe",
                                          "names7s.exe",  "Tutor7s.exe"};
constexpr const char* kDiskMarkers[] = {"kin.id",     "flet.id",    "TYIIF.DAT", "PY_Marr.id",
                                        "PY_Land.id", "TY_Ship.id", "TY_Cat.id"};
constexpr const char* kDiskPrograms[] = {"Tutor7s.exe", "flete\\setup.exe", "setup.exe",
                                         "install.exe", "Adobe\\rs405eng.exe"};

// The standard settings: the menu's section amid others, with keys it does not know.
constexpr char kStandardSettings[] =
    "; Kinloom settings\r\n"
    "[Display]\r\nTheme=Heritage\r\n\r\n"
    "[Kin7s]\r\nKinDir=C:\\kinloom-e2e\\suite\r\nCDPath=C:\\kinloom-e2e\\disk\r\n"
    "TYCatDir=C:\\kinloom-e2e\\disk\\\r\nFLDIR=C:\\kinloom-e2e\\framelet\r\n"
    "LastUser=Ada Lovelace\r\n"
    "%s\r\n"
    "[Recent]\r\nFile1=C:\\Trees\\Lovelace.kin\r\n";

struct SettingsKey {
  std::string section;
  std::string key;
  std::string value;
};

// The keys of a settings text, as section, key and value; comments and blank lines skipped.
std::vector<SettingsKey> KeysOf(const std::string& text) {
  std::vector<SettingsKey> keys;
  std::istringstream lines(text);
  std::string line, section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
    } else if (line.find('=') != std::string::npos) {
      keys.push_back({section, line.substr(0, line.find('=')), line.substr(line.find('=') + 1)});
    }
  }
  return keys;
}

std::string WithoutTrailingBackslash(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::string ReadIni(const std::string& section, const std::string& key) {
  wchar_t value[2048] = {};
  GetPrivateProfileStringW(ToUtf16(section).c_str(), ToUtf16(key).c_str(), L"<absent>", value, 2048,
                           L"Brindle.ini");
  return ToUtf8(value);
}

// The maker's redirect address for a target id, with any host.
std::string RedirectPattern(const std::string& targetId) {
  return "http://[^/\\s\"]+/familytree/redirect\\?target_id=" + targetId + "&prod_id=70994";
}

}  // namespace

std::string NotFoundText(const std::string& displayName) {
  return "Cannot locate the " + displayName + " executable file.  Please reinstall Kinloom" + kReg +
         " to ensure correct operation.";
}

MenuTest::MenuTest()
    : world_(kRoot, WindowsPathOf(KINLOOM_E2E_STAND_IN)),
      menu_(WindowsPathOf(KINLOOM_E2E_MENU), WindowsPathOf(KINLOOM_E2E_ART)) {}

void MenuTest::SetUp() {
  world_.Clear();
  world_.MakeFolder("start");
  SetEnvironmentVariableW(kJournalVariable, ToUtf16(JournalPath()).c_str());
}

void MenuTest::TearDown() {
  if (HasFailure()) RecordFailureScene();
  menu_.End();
  EndProcessesUnder(world_.Root() + "\\");
}

// What the screen showed when a case failed: a picture named after the case, and the windows.
void MenuTest::RecordFailureScene() const {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string folder = WindowsPathOf(KINLOOM_E2E_FAILURES);
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string picture = folder + "\\" + test->test_suite_name() + "." + test->name() + ".bmp";
  SaveBmp(CaptureScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}),
          picture);
  std::string windows;
  for (HWND window : ShownWindows()) windows += " [" + WindowText(window) + "]";
  ADD_FAILURE() << "screen when it failed: " << picture << "\nshown windows:" << windows
                << "\nstarted:\n"
                << Describe(ReadJournal(JournalPath()));
}

std::string MenuTest::StandardSettings(const char* reminder) const {
  char text[1024];
  std::snprintf(text, sizeof text, kStandardSettings,
                reminder ? (std::string("Reminder=") + reminder).c_str() : "");
  return text;
}

void MenuTest::WriteSettings(const std::string& text) {
  world_.WriteSettings(text);
  writtenSettings_ = text;
}

void MenuTest::WriteSettings(const std::string& text, SettingsEncoding encoding) {
  world_.WriteSettings(SettingsBytes(text, encoding));
  writtenSettings_ = text;
}

void MenuTest::BuildStandardWorld(const char* reminder) {
  WriteSettings(StandardSettings(reminder));
  for (const char* program : kSuitePrograms) world_.PlaceProgram(std::string("suite\\") + program);
  for (const char* marker : kDiskMarkers) world_.PlaceFile(std::string("disk\\") + marker, "disk");
  for (const char* program : kDiskPrograms) world_.PlaceProgram(std::string("disk\\") + program);
  world_.PlaceFile("disk\\Ellis\\index.htm", "<html></html>");
  world_.PlaceFile("disk\\catalog.pdf", "%PDF-1.4");
  world_.PlaceProgram("census\\tyviewer.exe");
  world_.PlaceProgram("parcelry\\parcelry.exe");
  world_.PlaceProgram("framelet\\framelet.exe");
  world_.PlaceProgram("handlers\\browser.exe");
  // One with its trailing backslash, one without: the menu adds it where missing.
  world_.SetInstallDir(kCensusViewerKey, REG_SZ, At("census") + '\0');
  world_.SetInstallDir(kArchivesKey, REG_SZ, At("parcelry\\") + '\0');
  world_.RouteShellTo("handlers\\browser.exe");
}

HWND MenuTest::StartMenu() {
  // Park the pointer in a corner the menu never covers: a window that appears under the pointer
  // takes a move at once, and its hotspot would show hovered.
  MovePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
  EXPECT_TRUE(menu_.Start(At("start"))) << "kinloom.exe did not start";
  HWND main = menu_.WaitForWindow(MainScreen().title);
  EXPECT_NE(main, nullptr) << "no main menu window titled \"" << MainScreen().title << "\"";
  // Painted: a hotspot that the welcome dialog never covers shows its normal frame.
  if (main) {
    EXPECT_TRUE(menu_.WaitForFrame(main, MainScreen(), MainScreen().Find("btnTutor"), kNormal))
        << "the main menu's btnTutor does not show its normal frame";
  }
  return main;
}

HWND MenuTest::OpenSubScreen(HWND mainWindow, const MenuScreen& screen) {
  static const std::pair<const MenuScreen*, const char*> kOpeners[] = {
      {&ResearchScreen(), "btnResearch"},
      {&FamilyScreen(), "btnFamily"},
      {&TessaryScreen(), "btnTY"},
      {&InternetScreen(), "btnInternet"}};
  for (const auto& [opened, hotspot] : kOpeners) {
    if (opened != &screen) continue;
    Click(mainWindow, MainScreen(), hotspot);
    HWND window = menu_.WaitForWindow(screen.title);
    EXPECT_NE(window, nullptr) << hotspot << " showed no window titled \"" << screen.title << "\"";
    return window;
  }
  ADD_FAILURE() << screen.title << " is not a sub-screen";
  return nullptr;
}

void MenuTest::Click(HWND window, const MenuScreen& screen, const char* hotspot) {
  menu_.ClickHotspot(window, screen.Find(hotspot));
}

BoxView MenuTest::WaitForBox(const std::string& caption) {
  HWND box = menu_.WaitForWindow(caption);
  EXPECT_NE(box, nullptr) << "no message box captioned \"" << caption << "\"";
  if (!box) return BoxView{};
  BoxView view;
  // The box may be found before its controls are all there.
  WaitFor([&] { return !(view = ReadBox(box)).buttons.empty() && !view.text.empty(); });
  return view;
}

void MenuTest::ExpectBox(const BoxView& box, const std::string& caption, const std::string& text,
                         const std::vector<std::pair<std::string, int>>& buttons) {
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(Printable(box.text), Printable(text));
  EXPECT_TRUE(box.hasIcon) << "the box shows no icon";
  std::vector<std::pair<std::string, int>> shown;
  for (const BoxButton& button : box.buttons) shown.emplace_back(button.caption, button.id);
  EXPECT_EQ(shown, buttons) << "buttons left to right as caption and id";
  ExpectBoxLayout(box);
}

// One row of buttons of one width, centred under the text, and the box centred on the screen.
// The system's own box (the error report) is laid out by the system, so it is left alone.
void MenuTest::ExpectBoxLayout(const BoxView& box) {
  if (box.buttons.empty() || ClassOf(box.window) == kSystemBoxClass) return;
  RECT outer;
  GetWindowRect(box.window, &outer);
  const RECT& first = box.buttons.front().rect;
  const RECT& last = box.buttons.back().rect;
  for (const BoxButton& button : box.buttons) {
    EXPECT_EQ(button.rect.right - button.rect.left, first.right - first.left)
        << button.caption << " differs in width";
    EXPECT_EQ(button.rect.top, first.top) << button.caption << " is out of the row";
  }
  EXPECT_LE(box.textRect.right - box.textRect.left, GetSystemMetrics(SM_CXSCREEN) / 2)
      << "the text is wider than half the screen";
  EXPECT_GE(first.top, box.textRect.bottom) << "the buttons are not under the text";
  EXPECT_LE(std::abs((first.left - outer.left) - (outer.right - last.right)), 2)
      << "the row of buttons is not centred";
  EXPECT_LE(std::abs(outer.left + outer.right - GetSystemMetrics(SM_CXSCREEN)), 1)
      << "the box is not centred across the screen";
  EXPECT_LE(std::abs(outer.top + outer.bottom - GetSystemMetrics(SM_CYSCREEN)), 1)
      << "the box is not centred down the screen";
}

void MenuTest::ExpectNoBrowserBox(const BoxView& box, const std::string& targetId) {
  const std::string lead = std::string("Kinloom") + kReg +
                           " was unable to locate an association for .HTML files on this "
                           "system.  To access the web page, launch your browser and open ";
  EXPECT_EQ(box.text.rfind(lead, 0), 0u) << Printable(box.text);
  EXPECT_TRUE(std::regex_match(box.text.substr(std::min(lead.size(), box.text.size())),
                               std::regex(RedirectPattern(targetId))))
      << "the address after \"open \" is not the one for " << targetId << ": "
      << Printable(box.text);
  ExpectBox(box, "Error", box.text, {{"OK", kIdOk}});
}

void MenuTest::Answer(const BoxView& box, int buttonId) {
  ASSERT_NE(ButtonWithId(box, buttonId), nullptr) << "no button with id " << buttonId;
  ClickAt(CentreOf(ButtonWithId(box, buttonId)->rect));
  EXPECT_TRUE(menu_.WaitUntilHidden(box.window)) << "the box stayed open";
}

void MenuTest::AnswerByKey(const BoxView& box, WORD virtualKey) {
  menu_.PressKey(box.window, virtualKey);
  EXPECT_TRUE(menu_.WaitUntilHidden(box.window)) << "the box stayed open";
}

std::vector<Launch> MenuTest::WaitForLaunches(size_t count) {
  std::vector<Launch> launches;
  WaitFor([&] { return (launches = ReadJournal(JournalPath())).size() >= count; });
  return launches;
}

std::vector<Launch> MenuTest::SettledLaunches() {
  // A stand-in in journal mode exits as soon as it has written, so none running means done.
  EXPECT_TRUE(WaitFor([&] { return !AnyProcessUnder(world_.Root() + "\\"); }))
      << "a started program is still running";
  return ReadJournal(JournalPath());
}

void MenuTest::ExpectStartedInAll(size_t count) {
  const std::vector<Launch> launches = SettledLaunches();
  EXPECT_EQ(launches.size(), count) << "started:\n" << Describe(launches);
}

void MenuTest::ExpectLaunch(const Launch& launch, const std::string& program,
                            const std::string& folder) {
  EXPECT_EQ(launch.program, At(program)) << Describe(launch);
  EXPECT_EQ(WithoutTrailingBackslash(launch.folder), WithoutTrailingBackslash(At(folder)))
      << "working folder of " << Describe(launch);
}

void MenuTest::ExpectRedirect(const Launch& launch, const std::string& targetId) {
  EXPECT_EQ(launch.program, At("handlers\\browser.exe")) << Describe(launch);
  EXPECT_TRUE(
      std::regex_search(launch.commandLine, std::regex("\"" + RedirectPattern(targetId) + "\"$")))
      << "the browser did not receive the redirect address for " << targetId << ": "
      << Describe(launch);
}

void MenuTest::ExpectMenuEndsWithReminder(const char* reminder) {
  ASSERT_TRUE(menu_.WaitForExit()) << "the menu did not end";
  EXPECT_EQ(ReadIni("Kin7s", "Reminder"), reminder) << world_.ReadSettings();
  for (const SettingsKey& kept : KeysOf(writtenSettings_)) {
    if (kept.section == "Kin7s" && kept.key == "Reminder") continue;
    EXPECT_EQ(ReadIni(kept.section, kept.key), kept.value)
        << "[" << kept.section << "] " << kept.key << " was not kept";
  }
}

}  // namespace kinloom::e2e
