// The welcome dialog end to end: what it shows, each way it ends, and what is stored at exit.
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

struct Ending {
  const char* name;
  bool checkFirst;  // tick "Do not show this reminder again" before ending
  enum { kOkButton, kEnter, kCancelButton, kEscape, kCloseBox, kRightThenEnter } how;
  bool startsTutorial;
  const char* storedReminder;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Ending& ending, std::ostream* out) {
  *out << ending.name;
}

using WelcomeDialogTest = MenuTest;

class WelcomeTest : public MenuTest, public ::testing::WithParamInterface<Ending> {};

// The dialog's controls as a screen reader finds them.
HWND ControlWithText(HWND dialog, const std::string& text) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowText(child) == text) return child;
  }
  return nullptr;
}

TEST_F(WelcomeDialogTest, DialogShowsItsTextOverTheVisibleMainMenu) {
  BuildStandardWorld(nullptr);
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
  ASSERT_TRUE(welcome) << "no Welcome dialog with the Reminder key absent";
  EXPECT_TRUE(IsWindowVisible(main));
  const std::string text =
      "Get Started Fast!\r\n\r\nThe Kinloom tutorial provides a fun, quick overview of the "
      "important tools in this package that help you research and record your family "
      "history.\r\nTo begin the tutorial, click on the OK button now.";
  EXPECT_NE(ControlWithText(welcome, text), nullptr) << "no label with the welcome text";
  HWND check = ControlWithText(welcome, "Do not show this reminder again");
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(WindowText(GetDlgItem(welcome, IDOK)), "OK");
  EXPECT_EQ(WindowText(GetDlgItem(welcome, IDCANCEL)), "Cancel");
  RECT client;
  GetClientRect(welcome, &client);
  EXPECT_EQ(client.right, 465);
  EXPECT_EQ(client.bottom, 183);
}

TEST_F(WelcomeDialogTest, DialogIsNotShownWhenTheReminderIsOff) {
  BuildStandardWorld("0");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  // A modal dialog would keep this click from the main menu.
  Click(main, MainScreen(), "btnArbora");
  ASSERT_EQ(WaitForLaunches(1).size(), 1u);
  EXPECT_FALSE(menu_.Shows(kWelcomeTitle));
}

// Whether `upper` lies above `lower` among the shown windows.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND window : ShownWindows()) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

TEST_F(WelcomeDialogTest, DialogStaysAboveTheMainMenuItBlocksAndTakesInput) {
  BuildStandardWorld("1");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
  ASSERT_TRUE(welcome);
  EXPECT_EQ(GetWindow(welcome, GW_OWNER), main);
  EXPECT_FALSE(GetWindowLongA(welcome, GWL_EXSTYLE) & WS_EX_APPWINDOW) << "a taskbar button";
  ASSERT_TRUE(IsAbove(welcome, main));
  // A click on the main menu's title bar, clear of the dialog and the title-bar buttons; then
  // the main menu brought forward as its taskbar button does.
  const auto dialogOnTop = [&] {
    return WaitFor([&] { return GetForegroundWindow() == welcome && IsAbove(welcome, main); });
  };
  RECT outer;
  GetWindowRect(main, &outer);
  ClickAt(POINT{outer.left + 120, outer.top + 10});
  EXPECT_TRUE(dialogOnTop()) << "behind the main menu after a click on its title bar";
  SwitchToThisWindow(main, TRUE);
  EXPECT_TRUE(dialogOnTop()) << "behind the main menu brought forward";
  // Still above, it takes a click on its Cancel button, which lies over the main menu.
  menu_.ClickControl(welcome, IDCANCEL);
  EXPECT_TRUE(menu_.WaitUntilHidden(welcome)) << "the dialog took no input";
}

// The task list's "End task" sends a close request; the dialog's answer must still count.
TEST_F(WelcomeDialogTest, CloseRequestDuringTheWelcomeDialogKeepsTheAnswer) {
  BuildStandardWorld("1");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
  ASSERT_TRUE(welcome);
  ASSERT_TRUE(PostMessageA(main, WM_CLOSE, 0, 0));
  EXPECT_FALSE(WaitFor([&] { return !IsWindowVisible(main); }, 1500))
      << "the main menu closed under the open dialog";
  EXPECT_TRUE(IsWindowVisible(welcome));
  menu_.ClickControl(welcome, IDCANCEL);  // remind me again
  ExpectMenuEndsWithReminder("1");
  ExpectStartedInAll(0);
}

TEST_P(WelcomeTest, EndsAndStoresTheReminder) {
  const Ending& ending = GetParam();
  BuildStandardWorld("1");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
  ASSERT_TRUE(welcome);
  HWND check = ControlWithText(welcome, "Do not show this reminder again");
  ASSERT_TRUE(check);
  if (ending.checkFirst) {
    RECT box;
    GetWindowRect(check, &box);
    ClickAt(POINT{box.left + 6, (box.top + box.bottom) / 2});
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  }
  switch (ending.how) {
    case Ending::kOkButton:
      menu_.ClickControl(welcome, IDOK);
      break;
    case Ending::kCancelButton:
      menu_.ClickControl(welcome, IDCANCEL);
      break;
    case Ending::kEnter:
      menu_.PressKey(welcome, VK_RETURN);
      break;
    case Ending::kEscape:
      menu_.PressKey(welcome, VK_ESCAPE);
      break;
    case Ending::kCloseBox:
      menu_.ClickCloseBox(welcome);
      break;
    case Ending::kRightThenEnter:
      menu_.PressKey(welcome, VK_RIGHT);
      menu_.PressKey(welcome, VK_RETURN);
      break;
  }
  ASSERT_TRUE(menu_.WaitUntilHidden(welcome)) << "the dialog stayed open";
  EXPECT_TRUE(IsWindowVisible(main));
  // Quitting settles the journal: a tutorial, if started, started before.
  Click(main, MainScreen(), "btnQuit");
  ExpectMenuEndsWithReminder(ending.storedReminder);
  const std::vector<Launch> launches = SettledLaunches();
  if (ending.startsTutorial) {
    ASSERT_EQ(launches.size(), 1u);
    ExpectLaunch(launches[0], "suite\\Tutor7s.exe", "start");
  } else {
    EXPECT_TRUE(launches.empty()) << Describe(launches[0]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, WelcomeTest,
    ::testing::Values(Ending{"OkButton", false, Ending::kOkButton, true, "0"},
                      Ending{"CheckedThenOkButton", true, Ending::kOkButton, true, "0"},
                      Ending{"Enter", false, Ending::kEnter, true, "0"},
                      Ending{"CancelButton", false, Ending::kCancelButton, false, "1"},
                      Ending{"Escape", false, Ending::kEscape, false, "1"},
                      Ending{"CheckedThenCancelButton", true, Ending::kCancelButton, false, "0"},
                      Ending{"CheckedThenEscape", true, Ending::kEscape, false, "0"},
                      Ending{"CloseBox", false, Ending::kCloseBox, false, "0"},
                      // The arrow keys move the focus from OK to Cancel, as in a standard box.
                      Ending{"RightThenEnter", false, Ending::kRightThenEnter, false, "1"}),
    [](const ::testing::TestParamInfo<Ending>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kinloom::e2e
