#include "charts/MapCells.h"

#include "charts/MapSettings.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

constexpr int kRpmUnit = 50;

std::string Milliseconds(const TSterownik& link, int tenths) {
  return FormatNumber(tenths * 0.1, 1, link.DecimalSeparator());
}

}  // namespace

int MapCell(const TSterownik& link, int area, int column, int row) {
  return link.ObrazSterownika()[static_cast<size_t>(area + column * setting::kMapSize + row)];
}

std::string InjectionMapCellText(const TSterownik& link, MapShown shown, int column, int row) {
  const int petrol = MapCell(link, img::MapaEcuBen, column, row);
  const int gas = MapCell(link, img::MapaEcuGaz, column, row);
  switch (shown) {
    case MapShown::Petrol:
      return petrol == 0 ? "" : Milliseconds(link, petrol);
    case MapShown::Gas:
      return gas == 0 ? "" : Milliseconds(link, gas);
    case MapShown::Deviation:
      if (petrol == 0 || gas == 0) return "";
      return (petrol > gas ? "+" : "") + Milliseconds(link, petrol - gas);
  }
  return "";
}

std::string LoadBreakpointText(const TSterownik& link, int row) {
  const uint8_t* s = link.Nastawy();
  const double unit = s[setting::kLoadSignal] == setting::kMafVoltage ? 0.02 : 0.01;
  return FormatNumber(s[setting::kLoadBreakpoints + row] * unit, 2, link.DecimalSeparator());
}

std::string RpmBreakpointText(const TSterownik& link, int column) {
  return std::to_string(link.Nastawy()[setting::kRpmBreakpoints + column] * kRpmUnit);
}

std::string LoadAxisCorner(const TSterownik& link) {
  return LangText(link.Nastawy()[setting::kLoadSignal] == setting::kMafVoltage ? 962 : 961);
}

// Bank 1 holds the cylinders not in bank 2.
std::string BankCylinders(const TSterownik& link, int bank) {
  const uint8_t* s = link.Nastawy();
  std::string list;
  for (int n = 1; n <= link.IleWtryskiwaczy(); ++n) {
    const int bit = 1 << (n - 1);
    const bool inBank2 = s[setting::kBankCylinders] & bit;
    if (inBank2 == (bank == 2) && !(s[setting::kPetrolOnly] & bit)) list += std::to_string(n) + " ";
  }
  return list;
}

std::string NodePositionText(int position, char decimalSeparator) {
  return FormatNumber(position * 0.1, 1, decimalSeparator);
}

std::string NodeValueText(int value, char decimalSeparator) {
  return FormatNumber(value * 0.01, 2, decimalSeparator);
}

}  // namespace chart
