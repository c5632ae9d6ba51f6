// The system port on the real Windows API (ANSI calls, code page 1252 bytes).
#include "platform/win32/system_win32.h"

#include "platform/win32/win_api.h"

#include <vector>

#include "platform/win32/system_error_text.h"

namespace kinloom {
namespace {

constexpr DWORD kProfileBufferSize = 2048;

// Closes the key on every path out of a lookup.
class KeyCloser {
 public:
  explicit KeyCloser(HKEY key) : key_(key) {}
  ~KeyCloser() { RegCloseKey(key_); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  HKEY key_;
};

// Keeps the system's own "no disk" box away while a drive without a medium is looked at. The
// mode belongs to the process and the programs it starts inherit it, so it is put back at once.
class NoCriticalErrorBoxes {
 public:
  // SetErrorMode only replaces the mode, so the first call reads it and the second adds ours.
  NoCriticalErrorBoxes() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {
    SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
  }
  ~NoCriticalErrorBoxes() { SetErrorMode(previous_); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  UINT previous_;
};

RegistryValue Outcome(RegistryOutcome outcome, std::string text = {}) {
  return RegistryValue{outcome, std::move(text)};
}

// Reads `name` of an open key; the value may grow between asking its size and reading it.
RegistryValue ReadValue(HKEY key, const std::string& name) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return Outcome(RegistryOutcome::kEmpty);
    if (status != ERROR_SUCCESS) return Outcome(RegistryOutcome::kOtherType);
    if (size == 0) return Outcome(RegistryOutcome::kEmpty);
    std::vector<char> data(size + 1, '\0');
    status = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return Outcome(RegistryOutcome::kOtherType);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Outcome(RegistryOutcome::kOtherType);
    // Stored text may hold a NUL before its end, or lack the final one: cut at the first.
    return Outcome(RegistryOutcome::kText, std::string(data.data()));
  }
  return Outcome(RegistryOutcome::kOtherType);
}

}  // namespace

std::string SystemWin32::ReadProfileString(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& fallback) {
  char buffer[kProfileBufferSize];
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                                          kProfileBufferSize, file.c_str());
  return std::string(buffer, length);
}

bool SystemWin32::WriteProfileString(const std::string& file, const std::string& section,
                                     const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

RegistryValue SystemWin32::ReadMachineString(const std::string& keyPath, const std::string& name) {
  // Windows rejects a path that starts with a backslash (error 161).
  std::string path = !keyPath.empty() && keyPath[0] == '\\' ? keyPath.substr(1) : keyPath;
  HKEY key = nullptr;
  // Read access only: asking for more fails on standard accounts. The partners' 32-bit installers
  // write the 32-bit view, which every build reads (32-bit Windows ignores the flag).
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
      ERROR_SUCCESS) {
    return Outcome(RegistryOutcome::kCannotOpen);
  }
  KeyCloser closer(key);
  return ReadValue(key, name);
}

bool SystemWin32::FileExists(const std::string& path) {
  // Wildcards would make the search match other names; no file can be called that.
  if (path.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAA found;
  NoCriticalErrorBoxes quiet;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SystemWin32::FolderExists(const std::string& path) {
  NoCriticalErrorBoxes quiet;
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string SystemWin32::FullPath(const std::string& path) {
  DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<char> buffer(needed, '\0');
  DWORD length = GetFullPathNameA(path.c_str(), needed, buffer.data(), nullptr);
  return length > 0 && length < needed ? std::string(buffer.data(), length) : path;
}

std::string SystemWin32::CurrentFolder() {
  DWORD needed = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> buffer(needed + 1, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  return std::string(buffer.data(), length < buffer.size() ? length : 0);
}

bool SystemWin32::SetCurrentFolder(const std::string& path, std::string& error) {
  if (SetCurrentDirectoryA(path.c_str())) return true;
  error = SystemErrorText(GetLastError());
  return false;
}

std::uintptr_t SystemWin32::ShellOpen(const std::string& file, const std::string& parameters,
                                      const std::string& folder) {
  HINSTANCE code = ShellExecuteA(nullptr, "open", file.c_str(), parameters.c_str(), folder.c_str(),
                                 SW_SHOWNORMAL);
  return reinterpret_cast<std::uintptr_t>(code);
}

int SystemWin32::DisplayColorCount() {
  HDC screen = GetDC(nullptr);
  int colors = GetDeviceCaps(screen, NUMCOLORS);
  ReleaseDC(nullptr, screen);
  return colors;
}

bool SystemWin32::BringWindowToForeground(const std::string& title) {
  // FindWindowA ignores letter case; walk its matches for the exact title.
  for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, title.c_str()); window;
       window = FindWindowExA(nullptr, window, nullptr, title.c_str())) {
    char text[512];
    int length = GetWindowTextA(window, text, sizeof text);
    if (title.compare(0, std::string::npos, text, length) == 0) {
      // A minimised window would only get its taskbar button flashed or pressed.
      if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
      SetForegroundWindow(window);
      return true;
    }
  }
  return false;
}

}  // namespace kinloom
