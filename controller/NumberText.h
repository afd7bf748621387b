#pragma once

#include <cstddef>
#include <string>

// A shown number: the shortest general form for 0 decimals, the given count of decimals (at
// most 4) otherwise, with the decimal separator of the user's system.
std::string FormatNumber(double value, int decimals, char decimalSeparator = '.');
// The same into an existing string, which keeps its storage.
void FormatNumberInto(std::string& text, double value, int decimals, char decimalSeparator);
// "1 byte", "17 bytes": a count and its noun, singular for one.
std::string CountOf(size_t count, const std::string& noun);
