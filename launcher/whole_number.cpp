// The whole-number forms a settings value may take.
#include <limits>

#include "launcher/global.h"

namespace kinloom::Global {
namespace {

// The value of `c` as a digit of `base` (10 or 16), or -1 when it is none.
int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

bool HasPrefix(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

}  // namespace

bool ParseWholeNumber(const std::string& text, std::int32_t& number) {
  size_t at = 0;
  int base = 10;
  bool negative = false;
  if (HasPrefix(text, "0x") || HasPrefix(text, "0X")) {
    at = 2;
    base = 16;
  } else if (HasPrefix(text, "$")) {
    at = 1;
    base = 16;
  } else if (HasPrefix(text, "-") || HasPrefix(text, "+")) {
    negative = text[0] == '-';
    at = 1;
  }
  if (at == text.size()) return false;
  // The magnitude may reach one past the largest value only for a negative number.
  const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + negative;
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    int digit = DigitValue(text[at], base);
    if (digit < 0) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  number = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace kinloom::Global
