#pragma once

#include <optional>
#include <vector>

#include "charts/DiagnosticCharts.h"

// Kind 17: the petrol and gas injection times of every record against the engine speed, with
// the longest time an injection may take per engine cycle, to show whether the gas injectors
// keep up. The gas pressure is an administrator's extra.
namespace chart {

// An injection time marked with a line across the chart.
struct MarkedTime {
  double ms = 0.0;
  int y = 0;
};

// The lowest gas pressure and where its pixel was.
struct LowPressure {
  double bar = 0.0;
  Point at;
};

struct InjectionTimesSummary {
  // Records drawn: the smoothed speed on the axis, the gas pressure and both times plausible.
  int records = 0;
  int rightmostX = 0;  // of the records drawn
  std::optional<MarkedTime> petrolMin, petrolMax, gasMin, gasMax;
  std::optional<LowPressure> pressureMin;
  double pressureSum = 0.0;
  std::vector<Pixels> scatter;

  // Only over more than 100 records: fewer say little about the reducer.
  std::optional<double> PressureMean() const;
  // How much longer the gas injectors open than the petrol ones, at the shortest and at the
  // longest times.
  std::optional<double> ShortestRatio() const;
  std::optional<double> LongestRatio() const;
};

// The speed is smoothed from record to record, on from where the last drawing left it. The
// gas pressure's pixels are set only when asked for.
InjectionTimesSummary SummariseInjectionTimes(const TSterownik& link, const PlotGeometry& plot,
                                              bool gasPressure, DiagnosticState& state);

Picture InjectionTimesBackground(const TSterownik& link, const PlotGeometry& plot,
                                 const ChartColours& colours, const DiagnosticOptions& options,
                                 const TextWidth& width);
Picture InjectionTimesData(const TSterownik& link, const PlotGeometry& plot,
                           const DiagnosticOptions& options, DiagnosticState& state);
// The centre of the check mark that shows or hides the gas pressure.
Point GasPressureCheckCentre(const PlotGeometry& plot);

}  // namespace chart
