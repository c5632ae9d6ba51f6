// The system port on the real Windows API: wide calls only, UTF-8 texts converted at each call.
#include "platform/win32/system_win32.h"

#include <vector>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/registry_key.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_base.h"

namespace kinloom {
namespace {

constexpr DWORD kProfileBufferSize = 2048;

// Keeps the system's own "no disk" box away while a drive without a medium is looked at. The
// mode belongs to the process and the programs it starts inherit it, so it is put back at once.
class NoCriticalErrorBoxes {
 public:
  // SetErrorMode only replaces the mode, so the first call reads it and the second adds ours.
  explicit NoCriticalErrorBoxes(SystemWin32::ErrorModeSetter setErrorMode)
      : setErrorMode_(setErrorMode), previous_(setErrorMode_(SEM_FAILCRITICALERRORS)) {
    setErrorMode_(previous_ | SEM_FAILCRITICALERRORS);
  }
  ~NoCriticalErrorBoxes() { setErrorMode_(previous_); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  SystemWin32::ErrorModeSetter setErrorMode_;
  UINT previous_;
};

RegistryValue Outcome(RegistryOutcome outcome, std::string text = {}) {
  return RegistryValue{outcome, std::move(text)};
}

// Reads `name` of an open key; the value may grow between asking its size and reading it.
RegistryValue ReadValue(HKEY key, const std::wstring& name) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return Outcome(RegistryOutcome::kEmpty);
    if (status != ERROR_SUCCESS) return Outcome(RegistryOutcome::kOtherType);
    if (size == 0) return Outcome(RegistryOutcome::kEmpty);
    // Room for an odd byte count and a final NUL that the stored text may lack.
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return Outcome(RegistryOutcome::kOtherType);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Outcome(RegistryOutcome::kOtherType);
    // Stored text may hold a NUL before its end: cut at the first.
    return Outcome(RegistryOutcome::kText, ToUtf8(data.data()));
  }
  return Outcome(RegistryOutcome::kOtherType);
}

}  // namespace

SystemWin32::SystemWin32(ErrorModeSetter setErrorMode, ShellExecutor shellExecute)
    : setErrorMode_(setErrorMode), shellExecute_(shellExecute) {}

// A settings file keeps the encoding it was written in: an ANSI file is read through the
// system's code page, and both kinds are written back as they were.
std::string SystemWin32::ReadProfileString(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& fallback) {
  wchar_t buffer[kProfileBufferSize];
  DWORD length = GetPrivateProfileStringW(ToUtf16(section).c_str(), ToUtf16(key).c_str(),
                                          ToUtf16(fallback).c_str(), buffer, kProfileBufferSize,
                                          ToUtf16(file).c_str());
  return ToUtf8(std::wstring(buffer, length));
}

bool SystemWin32::WriteProfileString(const std::string& file, const std::string& section,
                                     const std::string& key, const std::string& value) {
  return WritePrivateProfileStringW(ToUtf16(section).c_str(), ToUtf16(key).c_str(),
                                    ToUtf16(value).c_str(), ToUtf16(file).c_str()) != FALSE;
}

RegistryValue SystemWin32::ReadMachineString(const std::string& keyPath, const std::string& name) {
  // Windows rejects a path that starts with a backslash (error 161).
  std::string path = !keyPath.empty() && keyPath[0] == '\\' ? keyPath.substr(1) : keyPath;
  // Read access only: asking for more fails on standard accounts. The partners' 32-bit installers
  // write the 32-bit view, which every build reads (32-bit Windows ignores the flag).
  RegistryKey key(HKEY_LOCAL_MACHINE, ToUtf16(path).c_str(), KEY_READ | KEY_WOW64_32KEY);
  if (!key.Get()) return Outcome(RegistryOutcome::kCannotOpen);
  return ReadValue(key.Get(), ToUtf16(name));
}

bool SystemWin32::FileExists(const std::string& path) {
  // Wildcards would make the search match other names; no file can be called that.
  if (path.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAW found;
  NoCriticalErrorBoxes quiet(setErrorMode_);
  HANDLE search = FindFirstFileW(ToUtf16(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SystemWin32::FolderExists(const std::string& path) {
  NoCriticalErrorBoxes quiet(setErrorMode_);
  DWORD attributes = GetFileAttributesW(ToUtf16(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string SystemWin32::FullPath(const std::string& path) {
  const std::wstring wide = ToUtf16(path);
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<wchar_t> buffer(needed, L'\0');
  DWORD length = GetFullPathNameW(wide.c_str(), needed, buffer.data(), nullptr);
  return length > 0 && length < needed ? ToUtf8(std::wstring(buffer.data(), length)) : path;
}

std::string SystemWin32::CurrentFolder() {
  DWORD needed = GetCurrentDirectoryW(0, nullptr);
  std::vector<wchar_t> buffer(needed + 1, L'\0');
  DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  return ToUtf8(std::wstring(buffer.data(), length < buffer.size() ? length : 0));
}

bool SystemWin32::SetCurrentFolder(const std::string& path, std::string& error) {
  if (SetCurrentDirectoryW(ToUtf16(path).c_str())) return true;
  error = SystemErrorText(GetLastError());
  return false;
}

std::uintptr_t SystemWin32::ShellOpen(const std::string& file, const std::string& parameters,
                                      const std::string& folder) {
  const std::wstring wideFile = ToUtf16(file);
  const std::wstring wideParameters = ToUtf16(parameters);
  const std::wstring wideFolder = ToUtf16(folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // No shell dialog on a failure: the menu reports it in its own words. NOASYNC waits for a DDE
  // hand-over, which an installer started just before the menu ends must complete.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  // The shell's own windows (a security warning, say) come up over the menu, not behind it.
  info.hwnd = WindowInUse();
  info.lpVerb = L"open";
  info.lpFile = wideFile.c_str();
  info.lpParameters = wideParameters.c_str();
  info.lpDirectory = wideFolder.c_str();
  info.nShow = SW_SHOWNORMAL;
  // The code ShellExecute returns: above 32 on success, the SE_ERR_ code on a failure.
  shellExecute_(&info);
  return reinterpret_cast<std::uintptr_t>(info.hInstApp);
}

int SystemWin32::DisplayColorCount() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.Get(), NUMCOLORS);
}

bool SystemWin32::BringWindowToForeground(const std::string& title) {
  const std::wstring wanted = ToUtf16(title);
  // FindWindowEx ignores letter case; walk its matches for the exact title.
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, wanted.c_str()); window;
       window = FindWindowExW(nullptr, window, nullptr, wanted.c_str())) {
    wchar_t text[512];
    // The title the system keeps: nothing is sent to the window, which may be hung.
    int length = InternalGetWindowText(window, text, 512);
    if (wanted.compare(0, std::wstring::npos, text, length) == 0) {
      // A minimised window would only get its taskbar button flashed or pressed. Asynchronous:
      // the window is another program's, and a hung one must not hang the menu.
      if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
      SetForegroundWindow(window);
      return true;
    }
  }
  return false;
}

}  // namespace kinloom
