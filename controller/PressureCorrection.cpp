// The gas-pressure correction of the diagnostic charts: an injector passes more gas at a higher
// absolute pressure, so its open time alone understates the flow.

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "controller/ReferenceCorrection.h"
#include "controller/Tsterownik.h"

namespace {

// Settings the correction reads.
constexpr int kEngineType = 10;  // 0 naturally aspirated
constexpr int kWorkingPressure = 86;

constexpr int kLastPressureEntry =
    static_cast<int>(std::tuple_size_v<std::remove_cvref_t<decltype(TablicaCisnienia)>>) - 1;

// The working pressure's place in the pressure table: each engine type has its own range.
int WorkingPressureEntry(const uint8_t* settings) {
  return settings[kWorkingPressure] + (settings[kEngineType] == 0 ? 100 : 200);
}

// Hundredths of a bar as a table index; a reading that is no pressure at all counts as none.
int PressureEntry(double pressure) {
  const double hundredths = pressure * 100;
  if (!(hundredths > 0)) return 0;
  return static_cast<int>(std::min(hundredths, static_cast<double>(kLastPressureEntry)));
}

}  // namespace

// The table never holds 0 (its smallest entry is 35, at its end), so the division is safe.
double TSterownik::ObliczKorekteCis(double pressure) const {
  const double working = TablicaCisnienia[static_cast<size_t>(WorkingPressureEntry(Nastawy()))];
  return working / TablicaCisnienia[static_cast<size_t>(PressureEntry(pressure))];
}
