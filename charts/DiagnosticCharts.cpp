#include "charts/DiagnosticCharts.h"

#include "charts/CheckMark.h"
#include "charts/EmulationChart.h"
#include "charts/GasPressureChart.h"
#include "charts/InjectionTimesChart.h"

namespace chart {

bool IsDiagnosticKind(int kind) {
  return kind == kEmulationCharacteristicKind || kind == kInjectionTimesKind ||
         kind == kGasPressureKind;
}

Picture DiagnosticBackground(int kind, const TSterownik& link, const PlotGeometry& plot,
                             const ChartColours& colours, const DiagnosticOptions& options,
                             const TextWidth& width) {
  switch (kind) {
    case kEmulationCharacteristicKind:
      return EmulationBackground(link, plot, colours);
    case kInjectionTimesKind:
      return InjectionTimesBackground(link, plot, colours, options,
                                      width ? width : TextWidth(TextWidthEstimate));
    case kGasPressureKind:
      return GasPressureBackground(link, plot, colours);
    default:
      return {};
  }
}

Picture DiagnosticData(int kind, const TSterownik& link, const PlotGeometry& plot,
                       const ChartColours& colours, const DiagnosticOptions& options,
                       DiagnosticState& state, const TextWidth&) {
  switch (kind) {
    case kEmulationCharacteristicKind:
      return EmulationData(link, plot, colours);
    case kInjectionTimesKind:
      return InjectionTimesData(link, plot, options, state);
    case kGasPressureKind:
      return GasPressureData(link, plot, colours);
    default:
      return {};
  }
}

bool DiagnosticCheckHit(int kind, const PlotGeometry& plot, const DiagnosticOptions& options, int x,
                        int y) {
  return kind == kInjectionTimesKind && options.AdminExtras() &&
         OnCheckMark(GasPressureCheckCentre(plot), x, y);
}

}  // namespace chart
