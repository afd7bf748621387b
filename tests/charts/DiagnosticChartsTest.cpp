// The charts worked out from a scope recording: records built here with known speeds, times and
// pressures, and the pixels, lines and labels they must give.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "charts/DiagnosticCharts.h"
#include "charts/EmulationChart.h"
#include "charts/GasPressureChart.h"
#include "charts/InjectionTimesChart.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/PictureShapes.h"

namespace chart {
namespace {

constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kBlue = Rgb(0, 0, 255);

// A status frame as the scope keeps it.
struct Frame {
  std::array<uint8_t, 128> bytes{};

  Frame& Byte(int offset, int value) {
    bytes[static_cast<size_t>(offset)] = static_cast<uint8_t>(value);
    return *this;
  }
  Frame& Word(int offset, int value) {
    return Byte(offset, value & 0xFF).Byte(offset + 1, value >> 8);
  }
};

// Raw units: speed in tens of rpm, pressure in hundredths of a bar, times in 4 µs.
Frame InjectionRecord(int rpmTens, int pressure, int petrol, int gas) {
  return Frame{}.Word(17, rpmTens).Word(48, pressure).Word(60, petrol).Word(62, gas);
}

Frame FlowRecord(int rpmTens, int absolute, int gasPressure, int gasTime) {
  return Frame{}.Word(17, rpmTens).Word(46, absolute).Word(48, gasPressure).Word(62, gasTime);
}

std::vector<Point> PixelsOf(const Picture& picture, uint32_t colour) {
  std::vector<Point> points;
  for (const Pixels& layer : All<Pixels>(picture))
    if (layer.colour == colour)
      points.insert(points.end(), layer.points.begin(), layer.points.end());
  return points;
}

std::vector<std::string> TextsOf(const Picture& picture) {
  std::vector<std::string> texts;
  for (const Text& t : All<Text>(picture))
    texts.push_back(t.text);
  return texts;
}

std::optional<Text> FindText(const Picture& picture, const std::string& text) {
  for (const Text& t : All<Text>(picture))
    if (t.text == text) return t;
  return std::nullopt;
}

bool HasLine(const Picture& picture, Point from, Point to, uint32_t colour) {
  const auto lines = All<Line>(picture);
  return std::any_of(lines.begin(), lines.end(), [&](const Line& l) {
    return l.from == from && l.to == to && l.colour == colour;
  });
}

class DiagnosticChartsTest : public testing::Test {
 protected:
  DiagnosticChartsTest() { Texts().LanguageIndex = 0; }

  void Add(const Frame& frame, int times = 1) {
    for (int i = 0; i < times; ++i)
      link.DodajRekord(frame.bytes);
  }
  void Setting(int n, int value) { LinkTestAccess::Nastawy(link)[n] = static_cast<uint8_t>(value); }

  Picture Background(int kind) {
    return DiagnosticBackground(kind, link, plot, colours, options, TextWidthEstimate);
  }
  Picture Data(int kind) {
    return DiagnosticData(kind, link, plot, colours, options, state, TextWidthEstimate);
  }

