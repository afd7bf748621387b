#pragma once

#include <string>
#include <string_view>

// Conversions between the program's UTF-8 strings and the UTF-16 little-endian byte form
// of the text table and the exported language files. Broken sequences become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);
std::string Utf8ToUtf16Le(std::string_view text);

inline constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
