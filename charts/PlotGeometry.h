#pragma once

#include "charts/Picture.h"

// The plot area inside the map view's bitmap, worked out from the bitmap's size: every chart
// kind places its frame, axes and data on it.
namespace chart {

struct PlotGeometry {
  int width = 0;   // of the bitmap
  int height = 0;  // of the bitmap
  int x0 = 40;     // left edge of the plot
  int w = 0;       // plot width
  int h = 0;       // plot height
  int yb = 0;      // bottom edge of the plot

  bool operator==(const PlotGeometry&) const = default;
  int Top() const { return yb - h; }
  int Right() const { return x0 + w; }
  // A value v on an axis from a to b, as a pixel column or row (integer arithmetic).
  int X(int v, int a, int b) const { return x0 + (v - a) * w / (b - a); }
  int Y(int v, int a, int b) const { return yb - (v - a) * h / (b - a); }
};

// The injection-time map leaves room on the right for its second axis and the arrow buttons.
inline constexpr int kInjectionMapKind = 0;
PlotGeometry PlotGeometryFor(int width, int height, int kind);

}  // namespace chart
