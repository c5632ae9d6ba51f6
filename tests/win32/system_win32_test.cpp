// The Win32 system adapter against the real profile, registry, file, shell and window calls.
#include "platform/win32/system_win32.h"

#include "platform/win32/win_api.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/toolkit/application.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_backend.h"
#include "tests/support/wait_for.h"

namespace kinloom {
namespace {

std::string WindowsFolder() {
  char buffer[MAX_PATH];
  UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return std::string(buffer, length) + "\\";
}

std::string TempFolder() {
  char buffer[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, buffer);
  return std::string(buffer, length);  // ends in a backslash
}

void WriteTextFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadTextFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, &content[0], static_cast<DWORD>(content.size()), &read, nullptr);
  CloseHandle(file);
  return content;
}

class ProfileTest : public testing::Test {
 protected:
  void SetUp() override { DeleteFileA(path_.c_str()); }
  void TearDown() override { DeleteFileA(path_.c_str()); }

  const std::string file_ = "KinloomAdapterTest.ini";
  const std::string path_ = WindowsFolder() + file_;
  SystemWin32 system_;
};

TEST_F(ProfileTest, BareNameLivesInTheWindowsFolderAndWritesKeepTheRest) {
  WriteTextFile(path_, "; kept comment\r\n[Other]\r\nKeep=yes\r\n[Kin7s]\r\nKinDir=C:\\Suite\r\n");
  ASSERT_TRUE(system_.WriteProfileString(file_, "Kin7s", "Reminder", "0"));

  EXPECT_EQ(system_.ReadProfileString(file_, "kin7S", "reminder", "x"), "0");
  EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "KinDir", "na"), "C:\\Suite");
  EXPECT_EQ(system_.ReadProfileString(file_, "Other", "Keep", "na"), "yes");
  EXPECT_NE(ReadTextFile(path_).find("; kept comment"), std::string::npos);
}

TEST_F(ProfileTest, AbsentGivesTheFallbackAndEmptyGivesEmptyText) {
  EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "KinDir", "na"), "na");  // no file yet
  WriteTextFile(path_, "[Kin7s]\r\nKinDir=\r\n");
  EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "KinDir", "na"), "");
  EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "CDPath", "na"), "na");
  EXPECT_EQ(system_.ReadProfileString(file_, "Elsewhere", "KinDir", "na"), "na");
}

TEST_F(ProfileTest, FirstWriteCreatesTheFile) {
  ASSERT_TRUE(system_.WriteProfileString(file_, "Kin7s", "Reminder", "1"));
  EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "Reminder", ""), "1");
  EXPECT_NE(ReadTextFile(path_).find("Reminder=1"), std::string::npos);
}

TEST_F(ProfileTest, LongValuesAreCutAt2047Characters) {
  std::string value(3000, 'a');
  value[2046] = 'b';
  value[2047] = 'c';
  WriteTextFile(path_, "[Kin7s]\r\nKinDir=" + value + "\r\n");
  std::string read = system_.ReadProfileString(file_, "Kin7s", "KinDir", "na");
  ASSERT_EQ(read.size(), 2047u);
  EXPECT_EQ(read.back(), 'b');
}

TEST_F(ProfileTest, WriteReportsFailureWhenTheFileCannotBeWritten) {
  // As root nothing but a folder in the file's place stops the profile service.
  const std::string blocked = "KinloomBlockedTest.ini";
  const std::string blockedPath = WindowsFolder() + blocked;
  ASSERT_TRUE(CreateDirectoryA(blockedPath.c_str(), nullptr) ||
              GetLastError() == ERROR_ALREADY_EXISTS);
  EXPECT_FALSE(system_.WriteProfileString(blocked, "Kin7s", "Reminder", "0"));
  RemoveDirectoryA(blockedPath.c_str());
}

// The test's keys, made in the 32-bit view only: the one every build reads.
class RegistryTest : public testing::Test {
 protected:
  static constexpr const char* kRoot = "Software\\KinloomAdapterTest";

