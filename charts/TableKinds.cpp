#include "charts/TableKinds.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

// clang-format off
constexpr GridKind kGridKinds[] = {
  // kind  area             scale      offset decimals empty  top  bottom delete
  {1,  img::KorOdObr1,  1.0,       -100, 0, false, 150, 50,  100},  // per cent
  {5,  img::EmulacjaHi, 0.02,      0,    2, true,  250, 0,   128},
  {6,  img::EmulacjaHi, 0.0078125, 0,    2, true,  255, 0,   128},
  {8,  img::Domieszka,  0.1,       0,    1, false, 255, 0,   0},
  {9,  img::Domieszka,  1.0,       0,    0, true,  100, 0,   0},
  {10, img::MapaCis,    1.0,       -128, 0, false, 228, 28,  128},
  {11, img::MapaCis,    1.0,       0,    0, false, 100, 0,   0},
  {12, img::MapaCis,    0.02,      0,    2, true,  255, 0,   0},
  {13, img::PrzesGaz,   2.5,       0,    0, false, 144, 0,   72},
  {14, img::DawkaBen,   0.008,     0,    3, false, 255, 0,   0},
  {15, img::EmulacjaLo, 0.0078125, 0,    2, true,  255, 0,   128},
  {16, img::EmulacjaLo, 0.0078125, 0,    2, true,  128, 0,   128},
};
// clang-format on

constexpr int kLastCell = setting::kMapSize - 1;

// The learned maps as the upper grid shows them: injection times in 0.1 ms, OBD corrections
// in 0.78125 % about 128; 0 is no data.
constexpr CellFormat kInjectionTimeCells{0.1, 0, 1, true};
constexpr CellFormat kObdCorrectionCells{0.78125, -128, 1, true};
constexpr int kLongestInjectionTime = 254;
constexpr int kLowestObdCorrection = 1;
constexpr int kHighestObdCorrection = 254;

struct ObdMap {
  int petrol, gas;
  uint32_t petrolWrite, gasWrite;
};
constexpr ObdMap kObdMaps[] = {
    {img::MapaObdBen1, img::MapaObdGaz1, AreaBit::ObdPetrolMap1, AreaBit::ObdGasMap1},
    {img::MapaObdBen2, img::MapaObdGaz2, AreaBit::ObdPetrolMap2, AreaBit::ObdGasMap2}};

}  // namespace

const GridKind* GridKindOf(int kind) {
  const auto* it = std::find_if(std::begin(kGridKinds), std::end(kGridKinds),
                                [kind](const GridKind& k) { return k.kind == kind; });
  return it == std::end(kGridKinds) ? nullptr : it;
}

TableArea TableInView(const TSterownik& link, const GridKind& kind) {
  if (kind.kind != kRpmCorrectionKind) return {kind.area, ReadOnSelection(kind.kind)};
  switch (link.AktalnyBank()) {
    case 0:
      return {img::KorOdObr1, AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2};
    case 1:
      return {img::KorOdObr1, AreaBit::RpmCorrection1};
    default:
      return {img::KorOdObr2, AreaBit::RpmCorrection2};
  }
}

std::string CellText(const GridKind& kind, uint8_t value, char decimalSeparator) {
  return CellText(FormatOf(kind), value, decimalSeparator);
}

CellFormat FormatOf(const GridKind& kind) {
  return {kind.scale, kind.offset, kind.decimals, kind.emptyWhenZero};
}

std::string CellText(const CellFormat& format, uint8_t value, char decimalSeparator) {
  if (format.emptyWhenZero && value == 0) return {};
  return FormatNumber(ShownValue(format, value), format.decimals, decimalSeparator);
}

double ShownValue(const CellFormat& format, uint8_t value) {
  // Whole numbers are rounded, as the advance's 2.5-degree steps are; the others as the text
  // shows them, so that reading a text back compares equal.
  const double power = std::pow(10.0, format.decimals);
  return std::round((value + format.offset) * format.scale * power) / power;
}

