#include "charts/InjectionTimesChart.h"

#include <algorithm>
#include <string>

#include "charts/CheckMark.h"
#include "charts/DiagnosticFrame.h"
#include "charts/RecordingSignals.h"
#include "charts/Scatter.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {

namespace {

// Settings the chart reads.
constexpr int kPetrolInjectionType = 8;  // 0 sequential, 1 semi-sequential, 2 full group
constexpr int kInjectorPeakTime = 25;    // 0.1 ms

// The family's chart definitions of the signals drawn.
constexpr int kEngineSpeed = 1;
constexpr int kGasPressureSignal = 4;
constexpr int kPetrolTime = 23;  // of the first channel
constexpr int kGasTime = 24;

constexpr int kTopRpm = 8000;
constexpr int kTopMs = 30;
constexpr int kTopPressure = 150;  // hundredths of a bar on the right axis
constexpr double kHighestPressure = 4.3;
constexpr double kShortestTime = 0.99;
constexpr double kLongestTime = 50.0;
constexpr int kMeanAfter = 100;  // records

// The scatter's colours, by their index in it.
enum ScatterColour { kPressureDot, kPetrolDot, kGasDot };

// The fixed texts.
constexpr int kSpeedName = 1400;
constexpr int kRpmUnit = 1056;
constexpr int kTimeTitle = 1703;
constexpr int kPressureTitle = 1707;
constexpr int kMaximumTimeNote = 1730;
constexpr int kPerCycleNote = 1731;
constexpr int kOpeningLimitNote = 1732;
constexpr int kPetrolName = 1700;
constexpr int kGasName = 1701;
constexpr int kGasPressureName = 1406;

constexpr int kNotePoints = 10;

int TimeRow(const PlotGeometry& plot, double ms) {
  return static_cast<int>(plot.yb - plot.h * ms / kTopMs);
}

int PressureRow(const PlotGeometry& plot, double bar) {
  return static_cast<int>(plot.yb - plot.h * bar * 2 / 3);
}

// The injection times of one record that the chart draws.
struct Sample {
  double pressure = 0.0;
  double petrol = 0.0;
  double gas = 0.0;
};

bool Plausible(double ms) {
  return ms >= kShortestTime && ms <= kLongestTime;
}

class Scan {
 public:
  Scan(const TSterownik& link, const PlotGeometry& plot, bool gasPressure)
      : plot_(plot),
        gasPressure_(gasPressure),
        speed_(link.ListaWykresow(), kEngineSpeed),
        pressure_(link.ListaWykresow(), kGasPressureSignal),
        petrol_(link.ListaWykresow(), kPetrolTime),
        gas_(link.ListaWykresow(), kGasTime),
        scatter_(plot.width, plot.height, {kGasPressure, kPetrol, kGas}) {}

  InjectionTimesSummary Run(const RecordSpan& records, DiagnosticState& state) {
    for (int i = 0; i < records.count; ++i)
      Record(records.At(i), state);
    summary_.scatter = scatter_.Layers();
    return std::move(summary_);
  }

 private:
  void Record(std::span<const uint8_t> record, DiagnosticState& state) {
    const std::optional<double> speed = speed_.In(record);
    const std::optional<int> rpm = speed ? Truncated(*speed) : std::nullopt;
    if (!rpm) return;
    state.smoothedRpm = static_cast<int>((int64_t{state.smoothedRpm} + *rpm) / 2);
    if (state.smoothedRpm <= 0 || state.smoothedRpm > kTopRpm) return;
    const std::optional<Sample> sample = SampleOf(record);
    if (!sample) return;
    const int x = static_cast<int>(plot_.w * state.smoothedRpm * 0.000125 + plot_.x0);
    Draw(x, *sample);
  }

  std::optional<Sample> SampleOf(std::span<const uint8_t> record) const {
    const std::optional<double> p = pressure_.In(record);
    const std::optional<double> tb = petrol_.In(record);
    const std::optional<double> tg = gas_.In(record);
    if (!p || !tb || !tg) return std::nullopt;
    if (!(*p > 0 && *p <= kHighestPressure) || !Plausible(*tb) || !Plausible(*tg))
      return std::nullopt;
    return Sample{*p, *tb, *tg};
  }

