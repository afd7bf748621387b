#include "charts/TableCells.h"

#include <algorithm>
#include <cstdlib>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "charts/TableAxes.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

constexpr int kNeutralCorrection = 100;

// Leaner corrections bluer, richer redder, the deeper the farther from neutral.
uint32_t CorrectionShade(int v, uint32_t neutral) {
  if (v == kNeutralCorrection) return neutral;
  const int b = std::min(std::abs(v - kNeutralCorrection) + 20, 255);
  return v > kNeutralCorrection ? Rgb(255, 255 - b, 255 - b) : Rgb(255 - b, 255 - b, 255);
}

// The latest gas injection the engine allows, in degrees: sequential engines of 4 or 8
// cylinders have a whole or half turn, the others a third of one per step of setting 262.
int AdvanceLimit(const TSterownik& link) {
  const int range = link.Nastawy()[setting::kAdvanceAngle];
  const int injectors = link.IleWtryskiwaczy();
  if (injectors == 4 || injectors == 8) return range != 0 ? 360 : 180;
  return range == 0 ? 120 : range == 1 ? 240 : 360;
}

uint32_t AdvanceText(const TSterownik& link, uint8_t v, const ChartColours& colours) {
  if (link.Nastawy()[setting::kAdvanceMode] != setting::kAdvanceByTable)
    return colours.disabledText;
  // v x 2.5 degrees beyond the limit, in whole numbers.
  return v * 5 > 2 * AdvanceLimit(link) ? kPetrol : kBlack;
}

uint32_t DoseText(const TSterownik& link, uint8_t v, const ChartColours& colours) {
  const uint8_t* s = link.Nastawy();
  if (s[setting::kDoseMode] <= 1) return colours.disabledText;
  // v x 0.008 ms below the shortest dose of setting 7 x 0.1 ms, in whole numbers.
  return v * 8 < s[setting::kShortestDose] * 100 ? kPetrol : kBlack;
}

uint32_t MainText(const TSterownik& link, int kind, uint8_t v, const ChartColours& colours) {
  const uint8_t* s = link.Nastawy();
  switch (kind) {
    case kPetrolAdditionKind:
      return s[setting::kPetrolAdditionMode] < 2 ? colours.disabledText : kBlack;
    case kAdmixtureKind:
      return s[setting::kAdmixtureAxis] == setting::kAdmixtureUnused ? colours.disabledText
                                                                     : kBlack;
    case kGasAdvanceKind:
      return AdvanceText(link, v, colours);
    case kPetrolDoseKind:
      return DoseText(link, v, colours);
    default:
      return kBlack;
  }
}

// A deviation from `rich` raw units on shows rich, one below `lean` lean: about 1 ms of
// injection time, or 5 % of OBD correction.
struct Thresholds {
  int rich;
  int lean;
};

Thresholds DeviationThresholds(UpperTable table) {
  return table == UpperTable::InjectionTimes ? Thresholds{11, -10} : Thresholds{6, -5};
}

uint32_t DeviationText(int d, Thresholds t) {
  if (d >= t.rich) return kRichText;
  if (d < t.lean) return kLeanText;
  return kEvenText;
}

// The unit of the rows: what the corner shows before its backslash ("bar" of "bar\rpm"); none
// for "-".
std::string RowUnit(const RowAxis& axis) {
  const std::string corner = LangText(axis.cornerTextId);
  const std::string unit = corner.substr(0, corner.find('\\'));
  return unit == "-" ? "" : " " + unit;
}

std::string ValueText(const TSterownik& link, int kind, bool upper, UpperTable table,
                      MapShown shown, int column, int row) {
  if (upper) return UpperCellText(link, table, shown, column, row);
  const GridKind* gridKind = GridKindOf(kind);
  if (!gridKind) return {};
  const TableView view = MainTableInView(link, *gridKind);
  return CellText(view.cells, static_cast<uint8_t>(MapCell(link, view.area, column, row)),
                  link.DecimalSeparator());
}

}  // namespace

CellColours MainCellColours(const TSterownik& link, int kind, uint8_t v,
                            const ChartColours& colours) {
  if (kind == kRpmCorrectionKind) return {CorrectionShade(v, colours.mainCellBackground), kBlack};
  return {colours.mainCellBackground, MainText(link, kind, v, colours)};
}

CellColours UpperCellColours(const TSterownik& link, UpperTable table, MapShown shown, int column,
                             int row, const ChartColours& colours) {
  const int petrol =
      MapCell(link, UpperTableInView(link, table, MapShown::Petrol).area, column, row);
  const int gas = MapCell(link, UpperTableInView(link, table, MapShown::Gas).area, column, row);
  const CellColours empty{colours.upperCellBackground, kBlack};
  switch (shown) {
    case MapShown::Petrol:
      return petrol != 0 ? CellColours{kPetrolShade, kBlack} : empty;
    case MapShown::Gas:
      return gas != 0 ? CellColours{kGasShade, kBlack} : empty;
    case MapShown::Deviation:
      break;
  }
  const Thresholds thresholds = DeviationThresholds(table);
  const uint8_t* s = link.Nastawy();
  // Adapting to a set value, the gas corrections are measured against that value.
  if (table == UpperTable::ObdCorrections &&
      s[setting::kAdaptationMode] == setting::kAdaptationToSetValue && gas != 0)
    return {kBothShade, DeviationText(s[setting::kAdaptationSetValue] - gas, thresholds)};
  if (petrol != 0 && gas != 0) return {kBothShade, DeviationText(petrol - gas, thresholds)};
  if (petrol != 0) return {kPetrolShade, kBlack};
  if (gas != 0) return {kGasShade, kBlack};
  return empty;
}

uint32_t UpperHeaderBackground(MapShown shown, const ChartColours& colours) {
  switch (shown) {
    case MapShown::Petrol:
      return kPetrolShade;
    case MapShown::Gas:
      return kGasShade;
    case MapShown::Deviation:
      break;
  }
  return colours.headerBackground;
}

int UpperTitleId(const TSterownik& link, UpperTable table, MapShown shown) {
  const bool obd = table == UpperTable::ObdCorrections;
  switch (shown) {
    case MapShown::Petrol:
      return obd ? 1715 : 1712;
    case MapShown::Gas:
      return obd ? 1716 : 1713;
    case MapShown::Deviation:
      break;
  }
  if (!obd) return 1714;
  return link.Nastawy()[setting::kAdaptationMode] > 2 ? 1718 : 1717;
}

std::string GridCellText(const TSterownik& link, int kind, bool upper, UpperTable table,
                         MapShown shown, GridPosition cell) {
  const RowAxis axis = RowAxisOf(link, kind, upper);
  const int row = kGridCells - 1 - cell.row;
  if (cell.row == 0)
    return cell.column == 0 ? LangText(axis.cornerTextId) : ColumnHeaderText(link, cell.column - 1);
  if (cell.column == 0) return RowHeaderText(link, axis, row);
  return ValueText(link, kind, upper, table, shown, cell.column - 1, row);
}

std::string CellHint(const TSterownik& link, int kind, bool upper, UpperTable table, MapShown shown,
                     int column, int row) {
  const RowAxis axis = RowAxisOf(link, kind, upper);
  return ValueText(link, kind, upper, table, shown, column, row) + "  (" +
         ColumnHeaderText(link, column) + " rpm, " + RowHeaderText(link, axis, row) +
         RowUnit(axis) + ")";
}

}  // namespace chart
