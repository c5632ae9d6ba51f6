// Fuzzes the settings-value parsing against an independent reading of the same number forms.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launcher/global.h"

namespace {

// The same forms read with the standard library: the digits must fill the text and fit 32 bits.
bool ReferenceNumber(const std::string& text, std::int32_t& number) {
  std::string digits = text;
  int base = 10;
  if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 || text.rfind("$", 0) == 0) {
    digits = text.substr(text[0] == '$' ? 1 : 2);
    base = 16;
  } else if (text.rfind("+", 0) == 0) {
    digits = text.substr(1);
  }
  // from_chars accepts a minus in any base; the forms allow one only as a decimal sign.
  bool signAllowed = base == 10 && text[0] != '+';
  if (digits.empty() || (digits[0] == '-' && !signAllowed)) return false;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, number, base);
  return error == std::errc() && stop == end;
}

void CheckNumber(const std::string& text) {
  std::int32_t parsed = 0, expected = 0;
  bool ok = kinloom::Global::ParseWholeNumber(text, parsed);
  if (ok != ReferenceNumber(text, expected) || (ok && parsed != expected)) std::abort();
}

void CheckTrailingBackslash(const std::string& path) {
  std::string result = kinloom::Global::AddTrailingBackslash(path);
  bool unchanged = path.empty() || path.back() == '\\';
  if (unchanged ? result != path : result != path + '\\') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CheckNumber(text);
  CheckTrailingBackslash(text);
  return 0;
}