  OfflineLink offline;
  TSterownik& link = offline.link;
  // Plot from x 40 to 840 and from row 25 to 325: 800 by 300 pixels.
  const PlotGeometry plot = PlotGeometryFor(880, 363, kInjectionTimesKind);
  const ChartColours colours;
  DiagnosticOptions options;
  DiagnosticState state;
};

// ---- Kind 17: injection times against the engine speed ----

TEST_F(DiagnosticChartsTest, InjectionTimesPlacePetrolOnEvenAndGasOnOddRows) {
  state.smoothedRpm = 2000;                    // as a drive at 2000 rpm leaves it
  Add(InjectionRecord(200, 100, 1250, 1500));  // 1.00 bar, 5 ms petrol, 6 ms gas
  Add(InjectionRecord(200, 120, 2500, 2750));  // 1.20 bar, 10 ms, 11 ms
  const Picture data = Data(kInjectionTimesKind);

  // x = 40 + 800 * 2000 / 8000; y = 325 - 300 * t / 30 with its lowest bit cleared.
  EXPECT_EQ(PixelsOf(data, kPetrol), (std::vector<Point>{{240, 224}, {240, 274}}));
  EXPECT_EQ(PixelsOf(data, kGas), (std::vector<Point>{{240, 215}, {240, 265}}));
  EXPECT_TRUE(PixelsOf(data, kGasPressure).empty());  // not asked for

  EXPECT_TRUE(HasLine(data, {40, 274}, {240, 274}, kPetrol));
  EXPECT_TRUE(HasLine(data, {40, 224}, {240, 224}, kPetrol));
  EXPECT_TRUE(HasLine(data, {40, 264}, {240, 264}, kGas));
  EXPECT_TRUE(HasLine(data, {40, 214}, {240, 214}, kGas));
  EXPECT_EQ(FindText(data, "5.00")->at, (Point{42, 274}));
  EXPECT_EQ(FindText(data, "10.00")->at, (Point{42, 224}));
  EXPECT_EQ(FindText(data, "6.00")->at, (Point{42, 251}));
  EXPECT_EQ(FindText(data, "11.00")->at, (Point{42, 201}));
  EXPECT_EQ(FindText(data, "(*1.20)")->at, (Point{72, 251}));
  EXPECT_EQ(FindText(data, "(*1.10)")->at, (Point{72, 201}));
  EXPECT_EQ(FindText(data, "(*1.20)")->colour, kGas);
  EXPECT_EQ(state.smoothedRpm, 2000);
}

TEST_F(DiagnosticChartsTest, InjectionTimesSmoothTheSpeedAcrossDrawings) {
  Add(InjectionRecord(200, 100, 1250, 1500));
  EXPECT_EQ(PixelsOf(Data(kInjectionTimesKind), kPetrol), (std::vector<Point>{{140, 274}}));
  EXPECT_EQ(state.smoothedRpm, 1000);
  // The next drawing goes on from there: (1000 + 2000) / 2.
  EXPECT_EQ(PixelsOf(Data(kInjectionTimesKind), kPetrol), (std::vector<Point>{{190, 274}}));
  EXPECT_EQ(state.smoothedRpm, 1500);
}

TEST_F(DiagnosticChartsTest, GasLineOnThePetrolLineMovesUpAPixel) {
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1262));  // 5.00 and 5.048 ms: both on row 274
  const Picture data = Data(kInjectionTimesKind);
  EXPECT_TRUE(HasLine(data, {40, 274}, {240, 274}, kPetrol));
  EXPECT_TRUE(HasLine(data, {40, 273}, {240, 273}, kGas));
  EXPECT_EQ(FindText(data, "5.05")->at, (Point{42, 260}));
}

TEST_F(DiagnosticChartsTest, InjectionTimesSkipImplausibleRecords) {
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 0, 1250, 1500));     // no gas pressure
  Add(InjectionRecord(200, 431, 1250, 1500));   // above 4.3 bar
  Add(InjectionRecord(200, 100, 240, 1500));    // petrol 0.96 ms
  Add(InjectionRecord(200, 100, 1250, 12501));  // gas above 50 ms
  Add(InjectionRecord(1700, 100, 1250, 1500));  // smoothed to 9500 rpm: off the axis
  const InjectionTimesSummary summary = SummariseInjectionTimes(link, plot, true, state);
  EXPECT_EQ(summary.records, 0);
  EXPECT_FALSE(summary.petrolMin);
  EXPECT_FALSE(summary.pressureMin);
  for (const Pixels& layer : summary.scatter)
    EXPECT_TRUE(layer.points.empty());
}

TEST_F(DiagnosticChartsTest, TimesBeyondTheAxisAreMarkedButNotDotted) {
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 7500, 8750));  // 30 and 35 ms
  const Picture data = Data(kInjectionTimesKind);
  EXPECT_TRUE(PixelsOf(data, kPetrol).empty());
  EXPECT_TRUE(PixelsOf(data, kGas).empty());
  EXPECT_TRUE(FindText(data, "30.00"));
  EXPECT_TRUE(FindText(data, "35.00"));
}

TEST_F(DiagnosticChartsTest, GasPressureNeedsTheOptionAndTheAdministratorLevel) {
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1500));
  for (const auto& [show, admin, drawn] :
       {std::tuple{true, 0, false}, {false, 2, false}, {true, 1, false}, {true, 2, true}}) {
    options = {show, admin};
    EXPECT_EQ(!PixelsOf(Data(kInjectionTimesKind), kGasPressure).empty(), drawn)
        << show << " " << admin;
  }
}

