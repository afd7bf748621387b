// The reset operations: each puts areas of the image back to their neutral contents and asks
// for their write. None asks the installer; the callers do.

#include <algorithm>
#include <initializer_list>

#include "controller/CorrectionCurves.h"
#include "controller/Tsterownik.h"

namespace {

using Image = std::array<uint8_t, img::kSize>;

constexpr uint8_t kNeutral = 128;

// An area filled with one value, and the write that sends it.
struct AreaFill {
  int offset;
  uint8_t value;
  uint32_t write;
};

// clang-format off
constexpr AreaFill kPetrolMap          = {img::MapaEcuBen,  0,        AreaBit::PetrolMap};
constexpr AreaFill kGasMap             = {img::MapaEcuGaz,  0,        AreaBit::GasMap};
constexpr AreaFill kObdPetrolMap1      = {img::MapaObdBen1, 0,        AreaBit::ObdPetrolMap1};
constexpr AreaFill kObdPetrolMap2      = {img::MapaObdBen2, 0,        AreaBit::ObdPetrolMap2};
constexpr AreaFill kObdGasMap1         = {img::MapaObdGaz1, 0,        AreaBit::ObdGasMap1};
constexpr AreaFill kObdGasMap2         = {img::MapaObdGaz2, 0,        AreaBit::ObdGasMap2};
constexpr AreaFill kEmulationHiNeutral = {img::EmulacjaHi,  kNeutral, AreaBit::EmulatorHi};
constexpr AreaFill kEmulationHiZero    = {img::EmulacjaHi,  0,        AreaBit::EmulatorHi};
constexpr AreaFill kEmulationLo        = {img::EmulacjaLo,  kNeutral, AreaBit::EmulatorLo};
constexpr AreaFill kGasAdvance         = {img::PrzesGaz,    72,       AreaBit::GasAdvance};
constexpr AreaFill kPetrolDose         = {img::DawkaBen,    50,       AreaBit::PetrolDose};
constexpr AreaFill kEnrichment         = {img::MapaCis,     kNeutral, AreaBit::PressureMap};
constexpr AreaFill kPressureMapZero    = {img::MapaCis,     0,        AreaBit::PressureMap};
constexpr AreaFill kAdmixture          = {img::Domieszka,   5,        AreaBit::Admixture};
// clang-format on

// The banks' multipliers and RPM corrections by their bit in a reset's mask (1 bank 1, 2 bank 2);
// at rest they leave the injection times as they are.
constexpr multiplier::Bank kBanks[] = {multiplier::kBank1, multiplier::kBank2};
constexpr uint8_t kUnchanged = 100;
constexpr int kBreakpoints = multiplier::kLastNode;

// Setting 79, the blockade, goes with the petrol map it was set on.
constexpr int kBlockade = 79;

// The gas injection delay of load row r and RPM column c when nothing is tuned.
uint8_t DefaultDelay(int row, int column) {
  if (column <= row) return 2;
  if (column == row + 1) return 4;
  return static_cast<uint8_t>(2 * (column - row) + 4);
}

void Reset(TSterownik& link, Image& image, std::initializer_list<AreaFill> fills) {
  for (const AreaFill& fill : fills) {
    std::fill_n(&image[fill.offset], img::kAreaSize, fill.value);
    link.ZapiszDoSterownika(fill.write);
  }
}

}  // namespace

curve::Record curve::NeutralRecord(const Curve& c) {
  Record record{};
  std::fill(record.begin() + kFirstValue, record.end(), kNeutral);
  record[0] = c.code;
  record[NodeX(0)] = static_cast<uint8_t>(c.axisMin);
  record[NodeY(0)] = kNeutral;
  record[NodeX(kLastNode)] = static_cast<uint8_t>(c.axisMax);
  record[NodeY(kLastNode)] = kNeutral;
  return record;
}

// No breakpoints: the table is one value up to the multiplier's range.
void TSterownik::ClearBreakpoints(int mask) {
  for (const multiplier::Bank& bank : kBanks) {
    if (!(mask & bank.number)) continue;
    uint8_t* breakpoints = NastawyDoZapisu() + bank.firstNode;
    std::fill_n(breakpoints, kBreakpoints, 0);
    breakpoints[kBreakpoints] = static_cast<uint8_t>(zakresMnoznika_);
  }
}

void TSterownik::KasujMnoznik(int mask) {
  ClearBreakpoints(mask);
  for (const multiplier::Bank& bank : kBanks) {
    if (!(mask & bank.number)) continue;
    Reset(*this, obraz_, {{bank.table, kUnchanged, bank.write}});
    ZapiszDoSterownika(AreaBit::Settings);
  }
}

void TSterownik::KasujKorOdObr(int mask) {
  for (const multiplier::Bank& bank : kBanks)
    if (mask & bank.number) Reset(*this, obraz_, {{bank.rpmTable, kUnchanged, bank.rpmWrite}});
}

void TSterownik::KasujKorekty() {
  for (const curve::Curve* c : curve::kCurves)
    ZapiszObszar(c->area, curve::NeutralRecord(*c), c->write);
}

void TSterownik::KasujMapeEcuBen() {
  Reset(*this, obraz_, {kPetrolMap});
  uint8_t& blockade = NastawyDoZapisu()[kBlockade];
  if (blockade == 0) return;
  blockade = 0;
  ZapiszDoSterownika(AreaBit::Settings);
}

void TSterownik::KasujMapeEcuGaz() {
  Reset(*this, obraz_, {kGasMap});
}

void TSterownik::KasujMapeOdbBen() {
  Reset(*this, obraz_, {kObdPetrolMap1, kObdPetrolMap2});
}

void TSterownik::KasujMapeObdGaz() {
  Reset(*this, obraz_, {kObdGasMap1, kObdGasMap2});
}

void TSterownik::KasujEmulacjeHi(bool neutral) {
  Reset(*this, obraz_, {neutral ? kEmulationHiNeutral : kEmulationHiZero});
}

void TSterownik::KasujEmulacjeLo() {
  Reset(*this, obraz_, {kEmulationLo});
}

void TSterownik::KasujPrzesGaz() {
  Reset(*this, obraz_, {kGasAdvance});
}

void TSterownik::KasujDawkeBen() {
  Reset(*this, obraz_, {kPetrolDose});
}

void TSterownik::KasujWzbogacenie() {
  Reset(*this, obraz_, {kEnrichment});
}

// The same table holds extra injections or the KAVI pressure map; both rest at zero.
void TSterownik::KasujDotrysk() {
  Reset(*this, obraz_, {kPressureMapZero});
}

void TSterownik::KasujMapeCis() {
  Reset(*this, obraz_, {kPressureMapZero});
}

void TSterownik::KasujDomieszke() {
  Reset(*this, obraz_, {kAdmixture});
}

// The admixture table holds the gas injection delays on the controllers that have no admixture.
void TSterownik::KasujOpoznienia() {
  uint8_t* delays = &obraz_[img::Domieszka];
  for (int column = 0; column < 16; ++column)
    for (int row = 0; row < 16; ++row)
      delays[column * 16 + row] = DefaultDelay(row, column);
  ZapiszDoSterownika(AreaBit::Admixture);
}
