#pragma once

#include <array>
#include <optional>
#include <vector>

#include "charts/DiagnosticCharts.h"

// Kind 18: the absolute and the gas pressure of every record against the share of the engine
// cycle the gas injector is open, corrected for the pressure (the flow, or the power drawn), with
// a trend through the per-cent means of each: a reducer that cannot keep up shows a falling trend.
namespace chart {

// The records whose flow fell within one whole per cent.
struct PressureBin {
  int records = 0;
  double absoluteSum = 0.0;
  double gasSum = 0.0;

  std::optional<double> AbsoluteMean() const;
  std::optional<double> GasMean() const;
};

struct GasPressureSummary {
  double fullScale = 0.0;  // bar at the top of the plot
  int records = 0;         // drawn
  std::array<PressureBin, 100> bins{};
  std::vector<Pixels> scatter;
};

GasPressureSummary SummariseGasPressure(const TSterownik& link, const PlotGeometry& plot);

Picture GasPressureBackground(const TSterownik& link, const PlotGeometry& plot,
                              const ChartColours& colours);
Picture GasPressureData(const TSterownik& link, const PlotGeometry& plot,
                        const ChartColours& colours);

}  // namespace chart
