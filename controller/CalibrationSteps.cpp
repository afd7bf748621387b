// The steps both families' calibrations share: the start, the fuel changes and their waits,
// the petrol reference of each pass, the reference conditions of the gas passes, the next
// injector and the end. A run makes three passes: a petrol reference, a coarse gas pass (per
// injector or with the injectors for gas), a second petrol reference and a fine gas pass.

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "controller/CalibrationSettings.h"
#include "controller/Tsterownik.h"

namespace {

using namespace calibration_setting;
using namespace status_frame;

constexpr int kSettleFrames = 11;
constexpr int kFuelWaitFrames = 256;  // then the fuel change is asked again
constexpr int kCompressedGasFrames = 100;
constexpr int kReferencePoints = 256;
constexpr int kCloseToReference = 10;
constexpr int kLongestReferenceTime = 120;  // 6 ms in 0.05 ms units
constexpr uint8_t kReferenceCorrectionAtStart = 181;
constexpr int kFinePassReference = 146;
constexpr int kFinePassProgress = 512;
constexpr int kLastTuningPoint = 255;

// The MALVER family's injectors on gas in the per-injector pass: injectors 1..k+1.
constexpr uint8_t kInjectorsUpTo[] = {0x01, 0x03, 0x07, 0x0F, 0x1F, 0x3F, 0x7F, 0xFF};

// The start values of settings 89, 90 and 92 and whether the multiplier's breakpoints go.
struct StartValues {
  uint8_t extraInjection;
  uint8_t idleCorrection;
  bool clearsBreakpoints;
};
constexpr StartValues kMalverStart = {60, 113, true};
constexpr StartValues kKaviStart = {50, 103, false};

int Phase(int state) {
  return state & 0xF0;
}

}  // namespace

void TSterownik::PrepareCalibration(bool kavi) {
  const StartValues& start = kavi ? kKaviStart : kMalverStart;
  if (!OnPetrol()) FuelChange();
  uint8_t* settings = NastawyDoZapisu();
  settings[ExtraInjection] = start.extraInjection;
  settings[IdleCorrection1] = settings[IdleCorrection2] = start.idleCorrection;
  settings[ReferenceCorrection] = kReferenceCorrectionAtStart;
  const uint8_t* tables = &obraz_[img::Mnoznik1];
  const bool neutral =
      std::all_of(tables, tables + 2 * img::kAreaSize, [](uint8_t entry) { return entry == 100; });
  if (!neutral && Ask(2103)) KasujMnoznik(3);
  if (start.clearsBreakpoints) ClearBreakpoints(3);
  ZapiszDoSterownika(AreaBit::Settings);
  kalibracja_.counter = 0;
  kalibracja_.progress = 0;
  kalibracja_.state = 1;
}

void TSterownik::WaitForPetrolToStart() {
  CalibrationRun& run = kalibracja_;
  if (!OnPetrol()) {
    if (++run.counter >= kFuelWaitFrames) run.state = calibration_state::Start;
    return;
  }
  run.counter = 0;
  run.state = (Nastawy()[PerInjector] & 1) ? 16 : 80;
}

void TSterownik::SettlePetrolReference() {
  CalibrationRun& run = kalibracja_;
  run.progress = run.state == 144 ? kFinePassProgress : 0;
  if (++run.counter < kSettleFrames) return;
  if (!OnPetrol()) FuelChange();
  run.wzorzecBenzyny = static_cast<uint8_t>(run.injectionTime);
  run.timeFilter = 0;
  run.counter = 0;
  ++run.state;
}

void TSterownik::WaitForPetrolReference() {
  CalibrationRun& run = kalibracja_;
  if (!OnPetrol()) {
    if (++run.counter >= kFuelWaitFrames) --run.state;
    return;
  }
  run.counter = 0;
  ++run.state;
}

// The petrol time the controller aims for on gas; it counts as found once it stays close to
// the pass's reference.
bool TSterownik::MeasurePetrolReference(bool kavi) {
  CalibrationRun& run = kalibracja_;
  if (!OnPetrol()) {
    run.state -= 2;
    return false;
  }
  const int time = run.injectionTime;
  NastawyDoZapisu()[PetrolReference] = static_cast<uint8_t>(time);
  if (kavi) StoreRailPressure();
  const bool close = std::abs(time - run.wzorzecBenzyny) <= kCloseToReference;
  run.counter += close && time < kLongestReferenceTime ? 5 : 1;
  run.progress = run.counter + (run.state == kFinePassReference ? kFinePassProgress : 0);
  if (run.counter >= kReferencePoints) {
    run.state = Phase(run.state) + 16;
    run.counter = 0;
    run.injector = 0;
  }
  return true;
}

