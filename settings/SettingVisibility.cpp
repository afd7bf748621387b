#include "settings/SettingVisibility.h"

#include <algorithm>
#include <vector>

#include "controller/SettingsCatalogue.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kTwoBankModel = 12;
constexpr int kSpecialThreeCylinders = 10;

// Hidden by the settings it depends on, for the MALVER and KAVI families.
bool HiddenByRule(const TSterownik& link, int setting) {
  const uint8_t* s = link.Nastawy();
  const bool kavi = link.Rodzina() == Family::Kavi;
  const Family family = link.Rodzina();
  const int firmware = link.WersjaProgramu();
  switch (setting) {
    case 2:
      return s[1] <= 6 || s[1] >= 9;
    case 3:
    case 68:
      return s[1] == 7;
    case 4:
      return s[1] != 7 && (family == Family::Rumo || family == Family::Lumo);
    case 67:
      return !kavi && s[8] == 2;
    case 75:
      return !kavi && s[81] == 0;
    case 108:
      return !kavi && s[81] != 3;
    case 48:
      return s[15] != 3;
    case 18:
    case 19:
      return kavi ? s[138] == 0 : s[15] != 3;
    case 93:
      if (kavi && link.IleWtryskiwaczy() == 8 &&
          (firmware < 12 || link.OpisSpecjalny() == kSpecialThreeCylinders))
        return true;
      return link.Wyrob() == kTwoBankModel && firmware < 12;
    case 115:
    case 117:
    case 119:
    case 121:
      return s[114] == 0;
    case 265:
    case 267:
    case 269:
    case 271:
      return kavi && s[114] == 0;
    case 258:
      return kavi && s[257] != 1;
    case 295:
      return kavi && s[257] != 2;
    case 306:
      return kavi && s[261] <= 2;
    case 309:
      return kavi && s[308] == 0;
    case 310:
    case 311:
      return kavi && s[308] < 2;
    case 137:
      return kavi && link.CzyKaviRoznicowa();
    case 273:
      return kavi && !link.CzyKaviTestPlus60V();
    case 260:
      return kavi && !link.CzyKaviTypDetBen();
    case 275:
    case 276:
    case 277:
    case 278:
    case 307:
      return kavi && !link.Czy_KAVI_DUAL();
    case 157:
    case 158:
    case 159:
      return !kavi && s[156] != 1;
    default:
      return false;
  }
}

}  // namespace

bool IsVisible(const TSterownik& link, int setting) {
  if (setting < 0 || setting >= kSettingsCount) return false;
  // An emulator borrows the MALVER list, whose firmware versions are the gas controllers':
  // every setting of it is offered, whatever the emulator's own firmware version.
  if (!link.Traits().gasController) return true;
  // A setting that came with a later firmware does not exist in this controller; firmware 0
  // and 1 are development builds that have them all.
  const int firmware = link.WersjaProgramu();
  if (firmware >= 2 && firmware < link.ListaNastaw()[setting].odWersji) return false;
  return !HiddenByRule(link, setting);
}

bool IsListed(const TSterownik& link, int setting) {
  return IsVisible(link, setting) && link.ListaNastaw()[setting].nazwa != 0;
}

bool ReservedToAdministrators(const TSterownik& link, int setting) {
  // Those of the help panel of setting 24, which opens only for administrators, of the OBD
  // panel's administrator cell, and the cells the family's pages and panels empty without the
  // administrator flag; less those the editor shows elsewhere to everyone (the KAVI main page's
  // 23, the KAVI panels' 89).
  static const std::vector<int> kKavi = {9,  16,  21,  25,  26,  27,  28,  29,
                                         73, 110, 127, 128, 259, 298, 299, 312};
  static const std::vector<int> kOthers = {13, 23, 25, 26, 27, 28, 29, 73, 89, 127, 128};
  const std::vector<int>& reserved = link.Rodzina() == Family::Kavi ? kKavi : kOthers;
  return std::find(reserved.begin(), reserved.end(), setting) != reserved.end();
}
