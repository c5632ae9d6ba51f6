// Owner of an open registry key, so that no early return or exception leaves one open.
#pragma once

#include "platform/win32/win_api.h"

namespace kinloom {

class RegistryKey {
 public:
  // Opens `path` under `root` with `access`, never creating it; Get() is null when that fails.
  RegistryKey(HKEY root, const wchar_t* path, REGSAM access) {
    if (RegOpenKeyExW(root, path, 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace kinloom
