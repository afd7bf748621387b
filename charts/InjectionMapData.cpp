// The injection-time map's data over its background: the adaptation caption, the petrol and gas
// points with their trends, the deviation with its regression line and advice, the multiplier.

#include <algorithm>
#include <string>
#include <vector>

#include "charts/Fitting.h"
#include "charts/InjectionMapChart.h"
#include "charts/InjectionMapScale.h"
#include "charts/MapCells.h"
#include "charts/MapSettings.h"
#include "charts/NodeMarks.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

using namespace injection_map;

// One map as the chart reads it.
struct Series {
  int map;         // the learned times
  int obd1, obd2;  // the KAVI's OBD corrections of each bank
  uint32_t colour;
};
constexpr Series kPetrolSeries{img::MapaEcuBen, img::MapaObdBen1, img::MapaObdBen2, kPetrol};
constexpr Series kGasSeries{img::MapaEcuGaz, img::MapaObdGaz1, img::MapaObdGaz2, kGas};

int ObdArea(const TSterownik& link, const Series& series) {
  return multiplier::InView(link.AktalnyBank()).number == 2 ? series.obd2 : series.obd1;
}

// A point of a map: 2 x 2 pixels.
Rect Dot(int x, int y, uint32_t colour) {
  return Rect{x - 1, y - 1, x + 1, y + 1, colour};
}

std::string Offset(const TSterownik& link, int byte) {
  return FormatNumber((link.ObrazSterownika()[static_cast<size_t>(byte)] - 128) * 0.02, 2,
                      link.DecimalSeparator());
}

// The controller's learned offsets, while it adapts.
void AdaptationCaption(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                       const ChartColours& colours) {
  if (link.Nastawy()[setting::kAdaptationMode] == 0) return;
  const bool two = link.DwaBanki();
  const std::string bank = LangText(1720);
  std::string caption = LangText(3810);
  if (two) caption += "  " + bank + " 1";
  caption += "   " + Offset(link, img::Eeprom1) + "   " + Offset(link, img::Eeprom1 + 1) + "   ";
  if (two)
    caption += bank + " 2" + "   " + Offset(link, img::Eeprom1 + 2) + "   " +
               Offset(link, img::Eeprom1 + 3) + "   ";
  p.Add(Text{{plot.Right(), 2}, caption, colours.text, 8, Align::Right});
}

// A cell sits at the height of its load; the low-RPM columns up to a tenth lower.
std::vector<Point> LoadPoints(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                              const Series& series, int range) {
  const uint8_t* s = link.Nastawy();
  const double fullScale = s[setting::kLoadBreakpoints + setting::kMapSize - 1];
  std::vector<Point> trend;
  if (fullScale == 0) return trend;  // no load scale to place the cells on
  for (int c = 0; c < setting::kMapSize; ++c) {
    for (int r = 0; r < setting::kMapSize; ++r) {
      if (r == 15 && c >= 9) continue;
      const int t = MapCell(link, series.map, c, r);
      if (t == 0 || t > range) continue;
      const int x = TimeX(plot, t, range);
      const int y =
          static_cast<int>(plot.yb - plot.h * (s[setting::kLoadBreakpoints + r] / fullScale) *
                                         (1 - (16 - c) * 0.1 / 16));
      p.Add(Dot(x, y, series.colour));
      const bool steady = s[setting::kEngineType] != 0 || c < 16 - r / 2 || r >= 14;
      if (c >= 2 && c <= 12 && r >= 1 && t < 0.9 * range && steady) trend.push_back({x, y});
    }
  }
  return trend;
}

// The KAVI places a cell at its OBD correction and draws only the trend.
std::vector<Point> ObdPoints(const TSterownik& link, const PlotGeometry& plot, const Series& series,
                             int range) {
  const int obd = ObdArea(link, series);
  std::vector<Point> trend;
  for (int c = 0; c < setting::kMapSize; ++c) {
    for (int r = 0; r < setting::kMapSize; ++r) {
      if (r <= 8 && c >= 8) continue;
      const int t = MapCell(link, series.map, c, r);
      const int o = MapCell(link, obd, c, r);
      if (t > 0 && t <= range && o > 0)
        trend.push_back({TimeX(plot, t, range), PercentY(plot, ObdPercent(o - 128))});
    }
  }
  return trend;
}