TEST_F(DiagnosticChartsTest, FewerThan101PressuresShowTheSmallestButNoMean) {
  options = {true, 2};
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1500), 99);
  Add(InjectionRecord(200, 40, 1250, 1500));  // 0.40 bar at row 245
  Picture data = Data(kInjectionTimesKind);
  EXPECT_EQ(PixelsOf(data, kGasPressure), (std::vector<Point>{{240, 125}, {240, 245}}));
  EXPECT_TRUE(HasLine(data, {840, 245}, {240, 245}, kGasPressure));
  EXPECT_EQ(FindText(data, "0.40")->at, (Point{814, 245}));
  EXPECT_EQ(All<Line>(data).size(), 5u);  // four time lines and the smallest pressure
  EXPECT_FALSE(FindText(data, "0.99"));

  // One more makes 101: the mean of 100 x 1.00 and 0.40 bar, and its distance to the smallest.
  Add(InjectionRecord(200, 100, 1250, 1500));
  data = Data(kInjectionTimesKind);
  const int meanRow = static_cast<int>(325 - 300 * (100.4 / 101) * 2 / 3);
  EXPECT_TRUE(HasLine(data, {840, meanRow}, {240, meanRow}, kGasPressure));
  EXPECT_EQ(FindText(data, "0.99")->at, (Point{814, meanRow - 13}));
  EXPECT_EQ(FindText(data, "(-0.59)")->at, (Point{770, 245}));
}

TEST_F(DiagnosticChartsTest, HighPressuresStopAtThePlotTop) {
  options = {true, 2};
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 400, 1250, 1500));
  EXPECT_EQ(PixelsOf(Data(kInjectionTimesKind), kGasPressure), (std::vector<Point>{{240, 25}}));
}

TEST_F(DiagnosticChartsTest, MarksUseTheDecimalSeparator) {
  link.SetDecimalSeparator(',');
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1500));
  const Picture data = Data(kInjectionTimesKind);
  EXPECT_TRUE(FindText(data, "5,00"));
  EXPECT_TRUE(FindText(data, "(*1,20)"));
}

TEST_F(DiagnosticChartsTest, InjectionTimesBackground) {
  Setting(8, 0);    // sequential injection
  Setting(25, 30);  // peak current for 3.0 ms
  const Picture background = Background(kInjectionTimesKind);
  const std::vector<std::string> texts = TextsOf(background);
  for (const char* label : {"0", "1000", "8000", "5", "30"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
  EXPECT_EQ(FindText(background, "8000")->at, (Point{836, 331}));
  EXPECT_EQ(FindText(background, LangText(1400) + LangText(1056))->align, Align::Centre);
  EXPECT_TRUE(FindText(background, LangText(1703))->vertical);
  // One limit curve for sequential injection: 15 ms at 8000 rpm up to 30 ms at 4000 rpm.
  const auto curves = All<Polyline>(background);
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves[0].points.front(), (Point{840, 175}));
  EXPECT_EQ(curves[0].points.back(), (Point{440, 25}));
  EXPECT_EQ(curves[0].width, 2);
  EXPECT_TRUE(HasLine(background, {40, 301}, {840, 301}, colours.grid));  // 0.8 x 3 ms
  // Without the administrator level: no right axis, no gas pressure in the legend.
  EXPECT_FALSE(FindText(background, LangText(1707)));
  EXPECT_FALSE(FindText(background, "----" + LangText(1406)));
  EXPECT_TRUE(All<Rect>(background).size() == 2u);  // the window and the plot
  EXPECT_EQ(FindText(background, "----" + LangText(1700))->at, (Point{740, 235}));
  EXPECT_TRUE(FindText(background, "----" + LangText(1700))->hasBackground);
}

TEST_F(DiagnosticChartsTest, LimitCurvesFollowThePetrolInjectionType) {
  for (const auto& [type, curves] : {std::pair{0, 1}, {1, 2}, {2, 2}, {3, 1}}) {
    Setting(8, type);
    EXPECT_EQ(All<Polyline>(Background(kInjectionTimesKind)).size(), static_cast<size_t>(curves))
        << type;
  }
  // Full group: 60000 and 30000, the second from 3.75 ms at 8000 rpm down to 1000 rpm.
  Setting(8, 2);
  const auto curves = All<Polyline>(Background(kInjectionTimesKind));
  EXPECT_EQ(curves[1].points.front(), (Point{840, 287}));
  EXPECT_EQ(curves[1].points.back(), (Point{140, 25}));
}

TEST_F(DiagnosticChartsTest, NotesEndTwoPixelsInsideThePlot) {
  const TextWidth width = [](std::string_view text, int points) {
    return static_cast<int>(text.size()) * (points == 10 ? 7 : 5);
  };
  const Picture background =
      DiagnosticBackground(kInjectionTimesKind, link, plot, colours, options, width);
  const int longer = static_cast<int>(std::max(LangText(1730).size(), LangText(1731).size())) * 7;
  EXPECT_EQ(FindText(background, LangText(1730))->at, (Point{838 - longer, 25}));
  EXPECT_EQ(FindText(background, LangText(1731))->at, (Point{838 - longer, 40}));
  const Text limit = *FindText(background, LangText(1732));
  EXPECT_EQ(limit.at, (Point{838, 310}));
  EXPECT_EQ(limit.align, Align::Right);
  EXPECT_EQ(limit.points, 10);
  EXPECT_EQ(limit.colour, colours.diagnosticText);
}

TEST_F(DiagnosticChartsTest, AdministratorExtrasOfTheBackground) {
  options = {false, 2};
  Picture background = Background(kInjectionTimesKind);
  EXPECT_EQ(FindText(background, "0.25")->at, (Point{848, 269}));
  EXPECT_TRUE(FindText(background, "1.5"));
  EXPECT_EQ(FindText(background, LangText(1707))->at.x, 865);
  EXPECT_TRUE(FindText(background, "----" + LangText(1406)));
  // The check mark around (730, 272), ticked only with the option.
  const auto rects = All<Rect>(background);
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[2].left, 722);
  EXPECT_EQ(rects[2].top, 264);
  EXPECT_EQ(rects[2].radius, 2);
  EXPECT_TRUE(All<Polyline>(background).size() == 1u);  // the limit curve, no tick
  options.showGasPressure = true;
  background = Background(kInjectionTimesKind);
  const auto ticks = All<Polyline>(background);
  ASSERT_EQ(ticks.size(), 2u);
  EXPECT_EQ(ticks[1].points, (std::vector<Point>{{724, 271}, {729, 277}, {736, 264}}));
  EXPECT_EQ(ticks[1].colour, kTick);
}

