#include "charts/TableKinds.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "charts/ChartKinds.h"
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
  if (kind.emptyWhenZero && value == 0) return {};
  const double shown = (value + kind.offset) * kind.scale;
  // Whole numbers are rounded, as the advance's 2.5-degree steps are.
  return FormatNumber(kind.decimals == 0 ? std::round(shown) : shown, kind.decimals,
                      decimalSeparator);
}

}  // namespace chart
