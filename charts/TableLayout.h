#pragma once

#include <optional>

#include "charts/Picture.h"

class TSterownik;

// Where the grid kinds' tables sit in the map view, the font sizes that fit their cells, and
// which cell a point of the view falls on.
namespace chart {

// Below this size a table's digits are too small to read: the view scrolls instead.
inline constexpr int kSmallestTableFont = 7;
// The widest header, an rpm breakpoint.
inline constexpr std::string_view kWidestHeader = "5000";

// Grid columns and rows 0..16: column 0 holds the row headers, row 0 the column headers; grid
// row r shows table row 16 - r, so the lowest load is at the bottom.
inline constexpr int kGridCells = 17;

struct GridPosition {
  int column = 0;
  int row = 0;
  bool operator==(const GridPosition&) const = default;
};

// A cell's box; right and bottom excluded.
struct CellBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Height() const { return bottom - top; }
};

// A grid of 17 x 17 cells with a 2-pixel border; each cell is followed by a 1-pixel line.
struct GridGeometry {
  int left = 0;  // the grid's outer corner in the view
  int top = 0;
  int column = 0;  // a cell's width with its line
  int row = 0;     // a cell's height with its line

  int Width() const { return column * kGridCells + 4; }
  int Height() const { return row * kGridCells + 4; }
  int Bottom() const { return top + Height(); }
  CellBox Box(GridPosition cell) const;
  bool operator==(const GridGeometry&) const = default;
};

// The cell under a point of the view; nothing outside the cells.
std::optional<GridPosition> CellAt(const GridGeometry& grid, int x, int y);
// Table coordinates (column 0..15, row 0 = lowest load) and grid positions.
GridPosition GridOfTable(int column, int row);

// GornaTabela as the kind-1 view can show it: above 2 it is nothing, and the LUMO has no OBD
// maps to show.
int ShownUpperTable(const TSterownik& link, int gornaTabela);

// The main grid, and for kind 1 with an upper table the grid of the learned maps above it.
struct TableGrids {
  GridGeometry main;
  std::optional<GridGeometry> upper;
};
TableGrids TableGridsOf(int kind, int upperTable, int width, int height);

// The line height of a font size: the widget measures its font, tests use the estimate.
using TextHeight = std::function<int(int points)>;
int TextHeightEstimate(int points);

// The smallest view in which the kind's grids hold their headers at the smallest readable size;
// a smaller view scrolls.
struct ViewSize {
  int width = 0;
  int height = 0;
};
ViewSize LeastTableView(int kind, int upperTable, const TextWidth& width, const TextHeight& height);

// Font sizes that let the texts fit their cells: the headers' fits "5000", the data cells' their
// table's widest value too.
struct TableFonts {
  int corner = 8;
  int upperCorner = 8;
  int headers = 8;
  int data = 8;
  int upperData = 8;
};
TableFonts FittedFonts(const TSterownik& link, int kind, int upperTable, const TableGrids& grids,
                       const TextWidth& width, const TextHeight& height);

}  // namespace chart
