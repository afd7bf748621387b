#include "cli/SettingsListing.h"

#include <cstdio>

#include "controller/SettingsCatalogue.h"
#include "lang/Langtext.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"

namespace {

// Pads to width characters (not bytes: many names are Polish).
std::string Padded(const std::string& text, size_t width) {
  size_t characters = 0;
  for (unsigned char c : text)
    characters += (c & 0xC0) != 0x80;
  return text + std::string(characters < width ? width - characters : 0, ' ');
}

}  // namespace

std::string SettingName(const TSterownik& link, int setting) {
  return LangText(static_cast<int>(link.ListaNastaw()[setting].nazwa));
}

std::string ShownValue(const TSterownik& link, int setting) {
  std::string value = ValueText(link, setting);
  if (const std::string unit = link.UnitText(setting); !unit.empty()) value += " " + unit;
  return value;
}

void PrintSettings(const TSterownik& link) {
  for (int i = 0; i < kSettingsCount; ++i) {
    if (!IsListed(link, i)) continue;
    std::printf("%3d  %s %s%s\n", i, Padded(SettingName(link, i), 44).c_str(),
                ShownValue(link, i).c_str(), link.OutsideRange(i) ? "  !" : "");
  }
}
