#include "sim/DriveStatus.h"

#include <algorithm>

#include "controller/FamilyTraits.h"
#include "controller/Protocol.h"
#include "sim/PayloadBytes.h"

namespace sim {

namespace {

using namespace status_frame;

// The units of the status frame.
int Volts(double v) {
  return static_cast<int>(v / 0.005);
}
int InjectionTime(double ms) {
  return static_cast<int>(ms / 0.004);
}
int Hundredths(double bar) {
  return static_cast<int>(bar * 100.0);
}
int Celsius(double c) {
  return 128 + static_cast<int>(c);
}
int RpmTens(double rpm) {
  return static_cast<int>(rpm / 10.0);
}

// The level sensor's output, from empty to full.
double LevelSensorVolts(double percent) {
  return 0.5 + 0.03 * percent;
}

// A rail-pressure sensor of a direct-injection engine: pressure grows with load.
double RailSensorVolts(const DriveMoment& m) {
  return m.turning ? 1.0 + 2.8 * m.Load() : 0.5;
}

// Byte 6 carries a message when there is one, else the reasons of a wait.
void PutInformation(const DriveMoment& m, std::span<uint8_t> p) {
  constexpr int kWaitingClass = 10;
  if (m.message != 0) {
    Put8(p, kSubRecord, sub_record::Information);
    Put8(p, kSubData, m.message);
  } else if (m.waitingReasons != 0) {
    Put8(p, kSubRecord, kWaitingClass);
    Put8(p, kSubData, m.waitingReasons);
  }
}

int EngineFlags(const DriveMoment& m) {
  return (m.ignition ? WorkFlag::IgnitionOn : 0) | (m.turning ? WorkFlag::EngineTurning : 0);
}

void PutWorkState(const DriveMoment& m, bool stratifiedCharge, std::span<uint8_t> p) {
  int flags = EngineFlags(m);
  if (stratifiedCharge ? m.lightLoad : m.coldEngine) flags |= WorkFlag::ColdLeaning;
  if (m.fullLoad) flags |= WorkFlag::PetrolAddition;
  Put8(p, kWorkState, m.workState);
  Put8(p, kWorkFlags, flags);
}

// The dashboard switch: four level LEDs, the fuel LED (green on gas, red on petrol) and the
// gas LED.
void PutLeds(const DriveMoment& m, std::span<uint8_t> p) {
  if (!m.ignition) return;
  const int lit = std::clamp(static_cast<int>(m.levelPercent / 25.0) + 1, 0, 4);
  int levelLeds = 0;
  for (int i = 0; i < lit; ++i)
    levelLeds |= 0x20 >> i;
  Put8(p, kLeds, levelLeds | (m.OnGas() ? 0x02 : 0x01));
  Put8(p, kLeds + 1, m.OnGas() ? 0x02 : 0x00);
}

// The learned maps' cell: the load row and the RPM column.
void PutMapCell(const DriveMoment& m, std::span<uint8_t> p) {
  Put8(p, kMapRow, std::min(15, static_cast<int>(m.Load() * 16.0)));
  Put8(p, kMapColumn, std::min(15, static_cast<int>(m.rpm / 400.0)));
}

// Per channel the petrol computer's time and the gas time; channels differ a little, as
// injectors do. Direct-injection petrol times are much shorter than the gas that replaces them.
void PutInjectionTimes(const Identity& id, const DriveMoment& m, double petrolScale,
                       std::span<uint8_t> p) {
  const int channels = std::min(id.injectors, 8);
  for (int c = 0; c < channels; ++c) {
    const double spread = 1.0 + 0.015 * (c - (channels - 1) / 2.0);
    const bool onGas = c < m.gasShare * channels;
    const int at = kInjectionTimes + kInjectionRecordSize * c;
    Put16(p, at, InjectionTime(m.petrolMs * petrolScale * spread));
    Put16(p, at + 2, onGas ? InjectionTime(m.gasMs * spread) : 0);
  }
}

int PetrolShare(const DriveMoment& m) {
  if (!m.turning) return 0;
  if (m.OnGas()) return m.fullLoad ? 20 : 0;
  return static_cast<int>(100.0 * (1.0 - m.gasShare));
}

void PutGasController(const Identity& id, const DriveMoment& m, std::span<uint8_t> p) {
  constexpr double kDirectInjectionShare = 0.3;
  const bool kavi = id.family == static_cast<int>(Family::Kavi);
  PutInformation(m, p);
  PutWorkState(m, TraitsOf(FamilyOf(static_cast<uint8_t>(id.family))).stratifiedCharge, p);
  PutLeds(m, p);
  PutMapCell(m, p);
  Put16(p, 17, RpmTens(m.rpm));
  Put8(p, 19, std::min(255, static_cast<int>(m.petrolMs * 10.0)));
  Put8(p, 21, PetrolShare(m));
  Put8(p, kInjectorMask, 0xFF);  // every injector may run on gas
  const double rail = RailSensorVolts(m);
  Put16(p, 27, Volts(kavi ? (m.OnGas() ? 0.8 * rail : rail) : 1.5));  // emulation
  if (kavi)
    Put16(p, 37, m.OnGas() ? InjectionTime(m.gasMs - m.petrolMs * kDirectInjectionShare) : 0);
  else
    Put16(p, 37, 100);
  Put8(p, 39, 120);  // set pressure 1.20 bar
  Put8(p, 40, Celsius(m.reducerC));
  Put8(p, 42, Celsius(m.gasC));
  Put16(p, 44, Hundredths(m.manifoldBar));
  Put16(p, 46, Hundredths(m.manifoldBar + m.gasPressureBar));
  Put16(p, 48, Hundredths(m.gasPressureBar));
  Put8(p, 50, static_cast<int>(LevelSensorVolts(m.levelPercent) / 0.02));
  Put8(p, 51, static_cast<int>(m.levelPercent / 0.4));
  Put16(p, 52, Volts(m.supplyVolts));
  Put16(p, 54, Volts(kavi ? rail : 2.5));  // KAVI: rail pressure; MALVER: the PWM output
  Put16(p, 56, Volts(m.lambda2Volts));
  Put16(p, 58, Volts(m.lambdaVolts));
  PutInjectionTimes(id, m, kavi ? kDirectInjectionShare : 1.0, p);
}

// The rail-pressure emulator lowers the pressure signal the petrol computer sees while the
// engine runs on gas, and drives the high-pressure pump's control with the load.
void PutRailEmulator(const DriveMoment& m, std::span<uint8_t> p) {
  const double rail = RailSensorVolts(m);
  Put8(p, kWorkState, m.OnGas() ? 1 : 0);
  Put8(p, 11, static_cast<int>((m.OnGas() ? 0.85 * rail : rail) / 0.02));  // emulation
  Put8(p, 12, std::min(15, static_cast<int>(m.rpm / 400.0)));
  Put8(p, 13, std::min(15, static_cast<int>(m.Load() * 16.0)));
  Put16(p, 14, RpmTens(m.rpm));
  Put16(p, 16, Volts(m.supplyVolts));
  Put16(p, 18, Volts(rail));
  Put16(p, 22, Volts(m.turning ? 1.5 + 2.0 * m.Load() : 0.0));  // pump PWM
}

// The fuel pump emulator passes the petrol computer's pump timing through on petrol and
// stretches it on gas.
void PutPumpEmulator(const DriveMoment& m, std::span<uint8_t> p) {
  Put8(p, kWorkState, m.OnGas() ? work_state::kGas : work_state::kPetrol);
  Put8(p, kWorkFlags, EngineFlags(m));
  PutLeds(m, p);
  Put16(p, 17, RpmTens(m.rpm));
  Put8(p, kInjectorMask, 0xFF);
  Put16(p, 27, Volts(1.5));
  Put8(p, 50, static_cast<int>((40.0 + 60.0 * m.Load()) / 0.78125));  // emulation %
  Put16(p, 52, Volts(m.supplyVolts));
  Put16(p, 54, Volts(m.turning ? 2.0 + 4.0 * m.Load() : 0.0));  // PWM
  Put16(p, 56, Volts(1.5));
  Put16(p, 58, Volts(RailSensorVolts(m)));
  Put16(p, 60, InjectionTime(m.petrolMs));
  Put16(p, 62, InjectionTime(m.OnGas() ? 1.1 * m.petrolMs : m.petrolMs));
}

}  // namespace

void PutDriveStatus(const Identity& identity, const DriveMoment& moment,
                    std::span<uint8_t> payload) {
  switch (FamilyOf(static_cast<uint8_t>(identity.family))) {
    case Family::RailEmulator:
      return PutRailEmulator(moment, payload);
    case Family::PumpEmulator:
      return PutPumpEmulator(moment, payload);
    default:
      return PutGasController(identity, moment, payload);
  }
}

}  // namespace sim