void SeriesOf(Picture& p, const TSterownik& link, const PlotGeometry& plot, const Series& series) {
  const int range = TimeRange(link.ZakresMnoznika());
  const bool kavi = link.Czy_KAVI();
  const std::vector<Point> trend =
      kavi ? ObdPoints(link, plot, series, range) : LoadPoints(p, link, plot, series, range);
  if (trend.size() < 3) return;
  std::vector<Point> line = DopasujWielomian(trend, trend.size() < 9 ? 1 : 2, plot);
  if (line.size() >= 2) p.Add(Polyline{std::move(line), series.colour, kavi ? 1 : 4});
}

// The deviation's points that the regression and the advice rest on.
struct DeviationPoints {
  std::vector<Point> fitted;
  int highLoad = 0;
  int low = 0;
  void Count(int c, int r) {
    highLoad += r > 8;
    low += c < 6 && r < 6;
  }
};

// Petrol time less gas time: 4 ms of deviation is a tenth of the plot.
DeviationPoints TimeDeviation(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                              const ChartColours& colours, bool shown, int range) {
  const int zero = Baseline(plot, 0.2);
  DeviationPoints d;
  for (int c = 0; c < setting::kMapSize; ++c) {
    for (int r = 0; r < setting::kMapSize; ++r) {
      const int petrol = MapCell(link, img::MapaEcuBen, c, r);
      const int gas = MapCell(link, img::MapaEcuGaz, c, r);
      if (petrol == 0 || gas == 0) continue;
      const Point at{TimeX(plot, petrol, range), zero - (petrol - gas) * plot.h / 400};
      if (shown) p.Add(Dot(at.x, at.y, colours.grid));
      if (r == 15 && c > 8) continue;
      if (petrol > 0.9 * range || gas > 0.9 * range) continue;
      // Every column counts towards the advice; the line is fitted to those up to 12 only.
      d.Count(c, r);
      if (c <= 12) d.fitted.push_back(at);
    }
  }
  return d;
}

DeviationPoints ObdDeviation(const TSterownik& link, const PlotGeometry& plot, int range) {
  const int petrolObd = ObdArea(link, kPetrolSeries);
  const int gasObd = ObdArea(link, kGasSeries);
  DeviationPoints d;
  for (int c = 0; c < setting::kMapSize; ++c) {
    for (int r = 0; r < setting::kMapSize; ++r) {
      if (r <= 8 && c >= 8) continue;
      const int petrol = MapCell(link, img::MapaEcuBen, c, r);
      const int e = MapCell(link, petrolObd, c, r);
      const int f = MapCell(link, gasObd, c, r);
      if (petrol > 0 && petrol <= range && e > 0 && f > 0) {
        d.Count(c, r);
        d.fitted.push_back({TimeX(plot, petrol, range), PercentY(plot, ObdPercent(e - f))});
      }
    }
  }
  return d;
}

Text Advice(Point at, const std::string& text, Align align = Align::Left) {
  Text advice{at, text, kBlack, 8, align};
  advice.hasBackground = true;
  advice.background = kLabelBox;
  return advice;
}

std::string AdviceText(bool lean, int action) {
  return " " + LangText(lean ? 1710 : 1711) + " " + LangText(action);
}

// Plain-language advice from the regression: on idle where the petrol-time marker stands, and
// for the multiplier from the line's slope.
void AdviceOf(Picture& p, const TSterownik& link, const PlotGeometry& plot, const LineFit& fit,
              int zero, int tolerance, bool pointsShown, const TextWidth& width) {
  const int range = TimeRange(link.ZakresMnoznika());
  const int xm = MarkerX(plot, link.Nastawy()[setting::kPetrolMarker], range);
  const int ym = static_cast<int>(fit.At(xm));
  const int d = ym - zero;
  if (d > tolerance || d < -tolerance) {
    const bool lean = d > tolerance;
    const std::string text = AdviceText(lean, lean ? 1736 : 1735);
    const int x = std::max(xm - width(text, 8) / 2, plot.x0);
    p.Add(Advice({x, lean ? ym + 8 : ym - 20}, text));
  }
  if (fit.slope > 0.04 || fit.slope < -0.04) {
    const bool raise = fit.slope > 0.04;
    const int y = !pointsShown ? plot.yb + plot.h / 4 - plot.h
                  : raise      ? fit.to.y + 8
                               : fit.to.y - 20;
    p.Add(Advice({fit.to.x, y}, AdviceText(raise, raise ? 1734 : 1733), Align::Right));
  }
}

