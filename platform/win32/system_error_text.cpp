// Turns a Windows error code into the system's own text for it.
#include "platform/win32/system_error_text.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/win_api.h"

namespace kinloom {

std::string SystemErrorText(unsigned long code) {
  wchar_t buffer[512];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, 512, nullptr);
  std::string text = ToUtf8(std::wstring(buffer, length));
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  if (text.empty()) text = "Windows error " + std::to_string(code);
  return text;
}

}  // namespace kinloom