  void SetUp() override {
    RemoveRoot(KEY_WOW64_32KEY);
    RemoveRoot(KEY_WOW64_64KEY);
    key_ = CreateRoot(KEY_WOW64_32KEY);
    ASSERT_NE(key_, nullptr);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RemoveRoot(KEY_WOW64_32KEY);
    RemoveRoot(KEY_WOW64_64KEY);
  }
  static HKEY CreateRoot(REGSAM view) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRoot, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key,
                    nullptr);
    return key;
  }
  static void RemoveRoot(REGSAM view) {
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | view, &software) ==
        ERROR_SUCCESS) {
      SHDeleteKeyA(software, "KinloomAdapterTest");
      RegCloseKey(software);
    }
  }
  void SetValue(const char* name, DWORD type, const std::string& bytes) {
    ASSERT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }

  HKEY key_ = nullptr;
  SystemWin32 system_;
};

TEST_F(RegistryTest, EveryOutcomeOfOneLookup) {
  SetValue("Text", REG_SZ, std::string("E:\\Viewer\0", 10));
  SetValue("EmptyText", REG_SZ, std::string("\0", 1));
  SetValue("Expand", REG_EXPAND_SZ, std::string("%WINDIR%\\Viewer\0", 16));
  SetValue("EmbeddedNul", REG_SZ, std::string("C:\\A\0C:\\B\0", 10));
  SetValue("NoFinalNul", REG_SZ, "C:\\Bare");
  SetValue("Number", REG_DWORD, std::string("\x05\0\0\0", 4));
  SetValue("Binary", REG_BINARY, "\x01\x02");
  SetValue("ZeroLength", REG_BINARY, "");

  struct Row {
    const char* keyPath;
    const char* value;
    RegistryOutcome outcome;
    const char* text;
  };
  const Row rows[] = {
      {"Software\\KinloomAdapterTest\\Absent", "InstallDir", RegistryOutcome::kCannotOpen, ""},
      {"Software\\KinloomAdapterTest", "Missing", RegistryOutcome::kEmpty, ""},
      {"Software\\KinloomAdapterTest", "ZeroLength", RegistryOutcome::kEmpty, ""},
      {"Software\\KinloomAdapterTest", "Text", RegistryOutcome::kText, "E:\\Viewer"},
      {"\\Software\\KinloomAdapterTest", "Text", RegistryOutcome::kText, "E:\\Viewer"},
      {"Software\\KinloomAdapterTest", "EmptyText", RegistryOutcome::kText, ""},
      {"Software\\KinloomAdapterTest", "Expand", RegistryOutcome::kText, "%WINDIR%\\Viewer"},
      {"Software\\KinloomAdapterTest", "EmbeddedNul", RegistryOutcome::kText, "C:\\A"},
      {"Software\\KinloomAdapterTest", "NoFinalNul", RegistryOutcome::kText, "C:\\Bare"},
      {"Software\\KinloomAdapterTest", "Number", RegistryOutcome::kOtherType, ""},
      {"Software\\KinloomAdapterTest", "Binary", RegistryOutcome::kOtherType, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.keyPath) + " / " + row.value);
    RegistryValue found = system_.ReadMachineString(row.keyPath, row.value);
    EXPECT_EQ(found.outcome, row.outcome);
    EXPECT_EQ(found.text, row.text);
  }
}

