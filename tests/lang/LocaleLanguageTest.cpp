#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "app/Configuration.h"
#include "lang/LocaleLanguage.h"

namespace {

TEST(LocaleLanguageTest, LanguageCodeDecidesWhateverFollowsIt) {
  const struct {
    std::string_view locale;
    std::optional<int> language;
  } cases[] = {
      {"en_US.UTF-8", 0},
      {"en_GB", 0},
      {"pl_PL.UTF-8", 1},
      {"ru_RU.KOI8-R", 2},
      {"es_ES@euro", 3},
      {"es_AR", 3},
      {"bg_BG", 4},
      {"pt_BR", 5},
      {"pt_PT.UTF-8", 5},
      {"el_GR", 6},
      {"cs_CZ", 7},
      {"uk_UA", 8},
      {"ro_RO", 9},
      {"sq_AL", 10},
      {"hu_HU", 11},
      {"ko_KR", 12},
      {"ko_KR.eucKR", 12},
      {"it_IT", 13},
      {"it_CH", 13},
      {"ko", 12},
      {"pl-PL", 1},
      {"PL_pl", 1},
      {"Pt-br", 5},
      // Not one of the fourteen: the configuration's default decides.
      {"de_DE.UTF-8", {}},
      {"ca_ES", {}},
      {"ua_UA", {}},
      {"sr_RS@latin", {}},
      {"pol", {}},
      {"e", {}},
      {"C", {}},
      {"C.UTF-8", {}},
      {"POSIX", {}},
      {"", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LanguageOfLocale(c.locale), c.language) << c.locale;
}

TEST(LocaleLanguageTest, DesktopLanguageOnlyOnFirstStart) {
  Configuration firstStart;
  UseDesktopLanguage(firstStart, "pt_BR.UTF-8");
  EXPECT_EQ(firstStart.language, 5);

  Configuration unknownDesktop;
  UseDesktopLanguage(unknownDesktop, "de_DE.UTF-8");
  EXPECT_EQ(unknownDesktop.language, Configuration{}.language) << "the default stays";

  Configuration fromFile;
  fromFile.fromFile = true;
  fromFile.language = 3;
  UseDesktopLanguage(fromFile, "ko_KR");
  EXPECT_EQ(fromFile.language, 3) << "the saved choice wins";
}

}  // namespace
