#include "charts/NodeMarks.h"

namespace chart {

void NodeLine(Picture& p, const std::vector<ShownNode>& nodes, const ChartColours& colours,
              int selected, bool focused) {
  Polyline line{{}, colours.curve, 3};
  for (const ShownNode& node : nodes)
    line.points.push_back(node.at);
  p.Add(line);
  for (const ShownNode& node : nodes) {
    const bool marked = focused && (selected == -1 || node.index == selected);
    p.Add(Circle{node.at, 5, marked ? kSelectedNode : colours.curve, kBlack});
  }
}

void NodeLabel(Picture& p, Point at, const std::string& position, const std::string& value) {
  p.Add(Rect{at.x - 14, at.y + 10, at.x + 14, at.y + 36, kLabelBox, true, kBlack});
  p.Add(Text{{at.x - 12, at.y + 10}, position, kBlack});
  p.Add(Text{{at.x - 12, at.y + 22}, value, kBlack});
}

}  // namespace chart
