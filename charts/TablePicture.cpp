// The grid kinds' grids: headers, coloured cells with their texts, the selection's frame.

#include "charts/TablePicture.h"

#include <string>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "charts/TableAxes.h"
#include "charts/TableCells.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/TextFit.h"

namespace chart {
namespace {

constexpr int kFrame = 2;  // the selection's frame, pixels

// What a grid's cells hold; the picture is the same for both grids.
struct GridContent {
  const GridGeometry& grid;
  std::string corner;
  int cornerPoints = 8;
  int headerPoints = 8;
  int dataPoints = 8;
  uint32_t headerBackground = 0;
  RowAxis axis;
};

struct Painted {
  Picture& p;
  const TSterownik& link;
  const ChartColours& colours;
  const TextWidth& width;
  const TextHeight& height;

  // A cell's text whole at its grid's size or a smaller readable one, else the mark that it
  // does not fit; the cell's tooltip holds its value.
  Text Fitted(const CellBox& box, std::string text, int points, Align align, int x,
              uint32_t colour) const {
    const auto measure = [this](std::string_view t, int size) { return width(t, size); };
    const FittedText fitted =
        FitText(text, "", box.right - box.left - 3, {points, kSmallestTableFont}, measure);
    return Text{{x, TextTop(box, fitted.size)}, fitted.value, colour, fitted.size, align};
  }

  void Cell(const CellBox& box, uint32_t background) const {
    p.Add(Rect{box.left, box.top, box.right, box.bottom, background});
  }
  int TextTop(const CellBox& box, int points) const {
    return box.top + (box.Height() - height(points)) / 2;
  }
  void Header(const CellBox& box, std::string text, int points, uint32_t background) const {
    Cell(box, background);
    p.Add(Fitted(box, std::move(text), points, Align::Centre, (box.left + box.right) / 2,
                 colours.headerText));
  }
  void Headers(const GridContent& g) const {
    Header(g.grid.Box({0, 0}), g.corner, g.cornerPoints, colours.headerBackground);
    for (int column = 0; column < setting::kMapSize; ++column)
      Header(g.grid.Box({column + 1, 0}), ColumnHeaderText(link, column), g.headerPoints,
             g.headerBackground);
    for (int row = 0; row < setting::kMapSize; ++row)
      Header(g.grid.Box(GridOfTable(-1, row)), RowHeaderText(link, g.axis, row), g.headerPoints,
             g.headerBackground);
  }
  // A selected cell is magenta on the block's outer edges and its own colour inside them.
  void Data(const CellBox& box, const CellColours& cell, std::string text, int points,
            const Block* selection, int column, int row) const {
    if (!selection || !selection->Contains(column, row)) {
      Cell(box, cell.background);
    } else {
      Cell(box, kLiveCell);
      const Block& b = *selection;
      Cell({box.left + (column == b.left ? kFrame : 0), box.top + (row == b.top ? kFrame : 0),
            box.right - (column == b.right ? kFrame : 0),
            box.bottom - (row == b.bottom ? kFrame : 0)},
           cell.background);
    }
    if (text.empty()) return;
    p.Add(Fitted(box, std::move(text), points, Align::Right, box.right - 2, cell.text));
  }
};

Picture Frame(const GridGeometry& grid, const ChartColours& colours) {
  Picture p;
  p.Add(Rect{grid.left, grid.top, grid.left + grid.Width(), grid.Bottom(), colours.frame});
  return p;
}

GridContent ContentOf(const TSterownik& link, int kind, bool upper, const GridGeometry& grid,
                      const TableFonts& fonts, uint32_t headerBackground) {
  const RowAxis axis = RowAxisOf(link, kind, upper);
  return {
      grid,          LangText(axis.cornerTextId),          upper ? fonts.upperCorner : fonts.corner,
      fonts.headers, upper ? fonts.upperData : fonts.data, headerBackground,
      axis};
}

void MainGrid(Picture& p, const Painted& paint, int kind, const GridContent& content,
              const Block* selection) {
  const TSterownik& link = paint.link;
  const GridKind* gridKind = GridKindOf(kind);
  if (!gridKind) return;
  const TableView view = MainTableInView(link, *gridKind);
  const TableBytes bytes = TableOf(link, view);
  p.Append(Frame(content.grid, paint.colours));
  paint.Headers(content);
  for (int column = 0; column < setting::kMapSize; ++column)
    for (int row = 0; row < setting::kMapSize; ++row) {
      const uint8_t v = bytes[static_cast<size_t>(column * setting::kMapSize + row)];
      paint.Data(content.grid.Box(GridOfTable(column, row)),
                 MainCellColours(link, kind, v, paint.colours),
                 CellText(view.cells, v, link.DecimalSeparator()), content.dataPoints, selection,
                 column, row);
    }
}

void UpperGrid(Picture& p, const Painted& paint, const TableOptions& options,
               const GridContent& content, const Block* selection) {
  const TSterownik& link = paint.link;
  const auto table = static_cast<UpperTable>(options.upperTable);
  p.Append(Frame(content.grid, paint.colours));
  paint.Headers(content);
  for (int column = 0; column < setting::kMapSize; ++column)
    for (int row = 0; row < setting::kMapSize; ++row)
      paint.Data(content.grid.Box(GridOfTable(column, row)),
                 UpperCellColours(link, table, options.shown, column, row, paint.colours),
                 UpperCellText(link, table, options.shown, column, row), content.dataPoints,
                 selection, column, row);
}

}  // namespace

Picture TableData(const TSterownik& link, int kind, const PlotGeometry& plot,
                  const ChartColours& colours, const TableOptions& options, const TextWidth& width,
                  const TextHeight& height) {
  Picture p;
  const int upperTable = kind == kRpmCorrectionKind ? options.upperTable : 0;
  const TableGrids grids = TableGridsOf(kind, upperTable, plot.width, plot.height);
  if (grids.main.column <= 0 || grids.main.row <= 0) return p;
  const TableFonts fonts = FittedFonts(link, kind, upperTable, grids, width, height);
  const Painted paint{p, link, colours, width, height};
  const Block* selection = options.focused ? &options.selection : nullptr;
  MainGrid(p, paint, kind,
           ContentOf(link, kind, false, grids.main, fonts, colours.headerBackground), selection);
  if (!grids.upper) return p;
  // The maps above follow the same load breakpoints only while the corrections go by load.
  const bool byLoad = link.Nastawy()[setting::kCorrectionAxis] == 0;
  const GridContent upper = ContentOf(link, kind, true, *grids.upper, fonts,
                                      UpperHeaderBackground(options.shown, colours));
  UpperGrid(p, paint, options, upper, byLoad ? selection : nullptr);
  return p;
}

Picture LiveCellMark(const GridGeometry& grid, GridPosition cell) {
  const CellBox box = grid.Box(cell);
  const int radius = box.Height() / 2;
  Picture p;
  p.Add(Circle{{box.left + radius, box.top + radius}, radius, kLiveCell, kBlack});
  return p;
}

}  // namespace chart
