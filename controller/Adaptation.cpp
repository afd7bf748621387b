// The controller's own adaptation trims (reported in status sub-records 0xF3 and 0xF4) folded
// into the settings and multipliers of each bank, so that writing them back keeps what the
// controller has learned.

#include <algorithm>
#include <span>

#include "controller/CalibrationSettings.h"
#include "controller/Tsterownik.h"

namespace {

constexpr uint8_t kNoTrim = 128;

// Where each bank keeps its idle setting, its multiplier table and their two trims.
struct BankTrims {
  int setting;
  int settingTrim;
  int multiplier;
  int multiplierTrim;
};
constexpr BankTrims kBanks[] = {
    {calibration_setting::IdleCorrection1, img::Eeprom1, img::Mnoznik1, img::Eeprom1 + 1},
    {calibration_setting::IdleCorrection2, img::Eeprom1 + 2, img::Mnoznik2, img::Eeprom1 + 3},
};

uint8_t ToByte(int value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// A multiplier of 0 would give no gas at all at that point; 1 is the least an entry becomes.
uint8_t TrimmedEntry(int entry, int trim) {
  const int sum = entry + trim;
  return ToByte(sum > kNoTrim ? sum - kNoTrim : 1);
}

}  // namespace

void TSterownik::DodajAdaptacje() {
  uint8_t* settings = NastawyDoZapisu();
  for (const BankTrims& bank : kBanks) {
    settings[bank.setting] = ToByte(settings[bank.setting] + obraz_[bank.settingTrim] - kNoTrim);
    obraz_[bank.settingTrim] = kNoTrim;
    const int trim = obraz_[bank.multiplierTrim];
    for (uint8_t& entry : std::span(&obraz_[bank.multiplier], img::kAreaSize))
      entry = TrimmedEntry(entry, trim);
    obraz_[bank.multiplierTrim] = kNoTrim;
  }
  ZapiszDoSterownika(AreaBit::Settings | AreaBit::Multiplier1 | AreaBit::Multiplier2);
}

// Neutral trims would only lift multiplier entries of 0 and send three areas for nothing.
void TSterownik::WykonajAdaptacje() {
  const uint8_t* trims = &obraz_[img::Eeprom1];
  if (std::any_of(trims, trims + 4, [](uint8_t trim) { return trim != kNoTrim; })) DodajAdaptacje();
}
