// Texts at the Windows edge under Wine: the program's UTF-8 through the wide calls, whatever the
// system's code page. scripts/test runs every suite here again under the code pages 1251 and 932
// (the suites whose names end in TextTest). This file is UTF-8.
#include <windows.h>

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "platform/win32/clipboard.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/wide_text.h"
#include "tests/support/settings_file.h"
#include "tests/support/wait_for.h"

namespace kinloom {
namespace {

namespace fs = std::filesystem;

std::string WindowsFolder() {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  return ToUtf8(std::wstring(buffer, length)) + "\\";
}

std::string TempFolder() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, buffer);
  return ToUtf8(std::wstring(buffer, length));  // ends in a backslash
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(fs::u8path(path), std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(fs::u8path(path), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The system's own message for `code`, as the wide call gives it, without its line break.
std::wstring SystemMessage(DWORD code) {
  wchar_t buffer[512];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, 512, nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' ||
                        buffer[length - 1] == L' ')) {
    --length;
  }
  return std::wstring(buffer, length);
}

TEST(WideTextTest, ConvertsEveryPlaneBothWays) {
  EXPECT_EQ(ToUtf16("Kinloom\xC2\xAE"), L"Kinloom\u00AE");  // the bytes of UTF-8 themselves
  const std::string texts[] = {"", "Kinloom®", "Родословная", "C:\\家系表", "家谱", "🌳 tree"};
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ToUtf8(ToUtf16(text)), text);
  }
  EXPECT_EQ(ToUtf16("🌳").size(), 2u);  // a surrogate pair
}

// The runs under other code pages set KINLOOM_CODE_PAGE; Wine falls back to 1252 without a word
// when the locale it is asked for is not compiled.
TEST(CodePageTextTest, TheSystemRunsWithTheCodePageTheRunAsksFor) {
  const char* wanted = std::getenv("KINLOOM_CODE_PAGE");
  if (!wanted) GTEST_SKIP() << "KINLOOM_CODE_PAGE is not set; the system runs with " << GetACP();
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(wanted)));
}

class ProfileTextTest : public testing::Test {
 protected:
  void SetUp() override { fs::remove(fs::u8path(path_)); }
  void TearDown() override { fs::remove(fs::u8path(path_)); }

  // Writes `text` in `encoding`, reads KinDir, writes Reminder, and expects the file to be what
  // the text with that key added is in the same encoding.
  void ExpectReadAndKept(const std::string& folder, SettingsEncoding encoding) {
    const std::string settings = "[Kin7s]\r\nKinDir=" + folder + "\r\n";
    WriteBytes(path_, SettingsBytes(settings, encoding));
    EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "KinDir", "na"), folder);
    ASSERT_TRUE(system_.WriteProfileString(file_, "Kin7s", "Reminder", "0"));
    EXPECT_EQ(ReadBytes(path_), SettingsBytes(settings + "Reminder=0\r\n", encoding));
    EXPECT_EQ(system_.ReadProfileString(file_, "Kin7s", "KinDir", "na"), folder);
  }

  const std::string file_ = "KinloomTextTest.ini";
  const std::string path_ = WindowsFolder() + file_;
  SystemWin32 system_;
};

TEST_F(ProfileTextTest, AnsiFileIsReadInTheSystemCodePageAndWrittenBackInIt) {
  const std::string name = FolderNameOfTheSystemCodePage();
  if (name.empty()) GTEST_SKIP() << "no folder name for code page " << GetACP();
  ExpectReadAndKept("C:\\" + name, SettingsEncoding::kSystemCodePage);
}

// 谱 is simplified Chinese: neither 1251, 1252 nor 932 has it.
TEST_F(ProfileTextTest, Utf16FileNamesFoldersBeyondTheCodePageAndStaysUtf16) {
  ExpectReadAndKept("C:\\家谱 Родословная", SettingsEncoding::kUtf16);
}

