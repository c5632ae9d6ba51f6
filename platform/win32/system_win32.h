// The system port on the real Windows API: wide calls only, UTF-8 texts converted at each call.
#pragma once

#include "platform/system_port.h"
#include "platform/win32/win_api.h"

namespace kinloom {

class SystemWin32 final : public SystemPort {
 public:
  // SetErrorMode, or a stand-in that records the modes the existence tests set around a look.
  using ErrorModeSetter = UINT(WINAPI*)(UINT mode);
  // ShellExecuteExW, or a stand-in that records what the shell is asked.
  using ShellExecutor = BOOL(WINAPI*)(SHELLEXECUTEINFOW* info);

  explicit SystemWin32(ErrorModeSetter setErrorMode = SetErrorMode,
                       ShellExecutor shellExecute = ShellExecuteExW);

  std::string ReadProfileString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& fallback) override;
  bool WriteProfileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override;
  RegistryValue ReadMachineString(const std::string& keyPath, const std::string& name) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  std::string CurrentFolder() override;
  bool SetCurrentFolder(const std::string& path, std::string& error) override;
  std::uintptr_t ShellOpen(const std::string& file, const std::string& parameters,
                           const std::string& folder) override;
  int DisplayColorCount() override;
  bool BringWindowToForeground(const std::string& title) override;

 private:
  ErrorModeSetter setErrorMode_;
  ShellExecutor shellExecute_;
};

}  // namespace kinloom
