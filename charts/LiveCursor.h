#pragma once

#include <optional>

#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

class TSterownik;
struct DecodedStatus;

// Where the engine works now, from the latest status frame: the live cursor of the plot kinds
// and the live cell of the grid kinds.
namespace chart {

// A vertical line at x across the plot and, for kinds 0 and 7, a horizontal one at y.
struct LiveCursor {
  int x = 0;
  std::optional<int> y;
  bool operator==(const LiveCursor&) const = default;
};

// Nothing for a kind without a cursor or a frame without the bytes it follows.
std::optional<LiveCursor> LiveCursorOf(int kind, const TSterownik& link,
                                       const DecodedStatus& status, const PlotGeometry& plot);
Picture CursorLines(const LiveCursor& cursor, const PlotGeometry& plot, uint32_t colour);

struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};

// The marked cell of a grid kind's table; nothing when it lies outside the grid.
std::optional<GridCell> LiveCell(int kind, const TSterownik& link, const DecodedStatus& status);
// The same for the learned maps above the RPM corrections.
std::optional<GridCell> UpperLiveCell(const DecodedStatus& status);

}  // namespace chart