TEST_F(DiagnosticChartsTest, CheckMarkTakesPressesOnItAndItsCaption) {
  const Point centre = GasPressureCheckCentre(plot);
  ASSERT_EQ(centre, (Point{730, 272}));
  options = {false, 2};
  for (const auto& [x, y, hit] : {std::tuple{730, 272, true},
                                  {720, 262, true},
                                  {810, 282, true},
                                  {719, 272, false},
                                  {811, 272, false},
                                  {730, 283, false}})
    EXPECT_EQ(DiagnosticCheckHit(kInjectionTimesKind, plot, options, x, y), hit) << x << "," << y;
  EXPECT_FALSE(DiagnosticCheckHit(kGasPressureKind, plot, options, 730, 272));
  options.adminFlags = 1;
  EXPECT_FALSE(DiagnosticCheckHit(kInjectionTimesKind, plot, options, 730, 272));
}

// ---- Kind 18: gas pressure against the flow ----

class GasPressureChartTest : public DiagnosticChartsTest {
 protected:
  GasPressureChartTest() {
    Setting(10, 0);   // naturally aspirated: 2.4 bar full scale
    Setting(86, 20);  // calibrated at 1.20 bar absolute: no correction there
  }
  // 3000 rpm (40 ms per cycle), 1.20 bar absolute, 0.60 bar gas: flow = 2.5 x the gas time.
  void AddFlow(double percent, int times = 1, int absolute = 120, int gas = 60) {
    Add(FlowRecord(300, absolute, gas, static_cast<int>(percent / 2.5 / 0.004 + 0.5)), times);
  }
};

TEST_F(GasPressureChartTest, PixelsOfTheAbsoluteAndTheGasPressure) {
  AddFlow(20);
  const Picture data = Data(kGasPressureKind);
  // x = 40 + 800 x 20 %; y = 325 - 300 x p / 2.4.
  EXPECT_EQ(PixelsOf(data, kBlue), (std::vector<Point>{{200, 175}}));
  EXPECT_EQ(PixelsOf(data, kRed), (std::vector<Point>{{200, 250}}));
  const GasPressureSummary summary = SummariseGasPressure(link, plot);
  EXPECT_EQ(summary.bins[20].records, 1);
  EXPECT_DOUBLE_EQ(*summary.bins[20].AbsoluteMean(), 1.2);
  EXPECT_DOUBLE_EQ(*summary.bins[20].GasMean(), 0.6);
  EXPECT_EQ(FindText(data, "ABS")->at, (Point{800, 35}));
  EXPECT_EQ(FindText(data, "DIF")->at, (Point{800, 50}));
  EXPECT_EQ(FindText(data, "DIF")->colour, kRed);
}

