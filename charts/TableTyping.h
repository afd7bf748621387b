#pragma once

#include <string>

#include "charts/TableKinds.h"

class TSterownik;

// The commit of a value typed into a data cell: kind 12's pressure map, and the learned maps
// above the RPM corrections.
namespace chart {

// Column and row 0..15 of the view's table. The text reads as TypedNumber reads it; the byte is
// the one nearest to it, held to the view's range (so a negative time or voltage stores 0, an
// OBD correction -200 % stores 1 and +200 % 254). Stored and written as the view says. A number
// beyond a double changes nothing (Beep).
TableEdit CommitCell(TSterownik& link, const TableView& view, int column, int row,
                     const std::string& text);

}  // namespace chart
