#pragma once

#include <string>
#include <vector>

#include "charts/ChartColours.h"
#include "charts/Picture.h"

// The nodes of the multiplier and of the correction curves, drawn alike.
namespace chart {

struct ShownNode {
  int index;
  Point at;
};

// The line through the nodes, then the nodes ringed in black: in the selection's colour while
// the keys reach them and the node is selected, or none is (the keys then act on all).
void NodeLine(Picture& p, const std::vector<ShownNode>& nodes, const ChartColours& colours,
              int selected, bool focused);
// The box below the selected node with its position and its value.
void NodeLabel(Picture& p, Point at, const std::string& position, const std::string& value);

}  // namespace chart
