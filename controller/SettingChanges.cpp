// One change of a setting, and what it drives: other settings, tables, commands and the page
// that goes to the controller.

#include <algorithm>

#include "controller/SettingPresets.h"
#include "controller/SettingsCatalogue.h"
#include "controller/SettingsCatalogueData.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

constexpr int kPageSize = 256;
constexpr int kReferenceTable = 224;  // 224..239: a 16-point curve by engine type
constexpr int kReferencePoints = 16;
constexpr int kInjectorTypeSettings = 25;  // 25..29 follow the injector type
constexpr int kInjectorTypeMaxima[5] = {255, 255, 255, 100, 4};
constexpr int kLevelThresholds = 41;  // 41..44 follow the level sensor type
constexpr int kChannelInputs = 32;    // 32..39: each gas channel's petrol inputs
constexpr int kHybridPid = 10;        // the user PID a hybrid reads

}  // namespace

SettingChange TSterownik::ChangeSetting(int setting, int value, int kind, const OpenViews& open) {
  if (setting < 0 || setting >= kSettingsCount) return {};
  const Nastawa& n = listaNastaw_[setting];
  if (kind == 1) value = std::clamp(value, static_cast<int>(n.min), static_cast<int>(n.max));
  uint8_t* s = NastawyDoZapisu();
  s[setting] = static_cast<uint8_t>(value);
  if (kind == 2 && setting + 1 < kSettingsCount) s[setting + 1] = static_cast<uint8_t>(value >> 8);
  SettingChange change;
  change.stored = true;
  ApplyDependentSettings(setting, s[setting], open, change);
  if (stanIdent_ == ident_state::PasswordLocked) {
    change.locked = true;
    ui_.MessageBox(LangText(2203) + ".", mb::kIconInformation);
  } else {
    ZapiszDoSterownika(setting < kPageSize ? AreaBit::Settings : AreaBit::Settings2);
    // Whatever goes out is read back, so the editor ends showing what the controller kept.
    CzytajZeSterownika(FlagiZapisu() & ~AreaBit::Password);
  }
  return change;
}