// Where Windows keeps two views (64-bit Windows, so also a 32-bit program there), a value in
// the 64-bit view alone is not the partners' and is not read.
TEST_F(RegistryTest, OnlyThe32BitViewIsRead) {
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  if (sizeof(void*) == 4 && !wow64) GTEST_SKIP() << "32-bit Windows has one registry view";
  HKEY native = CreateRoot(KEY_WOW64_64KEY);
  ASSERT_NE(native, nullptr);
  const std::string bytes("C:\\Native\0", 10);
  RegSetValueExA(native, "NativeOnly", 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(native);
  SetValue("Text", REG_SZ, std::string("E:\\Viewer\0", 10));

  EXPECT_EQ(system_.ReadMachineString(kRoot, "Text").text, "E:\\Viewer");
  EXPECT_EQ(system_.ReadMachineString(kRoot, "NativeOnly").outcome, RegistryOutcome::kEmpty);
}

class FileTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA(folder_.c_str(), nullptr);
    WriteTextFile(file_, "x");
  }
  void TearDown() override {
    DeleteFileA(file_.c_str());
    RemoveDirectoryA((folder_ + "\\Sub").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  const std::string folder_ = TempFolder() + "KinloomFileTest";
  const std::string file_ = folder_ + "\\Tree7s.exe";
  SystemWin32 system_;
};

TEST_F(FileTest, ExistenceTellsFilesFromFolders) {
  ASSERT_TRUE(CreateDirectoryA((folder_ + "\\Sub").c_str(), nullptr));
  struct Row {
    std::string path;
    bool file;
    bool folder;
  };
  const Row rows[] = {
      {file_, true, false},
      {folder_ + "\\tree7S.EXE", true, false},
      {folder_ + "\\Sub", false, true},
      {folder_, false, true},
      {folder_ + "\\Missing.exe", false, false},
      {folder_ + "\\*.exe", false, false},
      {folder_ + "\\Tree7s.ex?", false, false},
      {"", false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(system_.FileExists(row.path), row.file);
    EXPECT_EQ(system_.FolderExists(row.path), row.folder);
  }
}

// Every error mode the adapter sets, passed on to the system.
std::vector<UINT> errorModesSet;
UINT WINAPI RecordErrorMode(UINT mode) {
  errorModesSet.push_back(mode);
  return SetErrorMode(mode);
}

// Wine never shows the system's "no disk" box, so what is checked is the mode set around each
// look: critical-error boxes off, the process's own mode kept beside it, and that mode back after,
// for the programs started later inherit it.
TEST_F(FileTest, EachLookTurnsCriticalErrorBoxesOffAndPutsTheModeBack) {
  const DWORD drives = GetLogicalDrives();
  char letter = 'Z';
  while (letter > 'D' && (drives & (1u << (letter - 'A')))) --letter;
  ASSERT_FALSE(drives & (1u << (letter - 'A'))) << "every drive letter is in use";
  const std::string noDrive(1, letter);
  SystemWin32 recorded(RecordErrorMode);
  struct Row {
    const char* look;
    std::function<bool()> exists;
    bool expected;
  };
  const Row rows[] = {
      {"a file", [&] { return recorded.FileExists(file_); }, true},
      {"a file on no drive", [&] { return recorded.FileExists(noDrive + ":\\kin.id"); }, false},
      {"a folder", [&] { return recorded.FolderExists(folder_); }, true},
      {"a folder on no drive", [&] { return recorded.FolderExists(noDrive + ":\\"); }, false},
  };
  const UINT before = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.look);
    errorModesSet.clear();
    EXPECT_EQ(row.exists(), row.expected);
    const std::vector<UINT> expected{SEM_FAILCRITICALERRORS,
                                     SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS,
                                     SEM_NOOPENFILEERRORBOX};
    EXPECT_EQ(errorModesSet, expected);
  }
  EXPECT_EQ(SetErrorMode(before), static_cast<UINT>(SEM_NOOPENFILEERRORBOX));
}

TEST_F(FileTest, RelativePathsResolveAgainstTheCurrentFolder) {
  const std::string before = system_.CurrentFolder();
  std::string error;
  ASSERT_TRUE(system_.SetCurrentFolder(folder_, error)) << error;
  EXPECT_EQ(system_.FullPath("Tree7s.exe"), file_);
  EXPECT_EQ(system_.FullPath("Sub\\..\\Tree7s.exe"), file_);
  EXPECT_EQ(system_.FullPath(file_), file_);
  ASSERT_TRUE(system_.SetCurrentFolder(before, error)) << error;
}

