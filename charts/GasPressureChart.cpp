#include "charts/GasPressureChart.h"

#include <algorithm>
#include <string>

#include "charts/DiagnosticFrame.h"
#include "charts/Fitting.h"
#include "charts/RecordingSignals.h"
#include "charts/Scatter.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {

namespace {

constexpr int kEngineType = 10;  // setting; 0 naturally aspirated

constexpr double kAspiratedScale = 2.4;  // bar
constexpr double kChargedScale = 4.0;
constexpr int kAspiratedDivisions = 12;
constexpr int kChargedDivisions = 8;

constexpr double kHighestPressure = 4.3;
constexpr int kTopRpm = 8000;
constexpr double kLongestTime = 50.0;  // ms
constexpr int kCycleMsRpm = 120000;    // two turns of the crankshaft, in ms at 1 rpm
constexpr int kFullFlow = 100;         // per cent

constexpr int kTrendDegree = 3;
constexpr size_t kFewestTrendPoints = 4;
constexpr int kTrendWidth = 3;

constexpr uint32_t kAbsolute = Rgb(0, 0, 255);
constexpr uint32_t kGasRed = Rgb(255, 0, 0);
enum ScatterColour { kAbsoluteDot, kGasDot };

// Shown the same in every language.
constexpr const char* kFlowTitle = "Przepływ / moc [%]";
constexpr int kPressureTitle = 1707;

double FullScale(const uint8_t* settings) {
  return settings[kEngineType] == 0 ? kAspiratedScale : kChargedScale;
}

// What one record says: the pressures in bar, the flow in per cent of the cycle.
struct Reading {
  double gas = 0.0;
  double absolute = 0.0;
  double flow = 0.0;
};

std::optional<Reading> ReadingOf(const TSterownik& link, std::span<const uint8_t> record) {
  const std::optional<int> gasRaw = WordAt(record, status_frame::kGasPressure);
  const std::optional<int> absoluteRaw = WordAt(record, status_frame::kAbsoluteGasPressure);
  const std::optional<int> rpmRaw = WordAt(record, status_frame::kRpmTens);
  const std::optional<int> timeRaw = WordAt(record, status_frame::kFirstGasTime);
  if (!gasRaw || !absoluteRaw || !rpmRaw || !timeRaw) return std::nullopt;
  Reading r{*gasRaw * 0.01, *absoluteRaw * 0.01};
  const int rpm = *rpmRaw * 10;
  const double ms = *timeRaw * 0.004;
  if (r.gas == 0 || r.gas > kHighestPressure) return std::nullopt;
  if (rpm < 1 || rpm > kTopRpm || ms == 0 || ms > kLongestTime) return std::nullopt;
  const int cycleMs = kCycleMsRpm / rpm;  // at least 15 within the speeds taken
  r.flow = ms * 100 / cycleMs * link.ObliczKorekteCis(r.absolute);
  return r;
}

int PressureRow(const PlotGeometry& plot, double bar, double fullScale) {
  return static_cast<int>(plot.yb - plot.h * bar / fullScale);
}

// The trend through the per-cent means of one pressure, when there are enough of them.
void AddTrend(Picture& picture, const GasPressureSummary& s, const PlotGeometry& plot,
              std::optional<double> (PressureBin::*mean)() const, uint32_t colour) {
  std::vector<Point> points;
  for (int j = 1; j < kFullFlow; ++j) {
    const std::optional<double> m = (s.bins[static_cast<size_t>(j)].*mean)();
    if (m)
      points.push_back(
          {static_cast<int>(plot.x0 + plot.w * j * 0.01), PressureRow(plot, *m, s.fullScale)});
  }
  if (points.size() < kFewestTrendPoints) return;
  std::vector<Point> trend = DopasujWielomian(points, kTrendDegree, plot);
  if (trend.size() > 1) picture.Add(Polyline{std::move(trend), colour, kTrendWidth});
}

void AddCaption(Picture& picture, const PlotGeometry& plot, const ChartColours& colours, int below,
                const char* caption, uint32_t colour) {
  picture.Add(Text{{plot.Right() - 40, plot.Top() + below},
                   caption,
                   colour,
                   8,
                   Align::Left,
                   false,
                   true,
                   colours.plotBackground});
}

}  // namespace

std::optional<double> PressureBin::AbsoluteMean() const {
  if (records == 0) return std::nullopt;
  return absoluteSum / records;
}

std::optional<double> PressureBin::GasMean() const {
  if (records == 0) return std::nullopt;
  return gasSum / records;
}

GasPressureSummary SummariseGasPressure(const TSterownik& link, const PlotGeometry& plot) {
  GasPressureSummary s;
  s.fullScale = FullScale(link.Nastawy());
  Scatter scatter(plot.width, plot.height, {kAbsolute, kGasRed});
  const RecordSpan records = UsableRecords(link);
  for (int i = 0; i < records.count; ++i) {
    const std::optional<Reading> r = ReadingOf(link, records.At(i));
    if (!r) continue;
    const int x = static_cast<int>(
        std::min(plot.x0 + plot.w * r->flow * 0.01, static_cast<double>(plot.Right())));
    scatter.Set(x, std::max(PressureRow(plot, r->absolute, s.fullScale), plot.Top()), kAbsoluteDot);
    scatter.Set(x, std::max(PressureRow(plot, r->gas, s.fullScale), plot.Top()), kGasDot);
    ++s.records;
    // A flow beyond the whole cycle is drawn at the edge but says nothing of the trend.
    if (r->flow >= kFullFlow) continue;
    PressureBin& bin = s.bins[static_cast<size_t>(r->flow)];
    ++bin.records;
    bin.absoluteSum += r->absolute;
    bin.gasSum += r->gas;
  }
  s.scatter = scatter.Layers();
  return s;
}

Picture GasPressureBackground(const TSterownik& link, const PlotGeometry& plot,
                              const ChartColours& colours) {
  Picture picture;
  DiagnosticFrame frame(picture, plot, colours);
  frame.Box();
  for (int i = 0; i < 10; ++i)
    frame.VerticalGridLine(plot.X(i, 0, 10));
  for (int i = 0; i <= 10; ++i)
    frame.BottomTick(plot.X(i, 0, 10), std::to_string(i * 10));
  frame.BottomTitle(kFlowTitle);
  const double fullScale = FullScale(link.Nastawy());
  const int n = link.Nastawy()[kEngineType] == 0 ? kAspiratedDivisions : kChargedDivisions;
  for (int k = 1; k < n; ++k)
    frame.HorizontalGridLine(plot.Y(k, 0, n));
  for (int k = 0; k <= n; ++k)
    frame.LeftTick(plot.Y(k, 0, n), FormatNumber(fullScale / n * k, 0, link.DecimalSeparator()));
  frame.LeftTitle(LangText(kPressureTitle));
  return picture;
}

Picture GasPressureData(const TSterownik& link, const PlotGeometry& plot,
                        const ChartColours& colours) {
  const GasPressureSummary summary = SummariseGasPressure(link, plot);
  Picture picture;
  AddPixels(picture, summary.scatter);
  AddTrend(picture, summary, plot, &PressureBin::AbsoluteMean, kAbsolute);
  AddTrend(picture, summary, plot, &PressureBin::GasMean, kGasRed);
  AddCaption(picture, plot, colours, 10, "ABS", kAbsolute);
  AddCaption(picture, plot, colours, 25, "DIF", kGasRed);
  return picture;
}

}  // namespace chart
