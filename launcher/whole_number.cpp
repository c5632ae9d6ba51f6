// The whole-number forms a settings value may take.
#include <cctype>
#include <limits>

#include "launcher/global.h"

namespace kinloom::Global {
namespace {

int DigitValue(char c, int base) {
  unsigned char u = static_cast<unsigned char>(c);
  int value = std::isdigit(u) ? u - '0' : std::isxdigit(u) ? std::tolower(u) - 'a' + 10 : base;
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
