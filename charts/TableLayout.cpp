#include "charts/TableLayout.h"

#include <algorithm>

#include "charts/ChartKinds.h"
#include "charts/TableAxes.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

constexpr int kBorder = 2;
constexpr int kGridTop = 16;
constexpr int kLargestFont = 25;
// The petrol pressure map and the petrol dose draw their decimals a size below the headers'.
constexpr int kSmallerDataKinds[] = {12, 14};

// The largest size at which the text fits the width and a line fits the row; the smallest
// readable one when none does (the view then scrolls, or marks what still does not fit).
int FittedSize(std::string_view text, int room, int rowHeight, const TextWidth& width,
               const TextHeight& height) {
  for (int points = kLargestFont; points >= kSmallestTableFont; --points)
    if (width(text, points) < room && height(points) < rowHeight - 1) return points;
  return kSmallestTableFont;
}

// A cell holds "5000" at the smallest readable size, with the margins FittedSize asks for.
GridGeometry LeastCells(const TextWidth& width, const TextHeight& height) {
  return {0, 0, width(kWidestHeader, kSmallestTableFont) + 3, height(kSmallestTableFont) + 3};
}

// The longest text a cell of the format shows.
std::string WidestText(const CellFormat& format, char separator) {
  std::string widest;
  for (int v = 0; v <= 255; ++v) {
    std::string text = CellText(format, static_cast<uint8_t>(v), separator);
    if (text.size() > widest.size()) widest = std::move(text);
  }
  return widest;
}

}  // namespace

CellBox GridGeometry::Box(GridPosition cell) const {
  const int x = left + kBorder + cell.column * column;
  const int y = top + kBorder + cell.row * row;
  return {x, y, x + column - 1, y + row - 1};
}

std::optional<GridPosition> CellAt(const GridGeometry& grid, int x, int y) {
  const int dx = x - grid.left - kBorder, dy = y - grid.top - kBorder;
  if (dx < 0 || dy < 0 || grid.column <= 0 || grid.row <= 0) return std::nullopt;
  const GridPosition cell{dx / grid.column, dy / grid.row};
  if (cell.column >= kGridCells || cell.row >= kGridCells) return std::nullopt;
  return cell;
}

GridPosition GridOfTable(int column, int row) {
  return {column + 1, kGridCells - 1 - row};
}

int ShownUpperTable(const TSterownik& link, int gornaTabela) {
  if (gornaTabela > 2 || gornaTabela < 0) return 0;
  if (gornaTabela == 2 && link.Czy_LUMO()) return 0;
  return gornaTabela;
}

TableGrids TableGridsOf(int kind, int upperTable, int width, int height) {
  TableGrids grids;
  if (kind != kRpmCorrectionKind) {
    grids.main = {20, kGridTop, (width - 25) / kGridCells, (height - 20) / kGridCells};
    return grids;
  }
  const int column = (width - 10) / kGridCells;
  if (upperTable == 0) {
    grids.main = {5, kGridTop, column, (height - 20) / kGridCells};
    return grids;
  }
  const int row = (height / 2 - 30) / kGridCells;
  grids.upper = GridGeometry{5, kGridTop, column, row};
  grids.main = {5, height / 2 + 21, column, row};
  return grids;
}

ViewSize LeastTableView(int kind, int upperTable, const TextWidth& width,
                        const TextHeight& height) {
  const GridGeometry least = LeastCells(width, height);
  const int cellsWide = least.column * kGridCells, cellsHigh = least.row * kGridCells;
  if (kind != kRpmCorrectionKind) return {cellsWide + 25, cellsHigh + 20};
  if (upperTable == 0) return {cellsWide + 10, cellsHigh + 20};
  return {cellsWide + 10, 2 * (cellsHigh + 30)};
}

int TextHeightEstimate(int points) {
  return points * 5 / 3;
}

TableFonts FittedFonts(const TSterownik& link, int kind, int upperTable, const TableGrids& grids,
                       const TextWidth& width, const TextHeight& height) {
  const GridGeometry& g = grids.main;
  const auto cornerSize = [&](bool upper) {
    const std::string corner = LangText(RowAxisOf(link, kind, upper).cornerTextId);
    return FittedSize(corner, g.column - 4, g.row, width, height);
  };
  TableFonts fonts;
  fonts.corner = cornerSize(false);
  fonts.upperCorner = grids.upper ? cornerSize(true) : fonts.corner;
  fonts.headers = FittedSize(kWidestHeader, g.column - 2, g.row, width, height);
  const auto dataSize = [&](const std::string& widest, int largest) {
    return std::min(largest, FittedSize(widest, g.column - 2, g.row, width, height));
  };
  const char separator = link.DecimalSeparator();
  int largest = fonts.headers;
  for (int smaller : kSmallerDataKinds)
    if (kind == smaller) largest = std::max(kSmallestTableFont, fonts.headers * 9 / 10);
  if (const GridKind* gridKind = GridKindOf(kind))
    fonts.data = dataSize(WidestText(MainTableInView(link, *gridKind).cells, separator), largest);
  if (!grids.upper) return fonts;
  // The deviation puts a "+" before the widest value.
  const TableView upper =
      UpperTableInView(link, static_cast<UpperTable>(upperTable), MapShown::Petrol);
  fonts.upperData = dataSize("+" + WidestText(upper.cells, separator), fonts.headers);
  return fonts;
}

}  // namespace chart