TEST_F(GasPressureChartTest, ThePressureCorrectsTheFlow) {
  // At 2.00 bar absolute the injector passes 149 / 89 of the gas it passes at 1.20 bar.
  AddFlow(20, 1, 200);
  const GasPressureSummary summary = SummariseGasPressure(link, plot);
  const int bin = static_cast<int>(20.0 * 149 / 89);
  EXPECT_EQ(summary.bins[static_cast<size_t>(bin)].records, 1);
}

TEST_F(GasPressureChartTest, FlowBeyondTheWholeCycleSitsOnTheRightEdgeOutsideTheBins) {
  AddFlow(125);
  const Picture data = Data(kGasPressureKind);
  EXPECT_EQ(PixelsOf(data, kBlue), (std::vector<Point>{{840, 175}}));
  EXPECT_EQ(PixelsOf(data, kRed), (std::vector<Point>{{840, 250}}));
  const GasPressureSummary summary = SummariseGasPressure(link, plot);
  EXPECT_EQ(summary.records, 1);
  for (const PressureBin& bin : summary.bins)
    EXPECT_EQ(bin.records, 0);
}

TEST_F(GasPressureChartTest, TrendsNeedMoreThanThreeBins) {
  for (double percent : {10, 20, 30})
    AddFlow(percent, 2);
  EXPECT_TRUE(All<Polyline>(Data(kGasPressureKind)).empty());
  AddFlow(40, 2);
  const auto trends = All<Polyline>(Data(kGasPressureKind));
  ASSERT_EQ(trends.size(), 2u);
  // Constant pressures: flat trends from the first bin's column to the last.
  EXPECT_EQ(trends[0].colour, kBlue);
  EXPECT_EQ(trends[0].width, 3);
  EXPECT_EQ(trends[0].points.front().x, 120);
  EXPECT_EQ(trends[0].points.back().x, 360);
  for (const Point& p : trends[0].points)
    EXPECT_NEAR(p.y, 175, 1);
  EXPECT_EQ(trends[1].colour, kRed);
  EXPECT_NEAR(trends[1].points.front().y, 250, 1);
}

TEST_F(GasPressureChartTest, BinZeroTakesNoPartInTheTrend) {
  for (double percent : {0.5, 10.0, 20.0, 30.0})
    AddFlow(percent);
  EXPECT_EQ(SummariseGasPressure(link, plot).bins[0].records, 1);
  EXPECT_TRUE(All<Polyline>(Data(kGasPressureKind)).empty());
}

TEST_F(GasPressureChartTest, RecordsOutsideTheRangesAreLeftOut) {
  Add(FlowRecord(0, 120, 60, 2000));     // engine standing: no cycle time
  Add(FlowRecord(801, 120, 60, 2000));   // above 8000 rpm
  Add(FlowRecord(300, 120, 0, 2000));    // no gas pressure
  Add(FlowRecord(300, 120, 431, 2000));  // above 4.3 bar
  Add(FlowRecord(300, 120, 60, 0));      // injector closed
  Add(FlowRecord(300, 120, 60, 12501));  // above 50 ms
  const GasPressureSummary summary = SummariseGasPressure(link, plot);
  EXPECT_EQ(summary.records, 0);
  EXPECT_TRUE(PixelsOf(Data(kGasPressureKind), kBlue).empty());
}

TEST_F(GasPressureChartTest, BackgroundScaleFollowsTheEngineType) {
  link.SetDecimalSeparator(',');
  Picture background = Background(kGasPressureKind);
  EXPECT_TRUE(FindText(background, "Przepływ / moc [%]"));
  EXPECT_EQ(FindText(background, "100")->at, (Point{836, 331}));
  EXPECT_EQ(FindText(background, "0,2")->at, (Point{34, 294}));  // 325 - 300 / 12, raised 6
  EXPECT_TRUE(FindText(background, "2,4"));
  EXPECT_EQ(All<Line>(background).size(), 10u + 11u + 11u + 13u);  // grid, ticks, rows, ticks
  Setting(10, 1);
  background = Background(kGasPressureKind);
  EXPECT_TRUE(FindText(background, "0,5"));
  EXPECT_TRUE(FindText(background, "4"));
  EXPECT_EQ(All<Line>(background).size(), 10u + 11u + 7u + 9u);
}

