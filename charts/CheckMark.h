#pragma once

#include "charts/ChartColours.h"
#include "charts/Picture.h"

// The clickable check marks of the charts: a small rounded square, ticked when its option is on.
namespace chart {

void AddCheckMark(Picture& picture, Point centre, bool ticked, const ChartColours& colours);
// A press counts on the mark and on the caption written to its right.
bool CheckMarkHit(Point centre, int x, int y);

}  // namespace chart
