#include "charts/ChartKinds.h"

#include "controller/Protocol.h"

namespace chart {
namespace {

struct Kind {
  bool plot;
  uint32_t read;
};

using namespace AreaBit;

// clang-format off
constexpr Kind kKinds[kLastKind + 1] = {
  {true,  0},                      // 0 injection-time map with multiplier
  {false, 0},                      // 1 RPM corrections
  {true,  ReducerTempCorrection},  // 2 reducer temperature correction curve
  {true,  GasTempCorrection},      // 3 gas temperature correction curve
  {true,  PressureCorrection},     // 4 gas pressure correction curve
  {false, EmulatorHi},             // 5 rail pressure Hi emulator
  {false, EmulatorHi},             // 6 the same on the KAVI
  {true,  0},                      // 7 petrol pressure emulation characteristic
  {false, Admixture},              // 8 injection offsets
  {false, Admixture},              // 9 petrol admixture
  {false, PressureMap},            // 10 acceleration enrichment
  {false, PressureMap},            // 11 petrol addition
  {false, PressureMap},            // 12 petrol pressure map
  {false, GasAdvance},             // 13 gas injection advance
  {false, PetrolDose},             // 14 petrol dose
  {false, EmulatorLo},             // 15 rail pressure Lo emulator
  {false, EmulatorLo},             // 16 the same with setting 17 = 2
  {true,  0},                      // 17 injection times from the scope recording
  {true,  0},                      // 18 gas pressure from the scope recording
};
// clang-format on

bool Known(int kind) {
  return kind >= 0 && kind <= kLastKind;
}

}  // namespace

bool IsPlotKind(int kind) {
  return Known(kind) && kKinds[kind].plot;
}

bool IsGridKind(int kind) {
  return Known(kind) && !kKinds[kind].plot;
}

uint32_t ReadOnSelection(int kind) {
  return Known(kind) ? kKinds[kind].read : 0;
}

}  // namespace chart
