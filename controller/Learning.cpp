// Tables the link learns from status frames on petrol: the rail-pressure emulator's table while
// the installer has its learning on, and the KAVI family's pressure map. Each keeps its own
// cell average; a learned cell that changes the table is written and redrawn.

#include <algorithm>

#include "controller/CalibrationSettings.h"
#include "controller/Tsterownik.h"

namespace {

using namespace calibration_setting;
using namespace status_frame;

constexpr int kSamples = 5;
constexpr int kLastCell = 15;
constexpr int kBothEngineFlags = WorkFlag::IgnitionOn | WorkFlag::EngineTurning;

bool FrameOnPetrol(const DecodedStatus& status) {
  return status.Has(kWorkState) && status.bytes[kWorkState] == fuel_state::Petrol;
}

}  // namespace

int CellAverage::Add(int cell, int value) {
  const bool sameCell = cell == cell_;
  cell_ = cell;
  if (!sameCell || value == 0) {
    count_ = sum_ = 0;
    return -1;
  }
  sum_ += value;
  if (++count_ < kSamples) return -1;
  const int average = sum_ / count_;
  count_ = sum_ = 0;
  return average;
}

void TSterownik::SetUczenieEmulacji(bool on) {
  uczenieEmulacji_ = on;
  emulationCell_ = {};
}

// The emulator family reports its cell and the rail sensor directly; the gas controllers
// learn it only while their emulation follows the table.
void TSterownik::LearnRailEmulation() {
  if (!uczenieEmulacji_ || !FrameOnPetrol(status_)) return;
  if (Rodzina() == Family::RailEmulator) {
    LearnCell(emulationCell_, img::EmulacjaHi, AreaBit::EmulatorHi,
              status_.Byte(rail_emulator_frame::kMapRow),
              status_.Byte(rail_emulator_frame::kMapColumn),
              status_.Word(rail_emulator_frame::kRailSensor) / 4);
    return;
  }
  if (Nastawy()[Emulation] != kEmulationLearned) return;
  const int source = Nastawy()[EmulatorSignal] != 0 ? kLambda2 : kLambda;
  LearnCell(emulationCell_, img::EmulacjaHi, AreaBit::EmulatorHi, status_.Byte(kMapRow),
            status_.Byte(kEmulationHigh) / 16, status_.Word(source) / 4);
}

void TSterownik::LearnPressureMap() {
  if (Rodzina() != Family::Kavi || Nastawy()[PressureMapBlocked] != 0 || !FrameOnPetrol(status_) ||
      (status_.Byte(kWorkFlags) & kBothEngineFlags) != kBothEngineFlags)
    return;
  const int source = Nastawy()[PressureMapSource] != 0 ? kLambda : kRailPressure;
  LearnCell(pressureMapCell_, img::MapaCis, AreaBit::PressureMap, status_.Byte(kMapRow),
            status_.Byte(kMapColumn), status_.Word(source) / 4);
}

// Only a cell that changes the table is written: the controller keeps its tables in flash.
void TSterownik::LearnCell(CellAverage& average, int table, uint32_t area, int row, int column,
                           int value) {
  const int cell = std::min(row, kLastCell) * 16 + std::min(column, kLastCell);
  const int learned = average.Add(cell, std::min(value, 255));
  if (learned < 0 || obraz_[table + cell] == learned) return;
  obraz_[table + cell] = static_cast<uint8_t>(learned);
  ZapiszDoSterownika(area);
  status_.mapsChanged = true;
}
