#pragma once

#include <cstdint>
#include <string>

#include "charts/ChartColours.h"
#include "charts/MapCells.h"
#include "charts/TableKinds.h"
#include "charts/TableLayout.h"

class TSterownik;

// The colours of the grid kinds' cells: lean and rich RPM corrections, tables the current
// settings leave unused, values beyond what the engine allows, and the learned maps above the
// RPM corrections with their deviation.
namespace chart {

struct CellColours {
  uint32_t background = 0;
  uint32_t text = 0;
  bool operator==(const CellColours&) const = default;
};

// A data cell of a grid kind's main grid holding the byte v.
CellColours MainCellColours(const TSterownik& link, int kind, uint8_t v,
                            const ChartColours& colours);

// A data cell of the learned maps above the RPM corrections (table coordinates).
CellColours UpperCellColours(const TSterownik& link, UpperTable table, MapShown shown, int column,
                             int row, const ChartColours& colours);
// The upper grid's row and column headers take the colour of the map shown.
uint32_t UpperHeaderBackground(MapShown shown, const ChartColours& colours);
// The text id of the title over the upper grid.
int UpperTitleId(const TSterownik& link, UpperTable table, MapShown shown);

// What a grid cell shows: the corner, a header, or a data cell's value. upper: the learned
// maps above the RPM corrections.
std::string GridCellText(const TSterownik& link, int kind, bool upper, UpperTable table,
                         MapShown shown, GridPosition cell);

// The hover text of a data cell (table coordinates): its value, its rpm and its row
// breakpoint with their units. upper: the learned maps above the RPM corrections.
std::string CellHint(const TSterownik& link, int kind, bool upper, UpperTable table, MapShown shown,
                     int column, int row);

// Backgrounds of petrol and gas data, and of cells that hold both.
inline constexpr uint32_t kPetrolShade = Rgb(255, 190, 190);  // Lighten(kPetrol, 190)
inline constexpr uint32_t kGasShade = Rgb(190, 255, 190);     // Lighten(kGas, 190)
inline constexpr uint32_t kBothShade = Rgb(255, 255, 210);
// The deviation's texts: gas much shorter than petrol (rich), much longer (lean), in between.
inline constexpr uint32_t kRichText = Rgb(176, 0, 0);
inline constexpr uint32_t kLeanText = Rgb(0, 0, 236);
inline constexpr uint32_t kEvenText = Rgb(128, 128, 128);

}  // namespace chart