TableView MainTableInView(const TSterownik& link, const GridKind& kind) {
  const TableArea area = TableInView(link, kind);
  return {kind.kind, false, area.offset, area.writeFlag, FormatOf(kind), kind.bottom, kind.top};
}

TableView UpperTableInView(const TSterownik& link, UpperTable table, MapShown shown) {
  const bool gas = shown == MapShown::Gas;
  if (table == UpperTable::ObdCorrections) {
    const bool bank2 = link.AktalnyBank() >= 2;
    const ObdMap& map = bank2 ? kObdMaps[1] : kObdMaps[0];
    return {kRpmCorrectionKind,         true,
            gas ? map.gas : map.petrol, gas ? map.gasWrite : map.petrolWrite,
            kObdCorrectionCells,        kLowestObdCorrection,
            kHighestObdCorrection};
  }
  return {kRpmCorrectionKind,
          true,
          gas ? img::MapaEcuGaz : img::MapaEcuBen,
          gas ? AreaBit::GasMap : AreaBit::PetrolMap,
          kInjectionTimeCells,
          0,
          kLongestInjectionTime};
}

std::string UpperCellText(const TSterownik& link, UpperTable table, MapShown shown, int column,
                          int row) {
  if (table == UpperTable::InjectionTimes) return InjectionMapCellText(link, shown, column, row);
  if (table != UpperTable::ObdCorrections) return {};
  const char separator = link.DecimalSeparator();
  if (shown != MapShown::Deviation) {
    const TableView view = UpperTableInView(link, table, shown);
    return CellText(view.cells, static_cast<uint8_t>(MapCell(link, view.area, column, row)),
                    separator);
  }
  const int petrol =
      MapCell(link, UpperTableInView(link, table, MapShown::Petrol).area, column, row);
  const int gas = MapCell(link, UpperTableInView(link, table, MapShown::Gas).area, column, row);
  if (petrol == 0 || gas == 0) return {};
  const double deviation = (petrol - gas) * kObdCorrectionCells.scale;
  return (deviation > 0 ? "+" : "") + FormatNumber(deviation, 1, separator);
}

TableBytes TableOf(const TSterownik& link, const TableView& view) {
  TableBytes bytes;
  const auto& image = link.ObrazSterownika();
  std::copy_n(image.begin() + view.area, bytes.size(), bytes.begin());
  return bytes;
}

bool WritesBothBanks(const TableView& view) {
  return view.area == img::KorOdObr1 && (view.write & AreaBit::RpmCorrection2);
}

void StoreTable(TSterownik& link, const TableView& view, const TableBytes& bytes) {
  if (WritesBothBanks(view)) link.ZapiszObszar(img::KorOdObr2, bytes, 0);
  link.ZapiszObszar(view.area, bytes, view.write);
}

StoredByte StoredByteOf(const TableView& view, double shown, uint8_t old) {
  if (shown == ShownValue(view.cells, old)) return {old, false};
  // Held just beyond the range before rounding: a number far beyond it does not fit a long, and
  // would come out as anything, the table's lowest value included.
  const double units = std::clamp(shown / view.cells.scale, view.lowest + view.cells.offset - 1.0,
                                  view.highest + view.cells.offset + 1.0);
  const long nearest = std::lround(units) - view.cells.offset;
  const long held = std::clamp<long>(nearest, view.lowest, view.highest);
  return {static_cast<uint8_t>(held), held != nearest};
}

Block BlockFromGrid(int left, int right, int top, int bottom) {
  auto column = [](int c) { return std::clamp(c - 1, 0, kLastCell); };
  auto row = [](int r) { return std::clamp(setting::kMapSize - r, 0, kLastCell); };
  return {column(std::min(left, right)), column(std::max(left, right)), row(std::max(top, bottom)),
          row(std::min(top, bottom))};
}

}  // namespace chart
