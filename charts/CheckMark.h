#pragma once

#include "charts/ChartColours.h"
#include "charts/Picture.h"

// A clickable check mark drawn on a chart: a small rounded square, ticked when its option is on.
namespace chart {

Picture CheckMark(Point centre, bool on, const ChartColours& colours);
// A press on the mark or on the caption to its right.
bool OnCheckMark(Point centre, int x, int y);

}  // namespace chart
