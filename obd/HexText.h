#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The adapter prints every byte, header and identifier in hexadecimal: reading and writing them.
namespace obd {

// The number `digits` hexadecimal digits (either case) spell at `at`; nothing when the text is
// shorter or holds anything else there.
std::optional<int> HexAt(std::string_view text, size_t at, size_t digits);
// Upper-case digits, at least `digits` of them.
std::string HexText(unsigned value, int digits = 1);

}  // namespace obd
