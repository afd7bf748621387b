#pragma once

#include <string_view>

// Files of resources/ compiled into the program at build time.

// The text table in its resource form: UTF-16LE with byte-order mark, CR LF line ends.
std::string_view TextTableResource();
