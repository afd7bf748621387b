#include "controller/NumberText.h"

#include <charconv>

void FormatNumberInto(std::string& text, double value, int decimals, char decimalSeparator) {
  char buffer[400];  // room for any double in fixed notation
  const auto result =
      decimals <= 0
          ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15)
          : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                          decimals > 4 ? 4 : decimals);
  if (result.ec != std::errc()) {
    text = "?";
    return;
  }
  text.assign(buffer, result.ptr);
  // A value that rounds to zero shows no sign.
  if (text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
}

std::string FormatNumber(double value, int decimals, char decimalSeparator) {
  std::string text;
  FormatNumberInto(text, value, decimals, decimalSeparator);
  return text;
}

std::string CountOf(size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}
