// The system port on the real Windows API (ANSI calls, code page 1252 bytes).
#pragma once

#include "platform/system_port.h"

namespace kinloom {

class SystemWin32 final : public SystemPort {
 public:
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
};

}  // namespace kinloom
