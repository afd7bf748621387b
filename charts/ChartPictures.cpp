#include "charts/ChartPictures.h"

#include "charts/ChartFrame.h"
#include "charts/ChartKinds.h"
#include "charts/CorrectionCurveChart.h"
#include "charts/InjectionMapChart.h"
#include "charts/TablePicture.h"

namespace chart {
namespace {

InjectionMapOptions MapOptions(const ViewState& view) {
  return {view.deviationPoints, view.selectedNode, view.focused};
}

DiagnosticOptions DiagnosticOf(const ViewState& view) {
  return {view.gasPressureShown, view.adminFlags};
}

TableOptions TableOptionsOf(const TSterownik& link, const ViewState& view) {
  return {ShownUpperTable(link, view.upperTable), static_cast<MapShown>(view.widok), view.focused,
          view.selection};
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
  if (IsGridKind(view.kind))
    return TableBackground(link, view.kind, plot, colours, TableOptionsOf(link, view), width);
  return WindowBackground(plot, colours);
}

Picture DataPicture(const TSterownik& link, const PlotGeometry& plot, const ChartColours& colours,
                    const ViewState& view, DiagnosticState& diagnostic, const TextWidth& width,
                    const TextHeight& height) {
  if (view.kind == kInjectionMapKind) {
    // The legend over the data, so that no curve or node hides a line of it.
    Picture p = InjectionMapData(link, plot, colours, MapOptions(view), width);
    p.Append(InjectionMapLegend(link, plot, colours, MapOptions(view)));
    return p;
  }
  if (const CurveKind* curve = CurveKindOf(view.kind))
    return CorrectionCurveData(link, *curve, plot, colours, view.selectedPoint, view.focused);
  if (IsDiagnosticKind(view.kind))
    return DiagnosticData(view.kind, link, plot, colours, DiagnosticOf(view), diagnostic, width);
  if (IsGridKind(view.kind))
    return TableData(link, view.kind, plot, colours, TableOptionsOf(link, view), width, height);
  return {};
}

}  // namespace chart
