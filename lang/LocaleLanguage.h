#pragma once

#include <optional>
#include <string_view>

// The LanguageIndex of a desktop locale name: "pl_PL.UTF-8", "pt_BR", "sq-AL", "ko" and the
// like, judged by the language code alone, in either case. None for a language the text table
// does not hold, and for "C", "POSIX" or an empty name.
std::optional<int> LanguageOfLocale(std::string_view locale);
