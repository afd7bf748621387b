#include "obd/HexText.h"

#include <cstdio>

namespace obd {
namespace {

constexpr size_t kMostDigits = 7;  // what an int holds whatever the digits

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<int> HexAt(std::string_view text, size_t at, size_t digits) {
  if (digits == 0 || digits > kMostDigits || at > text.size() || digits > text.size() - at)
    return std::nullopt;
  int value = 0;
  for (size_t i = at; i < at + digits; ++i) {
    const int digit = DigitValue(text[i]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

std::string HexText(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

}  // namespace obd
