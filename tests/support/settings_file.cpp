// Settings files in the encodings the menu meets. This file is UTF-8.
#include "tests/support/settings_file.h"

#include <windows.h>

#include <stdexcept>

#include "platform/win32/wide_text.h"

namespace kinloom {

std::string SettingsBytes(const std::string& text, SettingsEncoding encoding) {
  const std::wstring wide = ToUtf16(text);
  if (encoding == SettingsEncoding::kUtf16) {
    return "\xFF\xFE" +
           std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  }
  const int size = static_cast<int>(wide.size());
  BOOL lacking = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                         0, nullptr, &lacking);
  std::string bytes(length, '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                      nullptr, &lacking);
  if (lacking) throw std::runtime_error("code page " + std::to_string(GetACP()) + " lacks " + text);
  return bytes;
}

std::string FolderNameOfTheSystemCodePage() {
  switch (GetACP()) {
    case 932:
      return "家系表";
    case 1251:
      return "Родословная";
    case 1252:
      return "Généalogie";
  }
  return "";
}

}  // namespace kinloom
