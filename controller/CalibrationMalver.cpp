// The gas passes of the MALVER families' calibration: both multiplier tables move together
// until the petrol computer's time on gas matches the petrol reference.

#include <algorithm>

#include "controller/CalibrationSettings.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kFramesPerStep = 5;
constexpr int kLargestStep = 2;
constexpr int kLeanestMultiplier = 5;
constexpr int kFinePass = 176;

}  // namespace

// A shorter petrol time on gas means the gas mixture is rich: less gas; a longer one, more.
// The fine pass moves by one; the others by up to two.
bool TSterownik::TuneMultiplier() {
  CalibrationRun& run = kalibracja_;
  TakeReferenceConditions();
  const int difference = Nastawy()[calibration_setting::PetrolReference] - run.injectionTime;
  int tested = difference;
  if (++run.framesSinceMultiplierStep >= kFramesPerStep) {
    run.framesSinceMultiplierStep = 0;
    if (difference != 0) {
      const int largest = run.state == kFinePass ? 1 : kLargestStep;
      const int step = std::clamp(difference, -largest, largest);
      const int multiplier = obraz_[img::Mnoznik1];
      const int moved = step > 0 ? std::max(multiplier - step, kLeanestMultiplier)
                                 : std::min(multiplier - step, 255);
      std::fill_n(&obraz_[img::Mnoznik1], img::kAreaSize, static_cast<uint8_t>(moved));
      std::fill_n(&obraz_[img::Mnoznik2], img::kAreaSize, static_cast<uint8_t>(moved));
      ZapiszDoSterownika(AreaBit::Multiplier1 | AreaBit::Multiplier2);
      tested = step;
    }
  }
  CountTuningFrame(tested);
  return true;
}
