#pragma once

#include <optional>
#include <vector>

#include "charts/DiagnosticCharts.h"

// Kind 7: the petrol-pressure emulation of the KAVI family. The emulated sensor signal the
// settings make of the real one, over the pairs of both signals recorded on petrol.
namespace chart {

// One point of the characteristic, in volts.
struct EmulationPoint {
  double input = 0.0;
  double output = 0.0;
};

struct EmulationSummary {
  double slope = 0.0;
  double offset = 0.0;  // V
  double floor = 0.0;   // V
  double cap = 0.0;     // V
  int petrolRecords = 0;
  // 256 points from 0 V, 0.02 V apart; none when the slope is 0 (the chart then draws a
  // flat line on the bottom edge).
  std::vector<EmulationPoint> characteristic;
  std::vector<Pixels> scatter;
};

EmulationSummary SummariseEmulation(const TSterownik& link, const PlotGeometry& plot);

Picture EmulationBackground(const TSterownik& link, const PlotGeometry& plot,
                            const ChartColours& colours);
Picture EmulationData(const TSterownik& link, const PlotGeometry& plot,
                      const ChartColours& colours);

}  // namespace chart
