#pragma once

#include <optional>
#include <span>
#include <vector>

#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

// The least-squares fits drawn over the map's points and the diagnostic charts.
namespace chart {

// The points of the least-squares polynomial of the given degree through the points, one per
// pixel column from the smallest to the largest x, kept inside the plot; empty when the
// system has no solution or the fit leaves the plot at once.
std::vector<Point> DopasujWielomian(std::span<const Point> points, int degree,
                                    const PlotGeometry& plot);

// A straight-line fit and its ends within the plot.
struct LineFit {
  double slope = 0.0;
  double intercept = 0.0;
  Point from, to;
  double At(double x) const { return x * slope + intercept; }
};
// Nothing when the points lie in one column (the system has no solution).
std::optional<LineFit> DopasujProsta(std::span<const Point> points, const PlotGeometry& plot);

}  // namespace chart
