#pragma once

#include <string_view>

// Files of resources/ compiled into the program at build time.

// The text table in its resource form: UTF-16LE with byte-order mark, CR LF line ends.
std::string_view TextTableResource();

// The trouble-code descriptions, UTF-8 lines "P0133 description": English for every letter,
// Polish for P codes.
std::string_view DtcDescriptionsEnglish();
std::string_view DtcDescriptionsPolish();