// ---- Kind 7: the petrol-pressure emulation ----

class EmulationChartTest : public DiagnosticChartsTest {
 protected:
  EmulationChartTest() {
    Setting(18, 128);  // no offset
    Setting(19, 32);   // slope 1
    Setting(75, 0);
    Setting(76, 0);
  }
  // The lambda signal and the fuel pressure in 5 mV steps.
  void AddPair(int workState, int real, int emulated) {
    Add(Frame{}.Byte(10, workState).Word(58, real).Word(54, emulated));
  }
  std::vector<Point> Curve() {
    const auto curves = All<Polyline>(Data(kEmulationCharacteristicKind));
    return curves.empty() ? std::vector<Point>{} : curves[0].points;
  }
};

TEST_F(EmulationChartTest, PairsRecordedOnPetrolAreDotsOfFourPixels) {
  AddPair(0, 400, 200);  // 2.0 V against 1.0 V: (352.5, 266.4)
  AddPair(6, 600, 300);  // on gas: not drawn
  const Picture data = Data(kEmulationCharacteristicKind);
  EXPECT_EQ(PixelsOf(data, kRed),
            (std::vector<Point>{{352, 266}, {353, 266}, {352, 267}, {353, 267}}));
  EXPECT_EQ(SummariseEmulation(link, plot).petrolRecords, 1);
}

TEST_F(EmulationChartTest, CharacteristicThroughTheSettings) {
  std::vector<Point> curve = Curve();
  ASSERT_EQ(curve.size(), 256u);
  EXPECT_EQ(curve[0], (Point{40, 325}));
  EXPECT_EQ(curve[100], (Point{352, 207}));  // 2.0 V in, 2.0 V out
  EXPECT_EQ(curve[255], (Point{836, 26}));   // 5.1 V, the cap without setting 76

  Setting(18, 78);   // -0.5 V
  Setting(75, 50);   // never below 1.0 V
  Setting(76, 150);  // never above 3.0 V
  const EmulationSummary summary = SummariseEmulation(link, plot);
  EXPECT_DOUBLE_EQ(summary.characteristic[0].output, 1.0);
  EXPECT_NEAR(summary.characteristic[100].output, 1.5, 1e-12);
  EXPECT_DOUBLE_EQ(summary.characteristic[255].output, 3.0);
  curve = Curve();
  EXPECT_EQ(curve[0].y, static_cast<int>(325 - 300 * 1.0 * 0.1953125));
  EXPECT_EQ(curve[255].y, static_cast<int>(325 - 300 * 3.0 * 0.1953125));
}

TEST_F(EmulationChartTest, SlopeZeroIsAFlatLineOnTheBottomEdge) {
  Setting(19, 0);
  AddPair(0, 400, 200);
  const Picture data = Data(kEmulationCharacteristicKind);
  EXPECT_TRUE(All<Polyline>(data).empty());
  const auto lines = All<Line>(data);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (Point{40, 325}));
  EXPECT_EQ(lines[0].to, (Point{840, 325}));
  EXPECT_EQ(lines[0].width, 3);
  EXPECT_EQ(lines[0].colour, colours.curve);
  EXPECT_EQ(PixelsOf(data, kRed).size(), 4u);
}

TEST_F(EmulationChartTest, Background) {
  const Picture background = Background(kEmulationCharacteristicKind);
  const std::vector<std::string> texts = TextsOf(background);
  for (const char* label : {"1", "2", "3", "4", "5"})
    EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 2) << label;
  EXPECT_EQ(FindText(background, "1")->at, (Point{192, 331}));  // 40 + 50 x 800 / 256, less 4
  EXPECT_TRUE(FindText(background, LangText(1420) + " " + LangText(1050)));
  EXPECT_TRUE(FindText(background, LangText(1440) + " / " + LangText(1436) + " " + LangText(1050)));
}

// ---- What every kind shares ----

