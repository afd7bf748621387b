#pragma once

#include <optional>

#include "charts/ChartColours.h"
#include "charts/MapCells.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"
#include "charts/TableKinds.h"
#include "charts/TableLayout.h"

class TSterownik;

// The grid kinds (1, 5, 6, 8-16) as pictures: the captions of the background, and the grids
// with their headers, coloured cells and the selection's frame drawn over it. The live cells'
// marks are pictures of their own, drawn over the composed picture as the engine moves.
namespace chart {

struct TableOptions {
  int upperTable = 0;  // GornaTabela as ShownUpperTable gives it
  MapShown shown = MapShown::Deviation;
  bool focused = false;  // the main grid has the keys: its selection shows
  Block selection;       // the main grid's selected block
};

// Kind 1: its title with the bank, the upper grid's title and the deviation's legend, the
// two check marks; kinds 5-16: the table's name up the left side and a bold title on top.
Picture TableBackground(const TSterownik& link, int kind, const PlotGeometry& plot,
                        const ChartColours& colours, const TableOptions& options,
                        const TextWidth& width);
// The main grid and, for kind 1 with an upper table, the learned maps above it.
Picture TableData(const TSterownik& link, int kind, const PlotGeometry& plot,
                  const ChartColours& colours, const TableOptions& options, const TextWidth& width,
                  const TextHeight& height);

// A magenta disc as high as the cell, touching its left edge.
Picture LiveCellMark(const GridGeometry& grid, GridPosition cell);

// Kind 1's check marks at the top right: the injection-time maps, and but for the LUMO the
// OBD-correction maps.
struct UpperTableChecks {
  Point injectionTimes;
  std::optional<Point> obdCorrections;
};
UpperTableChecks UpperTableChecksOf(const TSterownik& link, int bitmapWidth,
                                    const TextWidth& width);
// GornaTabela after a press at (x, y): a mark switches its table on, or off when it shows;
// nothing when the press missed both marks.
std::optional<int> UpperTableAfterPress(const TSterownik& link, int gornaTabela, int bitmapWidth,
                                        const TextWidth& width, int x, int y);

}  // namespace chart
