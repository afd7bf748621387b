#pragma once

#include <algorithm>
#include <cmath>

#include "charts/PlotGeometry.h"

// Where the injection-time map puts its values: petrol time across (up to ZakresMnoznika, in
// 0.1 ms), and up the plot either the multiplier, the load or the OBD correction.
namespace chart::injection_map {

// A time axis needs a length; a link that names none gets the shortest one.
inline int TimeRange(int zakresMnoznika) {
  return std::max(zakresMnoznika, 1);
}

inline int TimeX(const PlotGeometry& plot, int time, int range) {
  return plot.x0 + time * plot.w / range;
}

// The petrol-time marker, setting 83 in 0.05 ms.
inline int MarkerX(const PlotGeometry& plot, int marker, int range) {
  return static_cast<int>(marker * 0.05 * plot.w * 10 / range + plot.x0);
}

// The deviation's zero line sits a fifth of the way up (half-way for the OBD corrections).
inline int Baseline(const PlotGeometry& plot, double fraction) {
  return static_cast<int>(plot.yb - fraction * plot.h);
}

// An OBD correction byte (128 = 0 %, 0.78125 % a unit) as whole per cent within -50 .. 50.
inline int ObdPercent(int units) {
  return std::clamp(static_cast<int>(units * 0.78125), -50, 50);
}

inline int PercentY(const PlotGeometry& plot, int percent) {
  return static_cast<int>(plot.yb - plot.h * (percent + 50) * 0.01);
}

}  // namespace chart::injection_map
