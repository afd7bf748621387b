#pragma once

#include "charts/ChartColours.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

// The two buttons at the right edge of the multiplier and the correction curves that raise and
// lower the selected node.
namespace chart {

Picture ArrowButtons(const PlotGeometry& plot, const ChartColours& colours);
// +1 on the upper button, -1 on the lower one, 0 elsewhere.
int ArrowButtonAt(const PlotGeometry& plot, int x, int y);

}  // namespace chart