void Deviation(Picture& p, const TSterownik& link, const PlotGeometry& plot,
               const ChartColours& colours, const InjectionMapOptions& options,
               const TextWidth& width) {
  const int range = TimeRange(link.ZakresMnoznika());
  const bool kavi = link.Czy_KAVI();
  const DeviationPoints d =
      kavi ? ObdDeviation(link, plot, range)
           : TimeDeviation(p, link, plot, colours, options.deviationPoints, range);
  if (d.fitted.size() < 3) return;
  // An earlier drawing's line must not stand in for one these points cannot give.
  const std::optional<LineFit> fit = DopasujProsta(d.fitted, plot);
  if (!fit) return;
  if (kavi || options.deviationPoints) p.Add(Line{fit->from, fit->to, kDeviation, kavi ? 4 : 3});
  if (d.highLoad > 6 || d.low > 6)
    AdviceOf(p, link, plot, *fit, Baseline(plot, kavi ? 0.5 : 0.2), kavi ? 21 : 3,
             options.deviationPoints, width);
}

Point NodePixel(const MultiplierNodes& n, const PlotGeometry& plot, int i) {
  const int value = n.Shown(i);
  const double x = n.x[static_cast<size_t>(i)] * plot.w / static_cast<double>(n.range) + plot.x0;
  const double y =
      n.extended ? plot.yb - value * plot.h * 0.004 : plot.yb - (value - 50) * plot.h * 0.01;
  return {static_cast<int>(x + 1), static_cast<int>(y + 1)};
}

void FlatnessWarning(Picture& p, const PlotGeometry& plot, const TextWidth& width) {
  const std::string text = "  " + LangText(1738) + "  ";
  const int w = width(text, 10);
  const int x = plot.x0 + (plot.w - w) / 2;
  const int y = plot.Top() + 5;
  p.Add(Rect{x, y - 4, x + w, y + 20, Rgb(255, 160, 160)});
  p.Add(Text{{x, y}, text, kBlack, 10});
}

void Multiplier(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                const ChartColours& colours, const InjectionMapOptions& options,
                const TextWidth& width) {
  MultiplierNodes n = NodesInView(link);
  n.range = TimeRange(n.range);
  int lowest = n.Shown(0), highest = lowest;
  std::vector<ShownNode> shown;
  for (int i = 0; i < multiplier::kNodes; ++i) {
    if (!n.Present(i)) continue;
    lowest = std::min(lowest, n.Shown(i));
    highest = std::max(highest, n.Shown(i));
    if (n.x[static_cast<size_t>(i)] <= n.range) shown.push_back({i, NodePixel(n, plot, i)});
  }
  NodeLine(p, shown, colours, options.selectedNode, options.focused);
  if (highest - lowest > 9) FlatnessWarning(p, plot, width);
  if (!options.focused) return;
  const char separator = link.DecimalSeparator();
  for (const ShownNode& node : shown)
    if (node.index == options.selectedNode)
      NodeLabel(p, node.at, NodePositionText(n.x[static_cast<size_t>(node.index)], separator),
                NodeValueText(n.Shown(node.index), separator));
}

}  // namespace

Picture InjectionMapData(const TSterownik& link, const PlotGeometry& plot,
                         const ChartColours& colours, const InjectionMapOptions& options,
                         const TextWidth& width) {
  Picture p;
  AdaptationCaption(p, link, plot, colours);
  SeriesOf(p, link, plot, kPetrolSeries);
  SeriesOf(p, link, plot, kGasSeries);
  Deviation(p, link, plot, colours, options, width);
  Multiplier(p, link, plot, colours, options, width);
  return p;
}

}  // namespace chart
