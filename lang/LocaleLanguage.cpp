#include "lang/LocaleLanguage.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// ISO 639-1 codes in LanguageIndex order.
constexpr std::string_view kLanguageCodes[] = {"en", "pl", "ru", "es", "bg", "pt", "el",
                                               "cs", "uk", "ro", "sq", "hu", "ko", "it"};

}  // namespace

std::optional<int> LanguageOfLocale(std::string_view locale) {
  // The territory, encoding and modifier follow the language code ("pt_BR.UTF-8@euro");
  // Qt and BCP 47 separate the territory with a hyphen instead.
  std::string code(locale.substr(0, locale.find_first_of("_-.@")));
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto* found = std::find(std::begin(kLanguageCodes), std::end(kLanguageCodes), code);
  if (found == std::end(kLanguageCodes)) return std::nullopt;
  return static_cast<int>(found - std::begin(kLanguageCodes));
}
