#include "charts/ArrowButtons.h"

#include <vector>

namespace chart {
namespace {

constexpr int kFromRight = 32;
constexpr int kGap = 2;

// The middle between the two buttons.
int Middle(const PlotGeometry& plot) {
  return (plot.height - 14) / 2;
}

// An arrow in a 22-pixel box, its point up or down.
Polygon Arrow(int left, int top, bool up, uint32_t colour) {
  const std::vector<Point> shape{{11, 3}, {19, 12}, {14, 12}, {14, 19}, {8, 19}, {8, 12}, {3, 12}};
  Polygon arrow{{}, colour};
  for (const Point& s : shape)
    arrow.points.push_back({left + s.x, top + (up ? s.y : 22 - s.y)});
  return arrow;
}

}  // namespace

Picture ArrowButtons(const PlotGeometry& plot, const ChartColours& colours) {
  const int c = Middle(plot);
  const int left = plot.width - kFromRight;
  const int right = plot.width - kGap;
  Picture p;
  p.Add(Rect{left, c - kFromRight, right, c - kGap, colours.button, true, colours.checkFrame, 5});
  p.Add(Rect{left, c + kGap, right, c + kFromRight, colours.button, true, colours.checkFrame, 5});
  p.Add(Arrow(plot.width - 28, c - 28, true, colours.text));
  p.Add(Arrow(plot.width - 28, c + 6, false, colours.text));
  return p;
}

int ArrowButtonAt(const PlotGeometry& plot, int x, int y) {
  if (x <= plot.width - kFromRight) return 0;
  const int c = Middle(plot);
  if (y > c - kFromRight && y < c - kGap) return +1;
  if (y > c + kGap && y < c + kFromRight) return -1;
  return 0;
}

}  // namespace chart
