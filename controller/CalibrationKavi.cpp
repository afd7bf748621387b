// The gas passes of the KAVI family's calibration: the idle corrections (settings 90 and 92)
// move until the petrol computer's time on gas matches the petrol reference, while the
// injectors on gas take turns as the pass's points grow.

#include <algorithm>
#include <cstdlib>
#include <span>

#include "controller/CalibrationSettings.h"
#include "controller/Tsterownik.h"

namespace {

using namespace calibration_setting;

// A larger difference sends the pass back to its petrol reference.
constexpr int kLargestDifference = 5;
constexpr int kPointsPerMove = 16;
constexpr int kBackToReference = 32;

// The injectors on gas while a pass collects its points: up to each last point, one mask.
struct MaskUpTo {
  int lastPoint;
  uint8_t mask;
};
// clang-format off
constexpr MaskUpTo kFourInjectors[] = {
    {31, 1}, {63, 5}, {95, 2}, {127, 6}, {159, 7}, {191, 14}, {255, 13}};
constexpr MaskUpTo kSixInjectors[] = {
    {20, 1}, {41, 3}, {62, 7}, {84, 14}, {105, 28}, {127, 60}, {148, 62}, {169, 61}, {190, 59},
    {212, 55}, {255, 47}};
constexpr MaskUpTo kEightInjectors[] = {
    {31, 17}, {63, 85}, {95, 34}, {127, 102}, {159, 119}, {191, 238}, {255, 221}};
// clang-format on

// Other injector counts keep the mask their pass started with.
std::span<const MaskUpTo> InjectorTurns(int injectors) {
  switch (injectors) {
    case 4:
      return kFourInjectors;
    case 6:
      return kSixInjectors;
    case 8:
      return kEightInjectors;
    default:
      return {};
  }
}

}  // namespace

// A shorter petrol time on gas means the gas mixture is rich: a smaller correction.
bool TSterownik::TuneIdleCorrection() {
  CalibrationRun& run = kalibracja_;
  TakeReferenceConditions();
  uint8_t* settings = NastawyDoZapisu();
  const int difference = settings[PetrolReference] - run.injectionTime;
  const int correction = settings[IdleCorrection1];
  auto set = [&](int value) {
    settings[IdleCorrection1] = settings[IdleCorrection2] =
        static_cast<uint8_t>(std::clamp(value, 0, 255));
    ZapiszDoSterownika(AreaBit::Settings);
  };
  if (std::abs(difference) > kLargestDifference) {
    set(correction - difference);
    run.state -= kBackToReference;
    return false;
  }
  int tested = difference;
  if (run.counter % kPointsPerMove == 0) {
    const bool halfway = std::abs(difference) == kLargestDifference;
    int moved = correction;
    if (halfway)
      moved = std::clamp(correction - difference / 2, 0, 255);
    else if (difference > 0 && correction > 0)
      moved = correction - 1;
    else if (difference < 0 && correction < 255)
      moved = correction + 1;
    if (moved != correction) {
      set(moved);
      if (halfway) tested = moved;
    }
  }
  if (CountTuningFrame(tested)) FollowCounterWithInjectors();
  return true;
}

void TSterownik::FollowCounterWithInjectors() {
  for (const MaskUpTo& turn : InjectorTurns(ileWtryskiwaczy_)) {
    if (kalibracja_.counter > turn.lastPoint) continue;
    if (turn.mask != zalaczoneWtryskiwacze_) ChangeInjectors(turn.mask);
    return;
  }
}

// The rail pressure the petrol reference was measured at, in the setting's 0.02 V.
void TSterownik::StoreRailPressure() {
  const int pressure = status_.Word(status_frame::kRailPressure) / 4;
  NastawyDoZapisu()[RailPressure] = static_cast<uint8_t>(std::min(pressure, 255));
}
