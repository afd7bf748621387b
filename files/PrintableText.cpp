#include "files/PrintableText.h"

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendEscaped(std::string& out, unsigned char c) {
  switch (c) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\0':
      out += "\\0";
      return;
    default:
      out += "\\x";
      out += kHexDigits[c >> 4];
      out += kHexDigits[c & 0x0F];
  }
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsControl(c))
      AppendEscaped(out, c);
    else
      out += ch;
  }
  return out;
}
