#pragma once

#include <cstdint>

// A scripted drive for the simulated controller: a cold start on petrol, the wait for the
// reducer to warm up, the switch-over to gas, idle, a pull through the gears, a cruise with an
// overtake, a long coast with the fuel cut off, idle again and the ignition off. It loops, and
// every moment is a function of the status frame's number alone, so two runs give the same
// frames.
namespace sim {

// Status frames per loop of the drive; the scope counts a frame as 0.1 s, so three minutes.
inline constexpr int kDriveLoopFrames = 1800;
inline constexpr double kDriveSecondsPerFrame = 0.1;

enum class DriveStage {
  Parked,        // ignition off
  IgnitionOn,    // ignition on, engine standing
  Cranking,      // the starter turns the engine
  WarmUp,        // running on petrol, waiting for the reducer to warm up
  SwitchOver,    // the injectors change to gas one by one
  Idle,          // on gas
  Acceleration,  // on gas, through the gears
  Cruise,        // on gas
  FuelCut,       // coasting: the petrol computer injects nothing
};

// Work-state codes the controller reports in status frame byte 10.
namespace work_state {
inline constexpr int kPetrol = 0;
inline constexpr int kWaiting = 2;
inline constexpr int kSwitching = 5;
inline constexpr int kGas = 6;
}  // namespace work_state

// Reasons of a wait, the bits of status byte 7 under waiting class 10.
namespace waiting_reason {
inline constexpr uint8_t kReducerTemperature = 0x01;
inline constexpr uint8_t kSwitchOverDelay = 0x02;
}  // namespace waiting_reason

// The engine and the gas system at one moment of the drive.
struct DriveMoment {
  DriveStage stage = DriveStage::Parked;
  int workState = work_state::kPetrol;
  bool ignition = false;
  bool turning = false;
  double rpm = 0.0;
  double manifoldBar = 1.0;     // absolute pressure in the intake manifold
  double petrolMs = 0.0;        // what the petrol computer commands per injection
  double gasMs = 0.0;           // what the gas injectors open for instead, on gas
  double gasShare = 0.0;        // of the injectors switched to gas, 0..1
  double gasPressureBar = 0.0;  // above the manifold
  double reducerC = 0.0;
  double gasC = 0.0;
  double lambdaVolts = 0.45;  // first probe; the second follows it a little later
  double lambda2Volts = 0.45;
  double supplyVolts = 12.5;
  double levelPercent = 0.0;
  // A switch-over or function message (status byte 6 = 0xF0, byte 7 = this); 0 = none.
  int message = 0;
  uint8_t waitingReasons = 0;  // while waiting: waiting_reason bits
  bool coldEngine = false;     // the controller leans the gas mixture of a cold engine
  bool fullLoad = false;       // petrol is added to the gas at full load
  bool lightLoad = false;      // steady light load: direct injection runs a stratified charge

  bool OnGas() const { return workState == work_state::kGas; }
  // The load the manifold pressure stands for, 0 (closed throttle) .. 1 (wide open).
  double Load() const;
};

// The drive at the given status frame; frames beyond one loop start the loop again.
DriveMoment DriveAt(int frame);

}  // namespace sim
