// A correction curve's background and its nodes over it.

#include "charts/CorrectionCurveChart.h"

#include <string>

#include "charts/ArrowButtons.h"
#include "charts/ChartFrame.h"
#include "charts/NodeMarks.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

constexpr int kDivisions = 10;

int PositionColumn(const CurveKind& kind, const PlotGeometry& plot, int x) {
  return plot.X(x, kind.curve.axisMin, kind.curve.axisMax);
}

// Temperatures in whole degrees, pressures in the shortest form ("0.75", "1").
std::string TickLabel(const CurveKind& kind, int x, char separator) {
  if (kind.unit == CurveUnit::Celsius) return CurvePositionText(kind, x, separator);
  return FormatNumber(x * 0.01, 0, separator);
}

AxesLayout AxesOf(const TSterownik& link, const CurveKind& kind, const PlotGeometry& plot) {
  const int first = kind.curve.axisMin, last = kind.curve.axisMax;
  AxesLayout axes;
  for (int x = first + kind.gridStep; x < last; x += kind.gridStep)
    axes.verticalGrid.push_back(PositionColumn(kind, plot, x));
  for (int x = first; x <= last; x += kind.gridStep)
    axes.bottomTicks.push_back(
        {PositionColumn(kind, plot, x), TickLabel(kind, x, link.DecimalSeparator())});
  axes.bottomTitle = LangText(kind.titleText);
  for (int k = 1; k < kDivisions; ++k)
    axes.horizontalGrid.push_back(plot.yb - k * plot.h / kDivisions);
  axes.referenceLine = plot.yb - plot.h * 5 / kDivisions;  // no correction
  for (int k = 0; k <= kDivisions; ++k)
    axes.leftTicks.push_back({plot.yb - k * plot.h / kDivisions, std::to_string(k * 10 - 50)});
  axes.leftLabelsInside = true;
  axes.leftTitle = LangText(1708);
  return axes;
}

// Where the controller starts to use gas. A setting off the axis has no place on it.
void Marker(Picture& p, const TSterownik& link, const CurveKind& kind, const PlotGeometry& plot,
            const ChartColours& colours) {
  const int m = link.Nastawy()[kind.markerSetting];
  if (m < kind.curve.axisMin || m > kind.curve.axisMax) return;
  const int x = PositionColumn(kind, plot, m);
  p.Add(Line{{x, plot.yb}, {x, plot.Top()}, colours.grid, 1, Pen::Dashed});
  const std::string label = CurvePositionText(kind, m, link.DecimalSeparator());
  p.Add(Text{{x + 1, plot.yb - 16}, " " + label + " ", colours.grid});
}

}  // namespace

Point CurveNodePixel(const CorrectionCurve& c, const PlotGeometry& plot, int node) {
  const double up =
      plot.h * (c.Y(node) - curve::kLowestValue) / static_cast<double>(curve::kValueSpan);
  return {PositionColumn(*c.kind, plot, c.X(node)) + 1, static_cast<int>(plot.yb - up + 1)};
}

Picture CorrectionCurveBackground(const TSterownik& link, const CurveKind& kind,
                                  const PlotGeometry& plot, const ChartColours& colours) {
  Picture p = WindowBackground(plot, colours);
  p.Append(PlotFrame(plot, colours));
  p.Append(Axes(plot, colours, AxesOf(link, kind, plot)));
  Marker(p, link, kind, plot, colours);
  p.Append(ArrowButtons(plot, colours));
  return p;
}

Picture CorrectionCurveData(const TSterownik& link, const CurveKind& kind, const PlotGeometry& plot,
                            const ChartColours& colours, int selected, bool focused) {
  const CorrectionCurve c = CurveInView(link, kind);
  Picture p;
  if (c.PresentCount() <= 1) return p;
  std::vector<ShownNode> shown;
  for (int i = 0; i < curve::kNodes; ++i)
    if (c.Present(i)) shown.push_back({i, CurveNodePixel(c, plot, i)});
  NodeLine(p, shown, colours, selected, focused);
  if (!focused) return p;
  for (const ShownNode& node : shown)
    if (node.index == selected)
      NodeLabel(p, node.at, CurvePositionText(kind, c.X(node.index), link.DecimalSeparator()),
                CurveCorrectionText(c.Y(node.index)));
  return p;
}

}  // namespace chart