  void Draw(int x, const Sample& s) {
    const int yp = std::max(PressureRow(plot_, s.pressure), plot_.Top());
    const int yb = TimeRow(plot_, s.petrol) & ~1;
    const int yg = TimeRow(plot_, s.gas) & ~1;
    if (gasPressure_) scatter_.Set(x, yp, kPressureDot);
    // Petrol on even rows, gas on odd ones: neither hides the other.
    if (s.petrol < kTopMs) scatter_.Set(x, yb, kPetrolDot);
    if (s.gas < kTopMs) scatter_.Set(x, yg + 1, kGasDot);

    InjectionTimesSummary& m = summary_;
    ++m.records;
    m.rightmostX = std::max(m.rightmostX, x);
    if (!m.pressureMin || s.pressure < m.pressureMin->bar) m.pressureMin = {s.pressure, {x, yp}};
    m.pressureSum += s.pressure;
    Track(m.petrolMin, m.petrolMax, {s.petrol, yb});
    Track(m.gasMin, m.gasMax, {s.gas, yg});
  }

  static void Track(std::optional<MarkedTime>& low, std::optional<MarkedTime>& high,
                    MarkedTime time) {
    if (!low || time.ms < low->ms) low = time;
    if (!high || time.ms > high->ms) high = time;
  }

  const PlotGeometry& plot_;
  const bool gasPressure_;
  const DefinitionSignal speed_, pressure_, petrol_, gas_;
  Scatter scatter_;
  InjectionTimesSummary summary_;
};

// The longest time one injection may take: the time the engine needs for the cycles one
// injection serves, at each speed of the axis.
void AddLimitCurves(Picture& picture, const uint8_t* settings, const PlotGeometry& plot,
                    const ChartColours& colours) {
  const int type = settings[kPetrolInjectionType];
  std::vector<int> constants;
  if (type < 2) constants.push_back(120000);
  if (type != 0) constants.push_back(60000);
  if (type == 2) constants.push_back(30000);
  for (const int k : constants) {
    Polyline curve{{}, colours.grid, 2};
    for (int n = kTopRpm; n > 0 && double(k) / n <= kTopMs; n -= 10)
      curve.points.push_back({plot.X(n, 0, kTopRpm), TimeRow(plot, double(k) / n)});
    picture.Add(std::move(curve));
  }
  // An injector needs its peak-current time to open at all; below about that, no gas flows.
  const int y = TimeRow(plot, 0.8 * (settings[kInjectorPeakTime] * 0.1));
  picture.Add(Line{{plot.x0, y}, {plot.Right(), y}, colours.grid, 2});
}

void AddNotes(Picture& picture, const PlotGeometry& plot, const ChartColours& colours,
              const TextWidth& width) {
  const int right = plot.Right() - 2;
  const std::string first = LangText(kMaximumTimeNote);
  const std::string second = LangText(kPerCycleNote);
  const int x = right - std::max(width(first, kNotePoints), width(second, kNotePoints));
  picture.Add(Text{{x, plot.Top()}, first, colours.diagnosticText, kNotePoints});
  picture.Add(Text{{x, plot.Top() + 15}, second, colours.diagnosticText, kNotePoints});
  picture.Add(Text{{right, plot.yb - 15},
                   LangText(kOpeningLimitNote),
                   colours.diagnosticText,
                   kNotePoints,
                   Align::Right});
}

void AddLegend(Picture& picture, const PlotGeometry& plot, const ChartColours& colours,
               const DiagnosticOptions& options) {
  const int x = plot.Right() - 100;
  auto entry = [&](int y, int name, uint32_t colour) {
    picture.Add(Text{{x, y},
                     "----" + LangText(name),
                     colour,
                     8,
                     Align::Left,
                     false,
                     true,
                     colours.plotBackground});
  };
  entry(plot.yb - 90, kPetrolName, kPetrol);
  entry(plot.yb - 75, kGasName, kGas);
  if (!options.AdminExtras()) return;
  entry(plot.yb - 60, kGasPressureName, kGasPressure);
  picture.Append(CheckMark(GasPressureCheckCentre(plot), options.showGasPressure, colours));
}

void AddText(Picture& picture, Point at, std::string text, uint32_t colour) {
  picture.Add(Text{at, std::move(text), colour});
}

void AddPressureMarks(Picture& picture, const InjectionTimesSummary& s, const PlotGeometry& plot,
                      char separator) {
  if (!s.pressureMin) return;
  const LowPressure& low = *s.pressureMin;
  picture.Add(Line{{plot.Right(), low.at.y}, low.at, kGasPressure});
  AddText(picture, {plot.Right() - 26, low.at.y}, FormatNumber(low.bar, 2, separator),
          kGasPressure);
  const std::optional<double> mean = s.PressureMean();
  if (!mean) return;
  const int ym = PressureRow(plot, *mean);
  picture.Add(Line{{plot.Right(), ym}, {low.at.x, ym}, kGasPressure});
  AddText(picture, {plot.Right() - 26, ym - 13}, FormatNumber(*mean, 2, separator), kGasPressure);
  AddText(picture, {plot.Right() - 70, low.at.y},
          "(" + FormatNumber(low.bar - *mean, 2, separator) + ")", kGasPressure);
}

void AddTimeLine(Picture& picture, const PlotGeometry& plot, int rightmostX, int y,
                 uint32_t colour) {
  picture.Add(Line{{plot.x0, y}, {rightmostX, y}, colour});
}

void AddTimeMarks(Picture& picture, const InjectionTimesSummary& s, const PlotGeometry& plot,
                  char separator) {
  if (!s.petrolMin || !s.gasMin) return;
  const MarkedTime petrol[] = {*s.petrolMin, *s.petrolMax};
  const MarkedTime gas[] = {*s.gasMin, *s.gasMax};
  const std::optional<double> ratios[] = {s.ShortestRatio(), s.LongestRatio()};
  for (int i = 0; i < 2; ++i) {
    const int yb = petrol[i].y;
    AddTimeLine(picture, plot, s.rightmostX, yb, kPetrol);
    AddText(picture, {plot.x0 + 2, yb}, FormatNumber(petrol[i].ms, 2, separator), kPetrol);
    // A gas line on the petrol line would hide it.
    const int yg = gas[i].y == yb ? yb - 1 : gas[i].y;
    AddTimeLine(picture, plot, s.rightmostX, yg, kGas);
    AddText(picture, {plot.x0 + 2, yg - 13}, FormatNumber(gas[i].ms, 2, separator), kGas);
    if (ratios[i])
      AddText(picture, {plot.x0 + 32, yg - 13}, "(*" + FormatNumber(*ratios[i], 2, separator) + ")",
              kGas);
  }
}

}  // namespace