// The per-injector pass starts with injector 1 alone on gas; the others with the injectors the
// installer has not kept on petrol, the KAVI family again with injector 1 alone.
void TSterownik::InjectorsForGas(bool kavi) {
  CalibrationRun& run = kalibracja_;
  const uint8_t forGas = kavi ? 0x01 : static_cast<uint8_t>(~Nastawy()[PetrolInjectors]);
  if (run.state == 32)
    ChangeInjectors(kInjectorsUpTo[0]);
  else if (forGas != zalaczoneWtryskiwacze_)
    ChangeInjectors(forGas);
  run.counter = 0;
  ++run.state;
}

// The fuel change toggles, so it is asked only of an engine not on gas already.
void TSterownik::SwitchToGas() {
  CalibrationRun& run = kalibracja_;
  if (++run.counter < kSettleFrames) return;
  if (!OnGas()) FuelChange();
  run.counter = 0;
  ++run.state;
}

void TSterownik::WaitForGas() {
  CalibrationRun& run = kalibracja_;
  if (!OnGas() || !SettledOnFuel()) return;
  run.timeFilter = 0;
  run.counter = 0;
  run.framesSinceMultiplierStep = 0;
  run.state = Phase(run.state) + 16;
}

// Compressed gas settles more slowly: a hundred frames more on the new fuel.
bool TSterownik::SettledOnFuel() {
  if (Nastawy()[FuelType] != kCompressedGas) return true;
  return ++kalibracja_.counter > kCompressedGasFrames;
}

// The gas temperature, working pressure, reducer temperature and manifold pressure the gas
// pass ran in, and the correction they give.
void TSterownik::TakeReferenceConditions() {
  uint8_t* settings = NastawyDoZapisu();
  settings[GasTemperature] = status_.Byte(kGasTemperature);
  settings[WorkingPressure] = static_cast<uint8_t>(kalibracja_.byte48Filter / 16);
  settings[ReducerTemperature] = status_.Byte(kReducerTemperature);
  settings[ManifoldPressure] = status_.Byte(kManifoldPressure);
  const uint8_t before = settings[ReferenceCorrection];
  ObliczKorekteOdniesienia();
  if (settings[ReferenceCorrection] != before) ZapiszDoSterownika(AreaBit::Settings);
}

// A point for every frame of a gas pass, five when the petrol time stays where it was on
// petrol; from the third injector on one more. False once the pass has its points.
bool TSterownik::CountTuningFrame(int tested) {
  CalibrationRun& run = kalibracja_;
  run.counter += std::abs(tested) <= 1 ? 5 : 1;
  if (run.injector >= 2) ++run.counter;
  const int injectors = std::max(1, ileWtryskiwaczy_);
  if (run.state == 48)
    run.progress = run.counter / 2 / injectors + run.injector * 256 / injectors + 256;
  else
    run.progress = run.counter / 2 + (run.state == 112 ? 256 : 768);
  if (run.counter <= kLastTuningPoint) return true;
  run.state = Phase(run.state) + 16;
  run.counter = 0;
  return false;
}

void TSterownik::NextInjector(bool kavi) {
  CalibrationRun& run = kalibracja_;
  ++run.injector;
  if (run.injector < std::min(ileWtryskiwaczy_, static_cast<int>(std::size(kInjectorsUpTo)))) {
    ChangeInjectors(kInjectorsUpTo[run.injector]);
    run.state = 48;
    return;
  }
  BackToPetrol(kavi);
}

void TSterownik::BackToPetrol(bool kavi) {
  if (kavi) ChangeInjectors(0xFF);
  if (!OnPetrol()) FuelChange();
  kalibracja_.counter = 0;
  ++kalibracja_.state;
}

void TSterownik::WaitForPetrolToEnd() {
  CalibrationRun& run = kalibracja_;
  if (!OnPetrol() || !SettledOnFuel()) return;
  run.counter = 0;
  if (run.state == 193)
    FinishCalibration();
  else
    run.state = 144;
}
