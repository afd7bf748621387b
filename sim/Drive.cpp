#include "sim/Drive.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace sim {

namespace {

constexpr double kPi = 3.14159265358979;

struct StageStart {
  double second;
  DriveStage stage;
};

// clang-format off
constexpr StageStart kStages[] = {
    {  0.0, DriveStage::Parked},
    {  3.0, DriveStage::IgnitionOn},
    {  5.0, DriveStage::Cranking},
    {  6.5, DriveStage::WarmUp},
    { 36.0, DriveStage::SwitchOver},
    { 38.0, DriveStage::Idle},
    { 58.0, DriveStage::Acceleration},
    { 66.5, DriveStage::Cruise},
    {120.5, DriveStage::FuelCut},
    {134.0, DriveStage::Idle},
    {170.0, DriveStage::Parked},
};

// The engine while it turns; straight lines between the points.
struct EnginePoint {
  double second, rpm, manifoldBar, petrolMs;
};
constexpr EnginePoint kEngine[] = {
    {  5.0,  220, 0.97, 14.0},  // cranking: rich
    {  6.5,  260, 0.95, 14.0},
    {  7.5, 1350, 0.42,  5.0},  // it fires and flares up
    { 10.0, 1150, 0.36,  4.2},  // cold fast idle
    { 36.0,  880, 0.34,  3.3},
    { 58.0,  850, 0.33,  3.0},  // warm idle on gas
    { 58.5, 1100, 0.75,  6.5},  // first gear
    { 61.5, 3400, 0.92, 10.5},
    { 62.0, 2300, 0.35,  3.5},  // the clutch, throttle shut
    { 62.5, 2200, 0.85,  9.0},  // second gear, pedal down
    { 66.0, 3300, 0.98, 12.5},
    { 67.0, 2600, 0.60,  5.8},  // cruise
    { 92.0, 2500, 0.55,  5.2},
    { 95.0, 3100, 0.82,  8.8},  // an overtake
    { 99.0, 2700, 0.60,  5.6},
    {120.0, 2550, 0.55,  5.3},
    {120.5, 2450, 0.22,  0.0},  // foot off: the petrol computer cuts the fuel
    {133.5, 1150, 0.22,  0.0},
    {134.0,  900, 0.30,  3.0},  // fuel back before the engine stalls
    {170.0,  850, 0.33,  3.0},
};

struct MessageAt {
  double second;
  int number;
};
constexpr MessageAt kMessages[] = {
    { 36.0, 26},  // automatic switching on gas
    { 58.5, 58},  // acceleration
    { 65.0, 59},  // kick down
    { 95.0, 57},  // enriching during acceleration
    {120.5, 51},  // cut-off on petrol
    {170.0,  2},  // switch to petrol: the ignition went off
};
// clang-format on

constexpr double kMessageSeconds = 1.0;
constexpr double kEngineStarts = 6.5;
constexpr double kSwitchOverStarts = 36.0;
constexpr double kSwitchOverSeconds = 2.0;
constexpr double kValveOpeningSeconds = 0.5;
constexpr double kClosedLoopAfter = 25.0;  // seconds of running until the probe is hot
constexpr double kAmbientC = 18.0;
constexpr double kTankGasC = 15.0;
constexpr double kSwitchOverC = 35.0;  // the reducer temperature that allows gas
constexpr double kColdEngineC = 45.0;
// Gas is less dense than petrol: its injectors open longer, and a little more for their own
// opening delay.
constexpr double kGasPerPetrol = 1.25;
constexpr double kGasOpeningMs = 0.15;

DriveStage StageAt(double second) {
  const StageStart* s = std::prev(
      std::upper_bound(std::begin(kStages), std::end(kStages), second,
                       [](double t, const StageStart& start) { return t < start.second; }));
  return s->stage;
}

EnginePoint EngineAt(double second) {
  const auto* next = std::upper_bound(std::begin(kEngine), std::end(kEngine), second,
                                      [](double t, const EnginePoint& p) { return t < p.second; });
  if (next == std::begin(kEngine)) return *next;
  if (next == std::end(kEngine)) return *std::prev(next);
  const EnginePoint& a = *std::prev(next);
  const EnginePoint& b = *next;
  const double f = (second - a.second) / (b.second - a.second);
  auto mix = [f](double x, double y) { return x + (y - x) * f; };
  return {second, mix(a.rpm, b.rpm), mix(a.manifoldBar, b.manifoldBar),
          mix(a.petrolMs, b.petrolMs)};
}

int MessageAtTime(double second) {
  for (const MessageAt& m : kMessages)
    if (second >= m.second && second < m.second + kMessageSeconds) return m.number;
  return 0;
}

// A coolant-driven reducer warms up with the engine.
double ReducerTemperature(double second) {
  if (second < kEngineStarts) return kAmbientC;
  return kAmbientC + 60.0 * (1.0 - std::exp(-(second - kEngineStarts) / 80.0));
}

// Gas warms in the reducer once it flows.
double GasTemperature(double second) {
  if (second < kSwitchOverStarts) return kTankGasC;
  return kTankGasC + 20.0 * (1.0 - std::exp(-(second - kSwitchOverStarts) / 60.0));
}

// A narrow-band probe: cold, it sits at its bias; hot, it swings rich and lean as the petrol
// computer corrects, faster at higher speed; rich at full load, lean without fuel.
double LambdaVolts(const DriveMoment& m, double second) {
  if (!m.turning || second - kEngineStarts < kClosedLoopAfter) return 0.45;
  if (m.stage == DriveStage::FuelCut) return 0.06;
  if (m.manifoldBar > 0.85) return 0.84;
  const double period = 1.6 - m.rpm / 5000.0;
  return 0.45 + 0.38 * std::tanh(4.0 * std::sin(2.0 * kPi * second / period));
}

double SupplyVolts(const DriveMoment& m, double second) {
  if (!m.ignition) return 12.5;
  if (!m.turning) return 12.2;
  if (m.stage == DriveStage::Cranking) return 10.3 + 0.3 * std::sin(25.0 * second);
  return 14.1 + 0.05 * std::sin(0.9 * second);
}

// The reducer holds its pressure above the manifold, losing a little as the flow grows; with
// the valve shut only what is left in it remains.
double GasPressure(const DriveMoment& m, double second) {
  const bool valveOpen = m.turning && m.stage >= DriveStage::SwitchOver;
  if (!valveOpen) return 0.05;
  const double cycleMs = 120000.0 / m.rpm;
  const double duty = m.gasMs / cycleMs;
  const double opening = std::min(1.0, (second - kSwitchOverStarts) / kValveOpeningSeconds + 0.2);
  return (1.20 - 0.35 * duty) * opening + 0.01 * std::sin(3.1 * second);
}

int WorkStateOf(DriveStage stage) {
  switch (stage) {
    case DriveStage::WarmUp:
      return work_state::kWaiting;
    case DriveStage::SwitchOver:
      return work_state::kSwitching;
    case DriveStage::Idle:
    case DriveStage::Acceleration:
    case DriveStage::Cruise:
    case DriveStage::FuelCut:
      return work_state::kGas;
    default:
      return work_state::kPetrol;
  }
}

double GasShare(DriveStage stage, double second) {
  if (stage == DriveStage::SwitchOver)
    return std::min(1.0, (second - kSwitchOverStarts + 0.1) / kSwitchOverSeconds);
  return WorkStateOf(stage) == work_state::kGas ? 1.0 : 0.0;
}

void SetEngine(DriveMoment& m, double second) {
  if (!m.turning) return;
  const EnginePoint e = EngineAt(second);
  const bool cranking = m.stage == DriveStage::Cranking;
  const double wobble = cranking ? 25.0 * std::sin(40.0 * second)
                                 : 12.0 * std::sin(2.1 * second) + 5.0 * std::sin(6.7 * second);
  m.rpm = e.rpm + wobble;
  m.manifoldBar = e.manifoldBar + (cranking ? 0.0 : 0.008 * std::sin(1.7 * second));
  m.petrolMs = e.petrolMs;
  m.gasMs = e.petrolMs > 0.0 ? e.petrolMs * kGasPerPetrol + kGasOpeningMs : 0.0;
}

}  // namespace

