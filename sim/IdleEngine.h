#pragma once

#include <cstdint>
#include <span>

#include "controller/ImageLayout.h"

// The engine behind a simulated gas controller standing at idle, as the link's commands and a
// calibration see it: it changes fuel when told, runs the injectors the link switched to gas,
// and its petrol computer answers the gas dose. Where the controller's multiplier (MALVER) or
// idle correction (KAVI) gives less gas than this engine needs, the mixture on gas runs lean
// and the petrol computer lengthens its time, the more the more injectors are on gas; more gas
// than needed shortens it.
namespace sim {

struct Identity;

class IdleEngine {
 public:
  // What this engine needs: the multiplier of the MALVER families and the KAVI family's idle
  // correction (settings 90 and 92) that make the mixture on gas right.
  static constexpr int kRightMultiplier = 112;
  static constexpr int kRightIdleCorrection = 110;

  // Command 0x84 toggles the fuel after a few frames, as the controller waits for the right
  // moment; 0x85 at once.
  void FuelChange(bool fast);
  void SetInjectorMask(uint8_t mask) { injectorMask_ = mask; }
  // One status frame later.
  void NextFrame();

  bool OnGas() const { return onGas_; }
  uint8_t InjectorMask() const { return injectorMask_; }

  // The engine's state over a status frame of the idling controller: the fuel, the injectors
  // on gas, and the engine speed unless it stalled or its signal is lost.
  void PutState(bool stalled, bool speedLost, std::span<uint8_t> payload) const;
  // A steady idle as the calibration poll asks for it: the state, the petrol computer's times
  // with a little noise, and the gas pressure and temperatures of the reference correction.
  void PutCalibrationIdle(const Identity& identity, std::span<const uint8_t, img::kSize> memory,
                          int frame, std::span<uint8_t> payload) const;

 private:
  double PetrolMs(const Identity& identity, std::span<const uint8_t, img::kSize> memory) const;
  double GasShare(int channels) const;

  bool onGas_ = true;
  int switchInFrames_ = 0;  // an automatic fuel change under way; 0: none
  uint8_t injectorMask_ = 0xFF;
};

}  // namespace sim
