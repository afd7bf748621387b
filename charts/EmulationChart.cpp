#include "charts/EmulationChart.h"

#include <algorithm>

#include "charts/DiagnosticFrame.h"
#include "charts/RecordingSignals.h"
#include "charts/Scatter.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {

namespace {

// Settings of the emulation.
constexpr int kOffset = 18;  // 128 = none, 0.01 V a unit
constexpr int kSlope = 19;   // 1/32 a unit
constexpr int kFloor = 75;   // 0.02 V a unit
constexpr int kCap = 76;     // 0.02 V a unit; only above the floor

// The family's chart definitions of the signals drawn.
constexpr int kWorkState = 0;  // its first byte; 0 on petrol
constexpr int kRealSignal = 9;
constexpr int kEmulatedSignal = 11;

constexpr int kSteps = 256;
constexpr double kStepVolts = 0.02;
constexpr double kFullScaleVolts = 5.12;
constexpr double kPerVolt = 0.1953125;  // of the plot, 1 / 5.12
constexpr double kNoCapVolts = 5.1;
constexpr int kCurveWidth = 3;

constexpr uint32_t kRecordedRed = Rgb(255, 0, 0);

// The fixed texts.
constexpr int kLambdaName = 1420;
constexpr int kVoltUnit = 1050;
constexpr int kFuelPressureName = 1440;
constexpr int kEmulationName = 1436;

double PlotX(const PlotGeometry& plot, double volts) {
  return plot.w * volts * kPerVolt + plot.x0;
}

double PlotY(const PlotGeometry& plot, double volts) {
  return plot.yb - plot.h * volts * kPerVolt;
}

void Characteristic(const uint8_t* settings, EmulationSummary& s) {
  s.slope = settings[kSlope] * 0.03125;
  s.offset = (settings[kOffset] - 128) * 0.01;
  s.floor = settings[kFloor] * kStepVolts;
  s.cap = settings[kCap] > settings[kFloor] ? settings[kCap] * kStepVolts : kNoCapVolts;
  if (s.slope == 0) return;
  for (int i = 0; i < kSteps; ++i) {
    const double g = i * kStepVolts;
    double h = std::clamp(s.slope * g + s.offset, 0.0, kFullScaleVolts);
    if (h < s.floor) h = s.floor;
    if (h > s.cap) h = s.cap;
    s.characteristic.push_back({g, h});
  }
}

// Each recorded pair as a dot of four pixels.
void RecordedPairs(const TSterownik& link, const PlotGeometry& plot, EmulationSummary& s) {
  const auto& definitions = link.ListaWykresow();
  const DefinitionSignal state(definitions, kWorkState);
  const DefinitionSignal real(definitions, kRealSignal);
  const DefinitionSignal emulated(definitions, kEmulatedSignal);
  Scatter scatter(plot.width, plot.height, {kRecordedRed});
  const RecordSpan records = UsableRecords(link);
  for (int i = 0; i < records.count; ++i) {
    const std::span<const uint8_t> record = records.At(i);
    if (state.FirstByteIn(record) != 0) continue;
    const std::optional<double> u = real.In(record);
    const std::optional<double> v = emulated.In(record);
    if (!u || !v) continue;
    const double px = PlotX(plot, *u);
    const double py = PlotY(plot, *v);
    const std::optional<int> x0 = Truncated(px), x1 = Truncated(px + 1);
    const std::optional<int> y0 = Truncated(py), y1 = Truncated(py + 1);
    if (!x0 || !x1 || !y0 || !y1) continue;
    ++s.petrolRecords;
    for (const Point p : {Point{*x0, *y0}, Point{*x1, *y0}, Point{*x1, *y1}, Point{*x0, *y1}})
      scatter.Set(p.x, p.y, 0);
  }
  s.scatter = scatter.Layers();
}

}  // namespace

EmulationSummary SummariseEmulation(const TSterownik& link, const PlotGeometry& plot) {
  EmulationSummary s;
  RecordedPairs(link, plot, s);
  Characteristic(link.Nastawy(), s);
  return s;
}

Picture EmulationBackground(const TSterownik& link, const PlotGeometry& plot,
                            const ChartColours& colours) {
  const char separator = link.DecimalSeparator();
  Picture picture;
  DiagnosticFrame frame(picture, plot, colours);
  frame.Box();
  for (int v = 50; v <= 250; v += 50)
    frame.VerticalGridLine(plot.X(v, 0, kSteps));
  for (int v = 50; v <= 250; v += 50)
    frame.BottomTick(plot.X(v, 0, kSteps), FormatNumber(v * kStepVolts, 0, separator));
  frame.BottomTitle(LangText(kLambdaName) + " " + LangText(kVoltUnit));
  for (int k = 50; k <= 250; k += 50)
    frame.HorizontalGridLine(plot.Y(k, 0, kSteps));
  for (int k = 50; k <= 250; k += 50)
    frame.LeftTick(plot.Y(k, 0, kSteps), FormatNumber(k * kStepVolts, 0, separator));
  frame.LeftTitle(LangText(kFuelPressureName) + " / " + LangText(kEmulationName) + " " +
                  LangText(kVoltUnit));
  return picture;
}

Picture EmulationData(const TSterownik& link, const PlotGeometry& plot,
                      const ChartColours& colours) {
  const EmulationSummary summary = SummariseEmulation(link, plot);
  Picture picture;
  AddPixels(picture, summary.scatter);
  if (summary.characteristic.empty()) {
    picture.Add(Line{{plot.x0, plot.yb}, {plot.Right(), plot.yb}, colours.curve, kCurveWidth});
    return picture;
  }
  Polyline curve{{}, colours.curve, kCurveWidth};
  for (const EmulationPoint& p : summary.characteristic)
    curve.points.push_back(
        {static_cast<int>(PlotX(plot, p.input)), static_cast<int>(PlotY(plot, p.output))});
  picture.Add(std::move(curve));
  return picture;
}

}  // namespace chart
