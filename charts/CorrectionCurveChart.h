#pragma once

#include "charts/ChartColours.h"
#include "charts/CorrectionCurve.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

class TSterownik;

// Chart kinds 2, 3 and 4: a correction curve against its axis, -50 .. +50 % up the plot.
namespace chart {

// Frame and axes, the marker of the setting where the controller starts to use gas, and the
// arrow buttons.
Picture CorrectionCurveBackground(const TSterownik& link, const CurveKind& kind,
                                  const PlotGeometry& plot, const ChartColours& colours);
// The line through the nodes, the nodes, and the label of the selected one while the keys reach
// them. A curve of fewer than two nodes draws nothing: the view resets it.
Picture CorrectionCurveData(const TSterownik& link, const CurveKind& kind, const PlotGeometry& plot,
                            const ChartColours& colours, int selected, bool focused);

// Where a node is drawn.
Point CurveNodePixel(const CorrectionCurve& curve, const PlotGeometry& plot, int node);

}  // namespace chart