std::optional<double> InjectionTimesSummary::PressureMean() const {
  if (records <= kMeanAfter) return std::nullopt;
  return pressureSum / records;
}

std::optional<double> InjectionTimesSummary::ShortestRatio() const {
  if (!petrolMin || !gasMin) return std::nullopt;
  return gasMin->ms / petrolMin->ms;  // petrol times start at 0.99 ms
}

std::optional<double> InjectionTimesSummary::LongestRatio() const {
  if (!petrolMax || !gasMax) return std::nullopt;
  return gasMax->ms / petrolMax->ms;
}

InjectionTimesSummary SummariseInjectionTimes(const TSterownik& link, const PlotGeometry& plot,
                                              bool gasPressure, DiagnosticState& state) {
  return Scan(link, plot, gasPressure).Run(UsableRecords(link), state);
}

Point GasPressureCheckCentre(const PlotGeometry& plot) {
  return {plot.Right() - 110, plot.yb - 53};
}

Picture InjectionTimesBackground(const TSterownik& link, const PlotGeometry& plot,
                                 const ChartColours& colours, const DiagnosticOptions& options,
                                 const TextWidth& width) {
  Picture picture;
  DiagnosticFrame frame(picture, plot, colours);
  frame.Box();
  for (int rpm = 1000; rpm <= 7000; rpm += 1000)
    frame.VerticalGridLine(plot.X(rpm, 0, kTopRpm));
  for (int rpm = 0; rpm <= kTopRpm; rpm += 1000)
    frame.BottomTick(plot.X(rpm, 0, kTopRpm), std::to_string(rpm));
  frame.BottomTitle(LangText(kSpeedName) + LangText(kRpmUnit));
  for (int k = 1; k <= 5; ++k)
    frame.HorizontalGridLine(plot.Y(k, 0, 6));
  for (int ms = 0; ms <= kTopMs; ms += 5)
    frame.LeftTick(plot.Y(ms, 0, kTopMs), std::to_string(ms));
  frame.LeftTitle(LangText(kTimeTitle));
  if (options.AdminExtras()) {
    for (int v = 25; v <= kTopPressure; v += 25)
      frame.RightTick(plot.Y(v, 0, kTopPressure),
                      FormatNumber(v * 0.01, 0, link.DecimalSeparator()));
    frame.RightTitle(LangText(kPressureTitle), plot.Right() + 25);
  }
  AddLimitCurves(picture, link.Nastawy(), plot, colours);
  AddNotes(picture, plot, colours, width);
  AddLegend(picture, plot, colours, options);
  return picture;
}

Picture InjectionTimesData(const TSterownik& link, const PlotGeometry& plot,
                           const DiagnosticOptions& options, DiagnosticState& state) {
  const bool gasPressure = options.GasPressureDrawn();
  const InjectionTimesSummary summary = SummariseInjectionTimes(link, plot, gasPressure, state);
  Picture picture;
  AddPixels(picture, summary.scatter);
  if (gasPressure) AddPressureMarks(picture, summary, plot, link.DecimalSeparator());
  AddTimeMarks(picture, summary, plot, link.DecimalSeparator());
  return picture;
}

}  // namespace chart