void TSterownik::ApplyDependentSettings(int setting, int v, const OpenViews& open,
                                        SettingChange& change) {
  uint8_t* s = NastawyDoZapisu();
  const bool kavi = Rodzina() == Family::Kavi;
  auto restoreReferenceDefaults = [&] {
    for (int i = kReferenceTable; i < kReferenceTable + kReferencePoints; ++i)
      s[i] = listaNastaw_[i].domyslna;
  };
  switch (setting) {
    case 1: {
      NazwyWykresow(1);
      static constexpr uint8_t kDivider[] = {1, 2, 3, 4, 5, 6, 8, 1, 116, 4, 4};
      if (v < static_cast<int>(std::size(kDivider))) s[2] = kDivider[v];
      if (v == 7) {
        s[60] = s[57] = s[68] = 0;
        s[65] = 50;
      } else {
        if (Rodzina() == Family::Rumo || Rodzina() == Family::Lumo) s[4] = 0;
        s[65] = 5;
        s[68] = 1;
      }
      change.relayout = true;
      break;
    }
    case 4:
      if (v == 2) {
        restoreReferenceDefaults();
        s[10] = 0;
      }
      ObliczKorekteOdniesienia();
      break;
    case 6:
    case 123:
    case 124:
      NazwyWykresow(1);
      break;
    case 8: {
      const int channels = ileWtryskiwaczy_;
      const uint8_t m = channels == 6 ? 63 : channels == 4 ? 15 : 255;
      const uint8_t bySwitching[3][8] = {
          {1, 2, 4, 8, static_cast<uint8_t>(m & 16), 32, static_cast<uint8_t>(m & 64), 128},
          {static_cast<uint8_t>(m & 0x55), static_cast<uint8_t>(m & 0xAA), 0, 0, 0, 0, 0, 0},
          {m, 0, 0, 0, 0, 0, 0, 0}};
      if (v <= 2) std::copy_n(bySwitching[v], 8, s + kChannelInputs);
      s[56] = static_cast<uint8_t>(v);
      if (stanPaliwa_ != 0) RozkazDoSterownika(CommandBit::FuelChangeFast);
      RozkazDoSterownika(CommandBit::SendInjectorMask);
      change.refreshViews = true;
      break;
    }
    case 10:
      if (v == 0 || s[4] == 2) restoreReferenceDefaults();
      if (v == 1)
        for (int j = 0; j < kReferencePoints; ++j)
          s[kReferenceTable + j] = static_cast<uint8_t>(25 + j * 175 / 15);
      ObliczKorekteOdniesienia();
      break;
    case 12:
      if (kavi && open.admixture) {
        change.mapSubView = true;
      } else if (v == 0) {
        RozkazDoSterownika(CommandBit::SendInjectorMask);
      }
      change.refreshViews = true;
      break;
    case 138:
      PodmianaNastaw();
      [[fallthrough]];
    case 15:
    case 17:
    case 39:
    case 48:
    case 79:
    case 156:
    case 257:
    case 261:
      (open.emulator ? change.mapSubView : change.refreshViews) = true;
      break;
    case 295:
      change.mapSubView = open.petrolInjection;
      break;
    case 20:
      if (v == 0) {
        s[63] = 60;
        s[69] = 0;
        if (s[86] > 150) s[86] = 100;
      } else if (v <= 2) {
        s[63] = 100;
        s[69] = v == 2 ? 1 : 0;
        if (s[86] < 150) s[86] = 180;
        s[12] = 2;
      }
      break;
    case 24: {
      const auto types = options::InjectorTypes();
      if (v >= static_cast<int>(types.size())) break;
      for (int i = 0; i < 5; ++i)
        s[kInjectorTypeSettings + i] = static_cast<uint8_t>(
            std::clamp(types[static_cast<size_t>(v)].settings[i], 0, kInjectorTypeMaxima[i]));
      break;
    }
    case 40: {
      const auto presets = options::LevelPresets();
      if (v >= static_cast<int>(presets.size())) break;
      const auto& t = presets[static_cast<size_t>(v)].thresholds;
      // The preset runs from the 1/4 LED (setting 44) up to the 4/4 LED (setting 41).
      for (int i = 0; i < 4; ++i)
        s[kLevelThresholds + 3 - i] = t[i];
      break;
    }
    case 81:
      if (v == 0) DodajAdaptacje();
      break;
    case 85:
    case 86:
      ObliczKorekteOdniesienia();
      break;
    case 90:
      if (AktalnyBank() == 0) s[92] = s[90];
      break;
    case 109:
      change.relayout = true;
      break;
    case 157:
      if (kavi) listaNastaw_[158].jednostka = v == 0 ? catalogue::kBar : catalogue::kVolt;
      break;
    case 164:
      FillMultiplier(img::Mnoznik2, AreaBit::Multiplier2);
      break;
    case 190:
      FillMultiplier(img::Mnoznik1, AreaBit::Multiplier1);
      if (AktalnyBank() == 0) {
        std::fill_n(&obraz_[img::Mnoznik2], img::kAreaSize, obraz_[img::Mnoznik1]);
        ZapiszDoSterownika(AreaBit::Multiplier2);
      }
      break;
    case 305:
      if (v == 1) {
        s[123] = kHybridPid;
        NazwyWykresow(1);
        ZapiszDoSterownika(AreaBit::Settings);
      }
      break;
    case 307:
      if (kavi) {
        const bool eight = ileWtryskiwaczy_ == 8;
        s[31] = static_cast<uint8_t>(v == 1 ? (eight ? 240 : 248) : v == 2 ? (eight ? 15 : 7) : 0);
        zalaczoneWtryskiwacze_ &= static_cast<uint8_t>(~s[31]);
        change.injectionTable = true;
        ZapiszDoSterownika(AreaBit::Settings);
        RozkazDoSterownika(CommandBit::SendInjectorMask);
      }
      break;
    default:
      break;
  }
}

// A multiplier's steps of one: its first entry stands for the whole table.
void TSterownik::FillMultiplier(int offset, uint32_t area) {
  std::fill(&obraz_[offset + 1], &obraz_[offset + img::kAreaSize], obraz_[offset]);
  ZapiszDoSterownika(area);
}

bool TSterownik::StepMultiplier(int setting, int direction) {
  constexpr int kLowest = 1, kHighest = 250;
  uint8_t& first = obraz_[setting == 164 ? img::Mnoznik2 : img::Mnoznik1];
  const int stepped = first + direction;
  if (stepped < kLowest || stepped > kHighest) return false;
  first = static_cast<uint8_t>(stepped);
  return true;
}
