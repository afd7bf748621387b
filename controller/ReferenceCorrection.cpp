// The reference correction: how far the gas pressure and temperature measured during a
// calibration stand from the conditions the injection maps were made for.

#include "controller/ReferenceCorrection.h"

#include <algorithm>

#include "controller/CalibrationSettings.h"
#include "controller/Tsterownik.h"

namespace {

// Entry i is 17920 / i, never above 255; entry 0 stands for no pressure at all.
constexpr std::array<uint8_t, 512> PressureFactors() {
  std::array<uint8_t, 512> table{};
  table[0] = 255;
  for (int i = 1; i < static_cast<int>(table.size()); ++i)
    table[static_cast<size_t>(i)] = static_cast<uint8_t>(std::min(17920 / i, 255));
  return table;
}

// The engine type shifts the working pressure into its own range of the pressure table.
int PressureRangeOffset(int engineType) {
  return engineType == 0 ? 100 : engineType == 1 ? 200 : 0;
}

}  // namespace

constexpr std::array<uint8_t, 512> TablicaCisnienia = PressureFactors();

// clang-format off
constexpr std::array<uint8_t, 256> TablicaTemperatury = {
   65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,
   65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,
   65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,
   65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,
   65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,  65,
   66,  66,  66,  66,  67,  67,  68,  68,  69,  69,  70,  71,  72,  73,  74,  75,
   76,  77,  78,  79,  80,  81,  83,  84,  85,  86,  87,  88,  89,  90,  91,  92,
   93,  94,  95,  96,  97,  98,  99, 100, 102, 102, 103, 104, 105, 105, 106, 107,
  108, 108, 109, 110, 111, 112, 112, 113, 114, 115, 115, 116, 117, 118, 119, 119,
  120, 121, 122, 122, 123, 124, 125, 125, 125, 125, 126, 126, 126, 127, 127, 128,
  128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128,
  128, 129, 129, 129, 130, 130, 130, 131, 131, 131, 132, 132, 132, 133, 133, 133,
  134, 134, 135, 135, 135, 136, 136, 137, 137, 137, 138, 138, 139, 139, 139, 140,
  140, 141, 141, 141, 142, 142, 142, 143, 143, 144, 144, 144, 145, 145, 146, 146,
  146, 147, 147, 148, 148, 148, 149, 149, 150, 150, 150, 151, 151, 151, 152, 152,
  153, 153, 153, 154, 154, 155, 155, 155, 156, 156, 157, 157, 157, 158, 158, 159,
};
// clang-format on

// In single precision: the result is truncated, so the precision decides the borderline values.
void TSterownik::ObliczKorekteOdniesienia() {
  using namespace calibration_setting;
  uint8_t* settings = NastawyDoZapisu();
  const int pressure = settings[WorkingPressure] + PressureRangeOffset(settings[EngineType]);
  const float p = TablicaCisnienia[static_cast<size_t>(pressure)];
  const float t = TablicaTemperatury[settings[GasTemperature]];
  const float c = p / 128 / 128 * t;
  const float correction = c > 0 ? 128 / c : 161;
  settings[ReferenceCorrection] = static_cast<uint8_t>(std::min(correction, 255.0f));
}
