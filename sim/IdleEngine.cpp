#include "sim/IdleEngine.h"

#include <algorithm>
#include <bit>

#include "controller/CalibrationSettings.h"
#include "controller/Protocol.h"
#include "sim/Drive.h"
#include "sim/PayloadBytes.h"
#include "sim/SimController.h"

namespace sim {

namespace {

using namespace calibration_setting;
using namespace status_frame;

constexpr int kChannels = 8;  // the most a status frame carries
constexpr int kAutomaticChangeFrames = 3;
constexpr double kIdlePetrolMs = 3.2;
constexpr double kGasToPetrol = 1.15;  // gas injectors open longer than petrol ones
// How much richer the mixture on gas runs for each unit of the KAVI idle correction.
constexpr double kRichnessPerCorrection = 0.03;
constexpr int kIdleRpmTens = 85;
constexpr int kGasPressureHundredths = 120;
constexpr int kIdleLoadRow = 1;
constexpr int kIdleRpmColumn = 2;

// A few units either way, the same for the same frame and salt: enough for the link's filters
// to smooth, too little to unsettle a calibration.
int Noise(int frame, int salt, int amplitude) {
  const unsigned mixed =
      static_cast<unsigned>(frame) * 2654435761u ^ static_cast<unsigned>(salt) * 40503u;
  return static_cast<int>((mixed >> 16) % static_cast<unsigned>(2 * amplitude + 1)) - amplitude;
}

}  // namespace

void IdleEngine::FuelChange(bool fast) {
  if (fast) {
    onGas_ = !onGas_;
    switchInFrames_ = 0;
  } else if (switchInFrames_ == 0) {
    switchInFrames_ = kAutomaticChangeFrames;
  }
}

void IdleEngine::NextFrame() {
  if (switchInFrames_ > 0 && --switchInFrames_ == 0) onGas_ = !onGas_;
}

void IdleEngine::PutState(bool stalled, bool speedLost, std::span<uint8_t> p) const {
  Put8(p, kWorkState, onGas_ ? work_state::kGas : work_state::kPetrol);
  Put8(p, kInjectorMask, injectorMask_);
  if (stalled || speedLost) Put16(p, kRpmTens, 0);
  if (!stalled) return;
  Put8(p, kWorkFlags, WorkFlag::IgnitionOn);
  for (int c = 0; c < kChannels; ++c) {
    Put16(p, kInjectionTimes + kInjectionRecordSize * c, 0);
    Put16(p, kInjectionTimes + kInjectionRecordSize * c + 2, 0);
  }
}

void IdleEngine::PutCalibrationIdle(const Identity& identity,
                                    std::span<const uint8_t, img::kSize> memory, int frame,
                                    std::span<uint8_t> p) const {
  Put8(p, kMapRow, kIdleLoadRow);
  Put8(p, kMapColumn, kIdleRpmColumn);
  Put16(p, kRpmTens, kIdleRpmTens + Noise(frame, 1, 1));
  Put16(p, kGasPressure, kGasPressureHundredths + Noise(frame, 2, 2));
  const int channels = std::min(identity.injectors, kChannels);
  const double petrolMs = PetrolMs(identity, memory);
  for (int c = 0; c < channels; ++c) {
    const int at = kInjectionTimes + kInjectionRecordSize * c;
    const int petrol = static_cast<int>(petrolMs / 0.004) + Noise(frame, 10 + c, 5);
    const bool channelOnGas = onGas_ && (injectorMask_ >> c & 1);
    Put16(p, at, petrol);
    Put16(p, at + 2, channelOnGas ? static_cast<int>(petrol * kGasToPetrol) : 0);
  }
}

// On petrol the petrol computer runs its own time; on gas it corrects what the gas injectors
// give the cylinders on gas.
double IdleEngine::PetrolMs(const Identity& identity,
                            std::span<const uint8_t, img::kSize> memory) const {
  if (!onGas_) return kIdlePetrolMs;
  double richness = 0.0;
  if (identity.family == static_cast<int>(Family::Kavi)) {
    const uint8_t* settings = &memory[img::Nastawy];
    const double correction = (settings[IdleCorrection1] + settings[IdleCorrection2]) / 2.0;
    richness = (correction - kRightIdleCorrection) * kRichnessPerCorrection;
  } else {
    richness = (memory[img::Mnoznik1] - kRightMultiplier) / double(kRightMultiplier);
  }
  return kIdlePetrolMs * (1.0 - GasShare(std::min(identity.injectors, kChannels)) * richness);
}

double IdleEngine::GasShare(int channels) const {
  if (channels <= 0) return 0.0;
  const unsigned used = injectorMask_ & ((1u << channels) - 1u);
  return std::popcount(used) / double(channels);
}

}  // namespace sim
