#include "charts/DiagnosticCharts.h"

namespace chart {

bool IsDiagnosticKind(int kind) {
  return kind == kEmulationCharacteristicKind || kind == kInjectionTimesKind ||
         kind == kGasPressureKind;
}

Picture DiagnosticBackground(int, const TSterownik&, const PlotGeometry&, const ChartColours&,
                             const DiagnosticOptions&, const TextWidth&) {
  return {};
}

Picture DiagnosticData(int, const TSterownik&, const PlotGeometry&, const ChartColours&,
                       const DiagnosticOptions&, DiagnosticState&, const TextWidth&) {
  return {};
}

bool DiagnosticCheckHit(int, const PlotGeometry&, const DiagnosticOptions&, int, int) {
  return false;
}

}  // namespace chart
