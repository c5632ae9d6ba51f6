// The real program under Wine: its main menu and welcome dialog as a person finds them, and a
// close that ends the process and stores the reminder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/system_win32.h"
#include "platform/win32/win_api.h"
#include "tests/support/window_probe.h"

namespace kinloom {
namespace {

const char* const kMainTitle = "Kinloom 7.0 Solstice Edition";

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    settings_ = std::string(windows) + "\\Brindle.ini";
    DeleteFileA(settings_.c_str());  // no settings: the reminder is on
  }
  void TearDown() override {
    if (process_.hProcess) {
      TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    DeleteFileA(settings_.c_str());
  }

  void Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = std::string("\"") + KINLOOM_PROGRAM + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_));
  }

  DWORD WaitForExit() {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
  }

  std::string settings_;
  PROCESS_INFORMATION process_{};
};

TEST_F(ProgramTest, OpensTheMainMenuWithTheWelcomeDialogAndStoresTheAnswerOnClose) {
  Start();
  HWND main = WaitForWindow(kMainTitle);
  ASSERT_NE(main, nullptr);
  const SIZE mainClient = ClientSize(main);
  EXPECT_EQ(mainClient.cx, 632);
  EXPECT_EQ(mainClient.cy, 453);
  const LONG mainStyle = GetWindowLongA(main, GWL_STYLE);
  EXPECT_TRUE(mainStyle & WS_MINIMIZEBOX);
  EXPECT_FALSE(mainStyle & (WS_MAXIMIZEBOX | WS_THICKFRAME));

  HWND welcome = WaitForWindow("Welcome");
  ASSERT_NE(welcome, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));  // the dialog opens over the shown main menu
  const SIZE welcomeClient = ClientSize(welcome);
  EXPECT_EQ(welcomeClient.cx, 465);
  EXPECT_EQ(welcomeClient.cy, 183);
  EXPECT_TRUE(GetWindowLongA(welcome, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(IsWindowEnabled(main));

  std::vector<std::string> tabStops;
  std::string welcomeText;
  for (const ChildInfo& child : Children(welcome)) {
    if (child.style & WS_TABSTOP) tabStops.push_back(child.text);
    if (child.text.rfind("Get Started Fast!", 0) == 0) welcomeText = child.text;
  }
  EXPECT_EQ(tabStops,
            (std::vector<std::string>{"OK", "Cancel", "Do not show this reminder again"}));
  EXPECT_EQ(welcomeText,
            "Get Started Fast!\r\n\r\nThe Kinloom tutorial provides a fun, quick overview of the "
            "important tools in this package that help you research and record your family "
            "history.\r\nTo begin the tutorial, click on the OK button now.");

  // Escape with the box unchecked asks for the reminder again next time.
  PostKey(welcome, VK_ESCAPE);
  ASSERT_TRUE(WaitFor([welcome] { return !IsWindowVisible(welcome); }));
  ASSERT_TRUE(WaitFor([main] { return IsWindowEnabled(main) != FALSE; }));
  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(WaitForExit(), 0u);
  EXPECT_EQ(SystemWin32().ReadProfileString("Brindle.ini", "Kin7s", "Reminder", ""), "1");
}

}  // namespace
}  // namespace kinloom
