#pragma once

#include <string_view>

// The language-independent texts of ids 100..999; the empty string for any id without one.
std::string_view FixedText(int id);
