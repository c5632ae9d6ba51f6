// Display texts for the wide Windows functions: the program's texts are code page 1252 bytes
// whatever code page the system runs with.
#include "platform/win32/display_text.h"

#include "platform/win32/win_api.h"

namespace kinloom {

namespace {

constexpr UINT kTextCodePage = 1252;

}  // namespace

std::wstring DisplayText(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  // Every byte is one character in code page 1252, so the wide text is never longer.
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(kTextCodePage, 0, text.data(), size, &wide[0], size);
  wide.resize(length > 0 ? length : 0);
  return wide;
}

std::string TextFromWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  std::string text(wide.size(), '\0');
  const int length =
      WideCharToMultiByte(kTextCodePage, 0, wide.data(), size, &text[0], size, nullptr, nullptr);
  text.resize(length > 0 ? length : 0);
  return text;
}

}  // namespace kinloom
