#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "charts/TableKinds.h"

class TSterownik;

// The tables by their area names, and the grid kind the Map tab shows each in.
namespace chart {

struct NamedTable {
  std::string_view name;
  int area = 0;
};
// KorOdObr1, KorOdObr2, EmulacjaHi, EmulacjaLo, Domieszka, MapaCis, PrzesGaz, DawkaBen and the
// learned maps MapaEcuBen, MapaEcuGaz, MapaObdBen1/2, MapaObdGaz1/2.
std::span<const NamedTable> TableNames();
const NamedTable* TableNamed(std::string_view name);

// The grid kind the Map tab shows a table in, by family, firmware and settings; -1 for an area
// no grid kind shows alone (the learned maps show above the RPM corrections).
int GridKindShowing(const TSterownik& link, int area);

// The table as its grid shows it: the RPM corrections of the named bank whichever bank is in
// view, the learned maps as the upper grid shows them. Nothing for an area without a grid.
std::optional<TableView> TableViewOf(const TSterownik& link, int area);

}  // namespace chart
