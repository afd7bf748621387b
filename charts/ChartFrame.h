#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/ChartColours.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

// What every plot kind's background shares: the window, the plot's frame, its grid lines, its
// axes with their ticks, labels and titles. A kind names where its lines and ticks go.
namespace chart {

// A tick on an axis: its pixel column (time axis) or row (value axes) and its label.
struct Tick {
  int at = 0;
  std::string label;
};

struct AxesLayout {
  std::vector<int> verticalGrid;     // columns of the dotted lines
  std::vector<int> horizontalGrid;   // rows of the dotted lines
  std::optional<int> referenceLine;  // row of the solid line at the neutral value
  std::vector<Tick> bottomTicks;
  std::string bottomTitle;
  std::vector<Tick> leftTicks;
  bool leftLabelsInside = false;  // left-aligned near the plot rather than ending before it
  std::string leftTitle;
  std::vector<Tick> rightTicks;
  std::string rightTitle;
  int rightTitleGap = 25;  // from the plot's right edge
};

// The whole bitmap in the window colour: what a view without a chart shows.
Picture WindowBackground(const PlotGeometry& plot, const ChartColours& colours);
// The plot's inside and its border.
Picture PlotFrame(const PlotGeometry& plot, const ChartColours& colours);
// Grid lines, the neutral line and the three axes.
Picture Axes(const PlotGeometry& plot, const ChartColours& colours, const AxesLayout& axes);

}  // namespace chart