TEST(RegistryTextTest, KeyAndValueBeyondTheSystemCodePage) {
  const wchar_t* root = L"Software\\KinloomTextTest";
  const std::wstring path = std::wstring(root) + L"\\Родословная 家谱";
  const std::wstring value = L"D:\\家谱\\表";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);

  const RegistryValue found = SystemWin32().ReadMachineString(ToUtf8(path), "InstallDir");
  EXPECT_EQ(found.outcome, RegistryOutcome::kText);
  EXPECT_EQ(found.text, "D:\\家谱\\表");
  HKEY software = nullptr;
  RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &software);
  SHDeleteKeyW(software, L"KinloomTextTest");
  RegCloseKey(software);
}

// Files, folders, the current folder, the shell and system error texts under a folder that ends
// in 表 and holds names of several code pages.
class FileTextTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(fs::u8path(folder_));
    wchar_t cmd[MAX_PATH];
    GetSystemDirectoryW(cmd, MAX_PATH);
    fs::copy_file(fs::path(cmd) / L"cmd.exe", fs::u8path(program_),
                  fs::copy_options::overwrite_existing);
    before_ = system_.CurrentFolder();
  }
  void TearDown() override {
    std::string error;
    system_.SetCurrentFolder(before_, error);
    // The program the shell started may still be running, and its file cannot go until it ends.
    WaitFor([] {
      std::error_code failed;
      fs::remove_all(fs::u8path(TempFolder() + "KinloomTextTest"), failed);
      return !failed;
    });
  }

  const std::string folder_ = TempFolder() + "KinloomTextTest\\Родословная 家谱 表";
  const std::string program_ = folder_ + "\\Родословная.exe";
  std::string before_;
  SystemWin32 system_;
};

TEST_F(FileTextTest, FilesFoldersAndTheCurrentFolderKeepTheirNames) {
  EXPECT_TRUE(system_.FileExists(program_));
  EXPECT_FALSE(system_.FileExists(folder_));
  EXPECT_TRUE(system_.FolderExists(folder_));
  std::string error;
  ASSERT_TRUE(system_.SetCurrentFolder(folder_, error)) << error;
  EXPECT_EQ(system_.CurrentFolder(), folder_);
  EXPECT_EQ(system_.FullPath("Родословная.exe"), program_);
  EXPECT_GT(system_.ShellOpen(program_, "/c exit", folder_), 32u);
}

// The system's message for a path that is not there (code 3), readable in the system's language.
TEST_F(FileTextTest, AFailedChangeOfFolderGivesTheSystemsOwnText) {
  std::string error;
  ASSERT_FALSE(system_.SetCurrentFolder(folder_ + "\\Нет\\Нет", error));
  EXPECT_EQ(ToUtf16(error), SystemMessage(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(error.find('?'), std::string::npos) << error;
}

std::wstring ClipboardText() {
  std::wstring held;
  if (!OpenClipboard(nullptr)) return held;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    held = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return held;
}

// A disk prompt copied with Ctrl+C may name a folder in any script.
TEST(ClipboardTextTest, HoldsTheTextAsUnicode) {
  ASSERT_TRUE(CopyTextToClipboard(nullptr, "Kinloom® Родословная 家谱"));
  EXPECT_EQ(ClipboardText(), L"Kinloom\u00AE Родословная 家谱");
}

// Clipboard managers and remote sessions hold the clipboard a few hundred milliseconds after
// each change; a copy waits that out, and gives up on a clipboard that stays held.
TEST(ClipboardTest, ACopyWaitsForAnotherProgramToLetGoOfTheClipboard) {
  const struct {
    DWORD heldMs;
    bool copied;
  } cases[] = {{30, true}, {150, true}, {400, true}, {INFINITE, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.heldMs);
    CopyTextToClipboard(nullptr, "before");
    const HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE copyEnded = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
      // Another window holds it, as another program's would.
      HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
      const bool open = OpenClipboard(window);
      SetEvent(held);
      WaitForSingleObject(copyEnded, c.heldMs);
      if (open) CloseClipboard();
      DestroyWindow(window);
    });
    WaitForSingleObject(held, INFINITE);
    const bool copied = CopyTextToClipboard(nullptr, "Kinloom®");
    SetEvent(copyEnded);
    holder.join();
    CloseHandle(held);
    CloseHandle(copyEnded);
    EXPECT_EQ(copied, c.copied);
    EXPECT_EQ(ClipboardText(), c.copied ? L"Kinloom\u00AE" : L"before");
  }
}

}  // namespace
}  // namespace kinloom
