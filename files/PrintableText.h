#pragma once

#include <string>
#include <string_view>

// A file name or a piece of a file, as a message shows it: its control characters escaped
// ("\n", "\r", "\t", "\0", "\x1b"), so that a newline in a name cannot split the message and a
// NUL cannot cut it short. Other bytes, UTF-8 included, stay as they are; escaping twice
// changes nothing more.
std::string Printable(std::string_view text);
