// The one conversion at the Windows edge, through the system's own UTF-8 code page.
#include "platform/win32/wide_text.h"

#include "platform/win32/win_api.h"

namespace kinloom {

std::wstring ToUtf16(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring utf16(length > 0 ? length : 0, L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &utf16[0], length);
  return utf16;
}

std::string ToUtf8(const std::wstring& utf16) {
  if (utf16.empty()) return std::string();
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(length > 0 ? length : 0, '\0');
  if (length > 0) {
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, &utf8[0], length, nullptr, nullptr);
  }
  return utf8;
}

}  // namespace kinloom