double DriveMoment::Load() const {
  return std::clamp((manifoldBar - 0.22) / 0.78, 0.0, 1.0);
}

DriveMoment DriveAt(int frame) {
  const int inLoop = (frame % kDriveLoopFrames + kDriveLoopFrames) % kDriveLoopFrames;
  const double second = inLoop * kDriveSecondsPerFrame;
  DriveMoment m;
  m.stage = StageAt(second);
  m.workState = WorkStateOf(m.stage);
  m.ignition = m.stage != DriveStage::Parked;
  m.turning = m.ignition && m.stage != DriveStage::IgnitionOn;
  SetEngine(m, second);
  m.gasShare = GasShare(m.stage, second);
  m.reducerC = ReducerTemperature(second);
  m.gasC = GasTemperature(second);
  m.gasPressureBar = GasPressure(m, second);
  m.lambdaVolts = LambdaVolts(m, second);
  m.lambda2Volts = LambdaVolts(m, second - 0.3);
  m.supplyVolts = SupplyVolts(m, second);
  m.levelPercent = 62.4 - 0.004 * second;
  m.message = MessageAtTime(second);
  if (m.stage == DriveStage::WarmUp)
    m.waitingReasons = m.reducerC < kSwitchOverC ? waiting_reason::kReducerTemperature
                                                 : waiting_reason::kSwitchOverDelay;
  m.coldEngine = m.OnGas() && m.reducerC < kColdEngineC;
  m.fullLoad = m.OnGas() && m.manifoldBar > 0.88;
  m.lightLoad = m.stage == DriveStage::Cruise && m.manifoldBar < 0.62;
  return m;
}

}  // namespace sim