TEST_F(DiagnosticChartsTest, AnEmptyRecordingDrawsOnlyTheBackground) {
  Setting(19, 32);
  EXPECT_TRUE(Data(kInjectionTimesKind).shapes.empty());
  for (int kind : {kInjectionTimesKind, kGasPressureKind}) {
    const Picture data = Data(kind);
    EXPECT_TRUE(All<Line>(data).empty()) << kind;
    EXPECT_TRUE(All<Polyline>(data).empty()) << kind;
    for (const Pixels& layer : All<Pixels>(data))
      EXPECT_TRUE(layer.points.empty()) << kind;
  }
  const Picture emulation = Data(kEmulationCharacteristicKind);
  EXPECT_EQ(All<Polyline>(emulation).size(), 1u);  // the characteristic alone
  EXPECT_TRUE(PixelsOf(emulation, kRed).empty());
}

TEST_F(DiagnosticChartsTest, BackgroundsShareTheFrame) {
  for (int kind : {kEmulationCharacteristicKind, kInjectionTimesKind, kGasPressureKind}) {
    const auto rects = All<Rect>(Background(kind));
    ASSERT_GE(rects.size(), 2u) << kind;
    EXPECT_EQ(rects[0].right, 880);
    EXPECT_EQ(rects[0].fill, colours.window);
    EXPECT_EQ(rects[1].left, 39);
    EXPECT_EQ(rects[1].top, 24);
    EXPECT_EQ(rects[1].right, 841);
    EXPECT_EQ(rects[1].bottom, 326);
    EXPECT_EQ(rects[1].fill, colours.plotBackground);
    EXPECT_EQ(rects[1].border, colours.frame);
  }
  EXPECT_TRUE(Background(0).shapes.empty());
}

TEST_F(DiagnosticChartsTest, LaterPixelsCoverEarlierOnesOnTheSameSpot) {
  // Kind 18: the absolute pressure of one record where the gas pressure of an earlier one was.
  Setting(10, 0);
  Setting(86, 20);
  Add(FlowRecord(300, 120, 120, 2000));  // both at row 175
  EXPECT_EQ(PixelsOf(Data(kGasPressureKind), kRed), (std::vector<Point>{{200, 175}}));
  EXPECT_TRUE(PixelsOf(Data(kGasPressureKind), kBlue).empty());
  Add(FlowRecord(300, 120, 60, 2000));
  EXPECT_EQ(PixelsOf(Data(kGasPressureKind), kBlue), (std::vector<Point>{{200, 175}}));
}

TEST_F(DiagnosticChartsTest, ACountBeyondTheBufferReadsOnlyWholeRecords) {
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1500), 3);
  auto& buffer = LinkTestAccess::BuforOsc(link);
  buffer.resize(3 * 128 + 100);  // a record cut short after the third
  LinkTestAccess::IleRekordow(link) = 50000;
  EXPECT_EQ(SummariseInjectionTimes(link, plot, true, state).records, 3);
  LinkTestAccess::RozmiarRekordu(link) = 0;
  EXPECT_EQ(SummariseInjectionTimes(link, plot, true, state).records, 0);
  EXPECT_EQ(SummariseGasPressure(link, plot).records, 0);
}

TEST_F(DiagnosticChartsTest, AListWithoutTheDefinitionsDrawsNoData) {
  LinkTestAccess::ListaWykresow(link).resize(6);  // as short as the rail emulator's
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1500));
  EXPECT_EQ(SummariseInjectionTimes(link, plot, true, state).records, 0);
  Add(Frame{}.Word(58, 400).Word(54, 200));
  EXPECT_EQ(SummariseEmulation(link, plot).petrolRecords, 0);
}

TEST_F(DiagnosticChartsTest, ScalesThatGiveNoNumberGiveNoPixels) {
  auto& definitions = LinkTestAccess::ListaWykresow(link);
  state.smoothedRpm = 2000;
  Add(InjectionRecord(200, 100, 1250, 1500));
  definitions[1].skala = 1e300;  // a speed no int holds
  EXPECT_EQ(SummariseInjectionTimes(link, plot, true, state).records, 0);
  definitions[1].skala = 10;
  definitions[4].skala = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(SummariseInjectionTimes(link, plot, true, state).records, 0);
  definitions[9].skala = std::numeric_limits<double>::infinity();
  Add(Frame{}.Word(58, 400).Word(54, 200));
  EXPECT_EQ(SummariseEmulation(link, plot).petrolRecords, 0);
}

}  // namespace
}  // namespace chart
