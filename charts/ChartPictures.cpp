#include "charts/ChartPictures.h"

#include "charts/ChartFrame.h"
#include "charts/ChartKinds.h"
#include "charts/CorrectionCurveChart.h"
#include "charts/InjectionMapChart.h"

namespace chart {
namespace {

InjectionMapOptions MapOptions(const ViewState& view) {
  return {view.deviationPoints, view.selectedNode, view.focused};
}

DiagnosticOptions DiagnosticOf(const ViewState& view) {
  return {view.gasPressureShown, view.adminFlags};
}

}  // namespace

Picture BackgroundPicture(const TSterownik& link, const PlotGeometry& plot,
                          const ChartColours& colours, const ViewState& view,
                          const TextWidth& width) {
  if (view.kind == kInjectionMapKind)
    return InjectionMapBackground(link, plot, colours, MapOptions(view));
  if (const CurveKind* curve = CurveKindOf(view.kind))
    return CorrectionCurveBackground(link, *curve, plot, colours);
  // The diagnostic charts draw their own window, frame and axes.
  if (IsDiagnosticKind(view.kind))
    return DiagnosticBackground(view.kind, link, plot, colours, DiagnosticOf(view), width);
  Picture p = WindowBackground(plot, colours);
  if (!IsPlotKind(view.kind) && !IsGridKind(view.kind)) return p;
  p.Append(PlotFrame(plot, colours));
  return p;
}

Picture DataPicture(const TSterownik& link, const PlotGeometry& plot, const ChartColours& colours,
                    const ViewState& view, DiagnosticState& diagnostic, const TextWidth& width) {
  if (view.kind == kInjectionMapKind)
    return InjectionMapData(link, plot, colours, MapOptions(view), width);
  if (const CurveKind* curve = CurveKindOf(view.kind))
    return CorrectionCurveData(link, *curve, plot, colours, view.selectedPoint, view.focused);
  if (IsDiagnosticKind(view.kind))
    return DiagnosticData(view.kind, link, plot, colours, DiagnosticOf(view), diagnostic, width);
  return {};
}

}  // namespace chart