TEST_F(FileTest, CurrentFolderChangesAndAFailedChangeLeavesItAlone) {
  const std::string before = system_.CurrentFolder();
  std::string error;
  ASSERT_TRUE(system_.SetCurrentFolder(folder_, error)) << error;
  EXPECT_EQ(system_.CurrentFolder(), folder_);

  EXPECT_FALSE(system_.SetCurrentFolder(folder_ + "\\Missing", error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(system_.CurrentFolder(), folder_);

  ASSERT_TRUE(system_.SetCurrentFolder(before, error)) << error;
}

// What the shell was last asked, by a stand-in that answers success.
SHELLEXECUTEINFOW asked{};
std::wstring askedTexts;
BOOL WINAPI RecordShellCall(SHELLEXECUTEINFOW* info) {
  asked = *info;
  askedTexts = std::wstring(info->lpVerb) + L"|" + info->lpFile + L"|" + info->lpParameters + L"|" +
               info->lpDirectory;
  info->hInstApp = reinterpret_cast<HINSTANCE>(42);
  return TRUE;
}

// Wine shows no shell window that an owner would keep over the menu, and no dialog for a missing
// association either way: what the shell is asked is all there is to see.
TEST(ShellTest, OpensOnBehalfOfTheClickedWindowWithNoShellDialogAndWaitsForTheHandOver) {
  struct ClickForm : Window {
    ClickForm() {
      clientWidth = clientHeight = 100;
      picture.SetBounds(10, 10, 50, 50);
      Add(picture);
    }
    Picture picture;
  }* form = nullptr;
  Win32Backend backend;
  Application application(backend);
  application.CreateForm(form);
  SystemWin32 system(SetErrorMode, RecordShellCall);
  std::uintptr_t code = 0;
  form->picture.OnClick = [&](Picture&) {
    code = system.ShellOpen("C:\\Suite\\Tree7s.exe", "-a", "C:\\Suite");
  };
  form->Show();
  HWND hwnd = static_cast<ToolkitWindow*>(form->Native())->Handle();
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(asked.hwnd, hwnd);
  EXPECT_EQ(asked.fMask, static_cast<ULONG>(SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC));
  EXPECT_EQ(asked.nShow, SW_SHOWNORMAL);
  EXPECT_EQ(askedTexts, L"open|C:\\Suite\\Tree7s.exe|-a|C:\\Suite");
  EXPECT_EQ(code, 42u);
}

TEST(ShellTest, CodesForAMissingAndAnExistingProgram) {
  SystemWin32 system;
  EXPECT_EQ(system.ShellOpen(TempFolder() + "KinloomNoSuchProgram.exe", "", ""), 2u);
  char cmd[MAX_PATH];
  GetSystemDirectoryA(cmd, MAX_PATH);
  EXPECT_GT(system.ShellOpen(std::string(cmd) + "\\cmd.exe", "/c exit", ""), 32u);
}

// Wine answers -1 for NUMCOLORS at every depth, 8 bits per pixel included, so this cannot tell a
// 256-colour display apart: it shows only that the count comes through from the device. The
// 256-colour branch is tested through the port with the fake.
TEST(DisplayTest, WinesColourCountOfMinusOneComesThroughAtEveryDepth) {
  EXPECT_EQ(SystemWin32().DisplayColorCount(), -1);
}

TEST(ForegroundTest, FindsAWindowByItsExactTitleOnly) {
  HWND window = CreateWindowA("STATIC", "Kinloom Foreground Probe", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                              100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SystemWin32 system;
  EXPECT_TRUE(system.BringWindowToForeground("Kinloom Foreground Probe"));
  EXPECT_FALSE(system.BringWindowToForeground("kinloom foreground probe"));
  EXPECT_FALSE(system.BringWindowToForeground("Kinloom Foreground"));
  DestroyWindow(window);
}

// The licence window is another program's, which may hang: the menu must not wait for it.
TEST(ForegroundTest, AMinimisedWindowIsRestoredWithoutWaitingForItsProgram) {
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const HANDLE answered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  bool waitedFor = true, restored = false;
  std::thread viewer([&] {
    HWND window = CreateWindowA("STATIC", "Software License Agreement", WS_OVERLAPPEDWINDOW, 0, 0,
                                300, 200, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOWMINIMIZED);
    SetEvent(ready);
    // Hung, handling no message, until the menu has returned or long enough to show it waited.
    waitedFor = WaitForSingleObject(answered, kDefaultTimeoutMs) != WAIT_OBJECT_0;
    restored = WaitFor([&] {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      return !IsIconic(window) && IsWindowVisible(window);
    });
    DestroyWindow(window);
  });
  WaitForSingleObject(ready, INFINITE);
  EXPECT_TRUE(SystemWin32().BringWindowToForeground("Software License Agreement"));
  SetEvent(answered);
  viewer.join();
  EXPECT_FALSE(waitedFor) << "the menu waited for the hung window";
  EXPECT_TRUE(restored);
  CloseHandle(ready);
  CloseHandle(answered);
}

}  // namespace
}  // namespace kinloom
