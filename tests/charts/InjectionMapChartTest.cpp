// Chart kind 0 worked out into pictures, on links read out from simulated controllers, checked
// against pixels worked out by hand: the axes, the map points and their trends, the deviation's
// advice, the multiplier's flatness warning and the bank captions.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "charts/InjectionMapChart.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/PictureShapes.h"

namespace {

using namespace chart;

// 1000 x 500 pixels: the plot runs from x 40 to 920 (880 wide) and from y 25 to 462 (437 high).
const PlotGeometry kPlot = PlotGeometryFor(1000, 500, kInjectionMapKind);
const ChartColours kColours;

std::vector<Polyline> InColour(const Picture& p, uint32_t colour) {
  std::vector<Polyline> lines = All<Polyline>(p);
  std::erase_if(lines, [colour](const Polyline& l) { return l.colour != colour; });
  return lines;
}

const Text* TextOf(const Picture& p, const std::string& text) {
  for (const Shape& s : p.shapes)
    if (const Text* t = std::get_if<Text>(&s); t && t->text == text) return t;
  return nullptr;
}

bool Shows(const Picture& p, const std::string& text) {
  return TextOf(p, text) != nullptr;
}

// The pixel column of a petrol time in 0.1 ms on the 20 ms axis.
int X(int t) {
  return 40 + t * 880 / 200;
}

// A controller read out, its maps emptied, the load breakpoints 0.1 .. 1.6 bar, a flat
// multiplier x1.00 with only its end nodes, no adaptation and no petrol-time marker.
class InjectionMapTest : public ::testing::Test {
 protected:
  explicit InjectionMapTest(int family = 2) : InjectionMapTest(sim::DefaultIdentity(family)) {}
  explicit InjectionMapTest(const sim::Identity& identity) : m(identity) {
    Texts().LanguageIndex = 0;
    EXPECT_TRUE(m.ReadOut());
    std::fill_n(&Image(img::MapaEcuBen), 6 * 256, 0);
    for (int r = 0; r < 16; ++r)
      Setting(224 + r) = static_cast<uint8_t>(10 * (r + 1));
    Setting(4) = 0;
    Setting(10) = 1;
    Setting(80) = 0;
    Setting(81) = 0;
    Setting(83) = 0;
    std::fill_n(&Setting(190), 26, 0);
    Setting(215) = static_cast<uint8_t>(m.link.ZakresMnoznika());
    std::fill_n(&Image(img::Mnoznik1), 256, 100);
    std::fill_n(&Image(img::Eeprom1), 4, 128);
  }
  uint8_t& Image(int offset) { return LinkTestAccess::ObrazSterownika(m.link)[offset]; }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }
  uint8_t& Petrol(int c, int r) { return Image(img::MapaEcuBen + c * 16 + r); }
  uint8_t& Gas(int c, int r) { return Image(img::MapaEcuGaz + c * 16 + r); }
  Picture Data(bool deviationPoints = true) {
    return InjectionMapData(m.link, kPlot, kColours, {deviationPoints, -1, false},
                            TextWidthEstimate);
  }
  Picture Background(bool deviationPoints = true) {
    return InjectionMapBackground(m.link, kPlot, kColours, {deviationPoints, -1, false});
  }
  Picture Legend() { return InjectionMapLegend(m.link, kPlot, kColours, {true, -1, false}); }

  MemoryLink m;
};

TEST_F(InjectionMapTest, EmptyMapsDrawOnlyTheMultiplier) {
  const Picture p = Data();
  // x1.00 at y = trunc(462 - 50 x 4.37 + 1) = 244, its ends at 0 and 20 ms.
  ASSERT_EQ(p.shapes.size(), 3u);
  const auto curve = All<Polyline>(p);
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_EQ(curve[0].points, (std::vector<Point>{{41, 244}, {921, 244}}));
  EXPECT_EQ(curve[0].colour, kColours.curve);
  EXPECT_EQ(curve[0].width, 3);
  for (const Circle& node : All<Circle>(p)) {
    EXPECT_EQ(node.radius, 5);
    EXPECT_EQ(node.fill, kColours.curve) << "the keys are elsewhere";
  }
}

TEST_F(InjectionMapTest, AxesOfTheMalverFamily) {
  const Picture p = Background();
  for (int t = 0; t <= 200; t += 20) {
    const Text* label = TextOf(p, std::to_string(t / 10));
    ASSERT_TRUE(label) << t;
    EXPECT_EQ(label->at, (Point{X(t) - 4, 468}));
  }
  EXPECT_TRUE(Shows(p, "Time [ms]"));
  for (const char* multiplier : {"0.5", "0.8", "1.0", "1.5"})
    EXPECT_TRUE(Shows(p, multiplier)) << multiplier;
  EXPECT_FALSE(Shows(p, "2.5"));
  // The right axis in per cent of the full-scale load, 1.6 bar.
  const Text* top = TextOf(p, "1.6");
  ASSERT_TRUE(top);
  EXPECT_EQ(top->at, (Point{928, 25 - 6}));
  EXPECT_TRUE(Shows(p, "0.16"));
  EXPECT_TRUE(Shows(p, "Pressure [bar]"));
  // The solid line at x1.00, half-way up.
  const auto lines = All<Line>(p);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const Line& l) {
    return l.pen == Pen::Solid && l.from == Point{40, 244} && l.to == Point{920, 244};
  }));
}

TEST_F(InjectionMapTest, ExtendedRangeAndDecimalCommas) {
  Setting(80) = 1;
  m.link.SetDecimalSeparator(',');
  const Picture p = Background();
  EXPECT_TRUE(Shows(p, "2,5"));
  EXPECT_TRUE(Shows(p, "0,0"));
  EXPECT_TRUE(Shows(p, "0,16"));
  const auto lines = All<Line>(p);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const Line& l) {
    return l.pen == Pen::Solid && l.from == Point{40, 462 - 437 * 4 / 10};
  })) << "x1.00 at four tenths of the height";
}

// Three cells on one straight line: column 8 sits 5 % low, loads 0.4, 0.8 and 1.2 bar of 1.6.
TEST_F(InjectionMapTest, ThreePointsGiveAStraightTrend) {
  Petrol(8, 3) = 40;
  Petrol(8, 7) = 80;
  Petrol(8, 11) = 120;
  const Picture p = Data();
  const auto dots = All<Rect>(p);
  ASSERT_EQ(dots.size(), 3u);
  EXPECT_EQ(dots[0].left, X(40) - 1);
  EXPECT_EQ(dots[0].top, 358 - 1);  // trunc(462 - 437 x 0.25 x 0.95)
  EXPECT_EQ(dots[0].right - dots[0].left, 2);
  const auto trend = InColour(p, kPetrol);
  ASSERT_EQ(trend.size(), 1u);
  EXPECT_EQ(trend[0].width, 4);
  // One pixel a column from the first point to the last, through all three (a fit may land a
  // hair below a whole pixel).
  const auto& line = trend[0].points;
  ASSERT_EQ(line.size(), 353u);
  EXPECT_EQ(line.front().x, 216);
  EXPECT_NEAR(line.front().y, 358, 1);
  EXPECT_NEAR(line[176].y, 254, 1);
  EXPECT_NEAR(line.back().y, 150, 1);
}

TEST_F(InjectionMapTest, TwoPointsGiveNoTrend) {
  Petrol(8, 3) = 40;
  Petrol(8, 7) = 80;
  Petrol(1, 7) = 100;  // columns below 2 are drawn but not fitted
  Petrol(8, 0) = 60;   // nor is the lowest load row
  const Picture p = Data();
  EXPECT_EQ(All<Rect>(p).size(), 4u);
  EXPECT_TRUE(InColour(p, kPetrol).empty());
}

// Up to eight points the trend is a straight line; from nine on a parabola through the hump.
TEST_F(InjectionMapTest, NinePointsGiveAParabola) {
  const int rows[] = {1, 4, 7, 10, 13, 10, 7, 4, 1};
  for (int points : {8, 9}) {
    std::fill_n(&Image(img::MapaEcuBen), 256, 0);
    for (int k = 0; k < points; ++k)
      Petrol(2 + k, rows[k]) = static_cast<uint8_t>(20 + 15 * k);
    const auto trend = InColour(Data(), kPetrol);
    ASSERT_EQ(trend.size(), 1u) << points;
    const auto& line = trend[0].points;
    const Point a = line.front(), b = line.back(), middle = line[line.size() / 2];
    const double chord = a.y + double(b.y - a.y) * (middle.x - a.x) / (b.x - a.x);
    if (points == 8)
      EXPECT_NEAR(middle.y, chord, 1.0) << "straight";
    else
      EXPECT_LT(middle.y, chord - 50) << "bent upwards through the hump";
  }
}

struct AdviceCase {
  const char* name;
  std::vector<std::pair<int, int>> cells;  // column, row
  bool advice;
};

// Petrol time 3 ms and up in steps of 2 ms; the gas time falls behind by 0.6 ms a step, so the
// deviation's regression falls steeply (slope -0.075).
const AdviceCase kAdviceCases[] = {
    {"SixHighLoadPointsGiveNone", {{7, 9}, {7, 10}, {7, 11}, {7, 12}, {7, 13}, {7, 14}}, false},
    {"SevenHighLoadPoints", {{7, 9}, {7, 10}, {7, 11}, {7, 12}, {7, 13}, {7, 14}, {7, 15}}, true},
    {"SixLowPointsGiveNone", {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}}, false},
    {"SevenLowPoints", {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}, {5, 5}}, true},
    // Not counted: the top row at high RPM; column 6 at low load is fitted but counts as neither.
    {"UncountedPoints", {{7, 9}, {7, 10}, {7, 11}, {7, 12}, {7, 13}, {9, 15}, {6, 3}}, false},
    // High-load points count in every column, though the line is fitted to columns up to 12.
    {"HighLoadPointsAtHighRpm",
     {{7, 9}, {7, 10}, {7, 11}, {13, 9}, {14, 10}, {15, 11}, {15, 14}},
     true},
};

class DeviationAdviceTest : public InjectionMapTest,
                            public ::testing::WithParamInterface<AdviceCase> {};

TEST_P(DeviationAdviceTest, AdviceNeedsMoreThanSixPoints) {
  const AdviceCase& c = GetParam();
  int k = 0;
  for (auto [column, row] : c.cells) {
    Petrol(column, row) = static_cast<uint8_t>(30 + 20 * k);
    Gas(column, row) = static_cast<uint8_t>(30 + 20 * k - 6 * k);
    ++k;
  }
  const Picture p = Data();
  EXPECT_EQ(Shows(p, " Rich mixture - lower the multiplier"), c.advice);
  const auto regression = All<Line>(p);
  ASSERT_EQ(regression.size(), 1u) << "the line is drawn either way";
  EXPECT_EQ(regression[0].colour, kDeviation);
  EXPECT_EQ(regression[0].width, 3);
}

INSTANTIATE_TEST_SUITE_P(Points, DeviationAdviceTest, ::testing::ValuesIn(kAdviceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InjectionMapTest, DeviationPointsAndLineFollowTheCheckMark) {
  for (int k = 0; k < 7; ++k) {
    Petrol(7, 9 + k) = static_cast<uint8_t>(30 + 20 * k);
    Gas(7, 9 + k) = static_cast<uint8_t>(30 + 14 * k);
  }
  const Picture off = Data(false);
  EXPECT_TRUE(All<Line>(off).empty());
  const Text* advice = TextOf(off, " Rich mixture - lower the multiplier");
  ASSERT_TRUE(advice);
  EXPECT_EQ(advice->at.y, 462 + 437 / 4 - 437) << "a quarter down from the top";
  // With the points shown, each 2 x 2 in the grid colour: the first at 3 ms, no deviation.
  const Picture on = Data(true);
  const auto dots = All<Rect>(on);
  EXPECT_TRUE(std::any_of(dots.begin(), dots.end(), [](const Rect& r) {
    return r.left == X(30) - 1 && r.top == 374 - 1 && r.fill == kColours.grid;
  }));
}

TEST_F(InjectionMapTest, FlatnessWarningFromASpanOfTen) {
  for (int highest : {109, 110}) {
    Image(img::Mnoznik1 + 200) = static_cast<uint8_t>(highest);
    EXPECT_EQ(Shows(Data(), "  " + LangText(1738) + "  "), highest == 110) << highest;
  }
}

TEST_F(InjectionMapTest, TheControllersOffsetRaisesEveryNode) {
  Image(img::Eeprom1 + 1) = 138;  // +0.10
  const auto curve = All<Polyline>(Data());
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_EQ(curve[0].points[0].y, 200);  // x1.10: trunc(462 - 60 x 4.37 + 1)
}

TEST_F(InjectionMapTest, SelectedNodeIsLabelledWhileTheKeysAreHere) {
  Setting(190 + 24) = 125;
  const Picture p = InjectionMapData(m.link, kPlot, kColours, {false, 24, true}, TextWidthEstimate);
  EXPECT_TRUE(Shows(p, "12.5"));
  EXPECT_TRUE(Shows(p, "1.00"));
  const auto nodes = All<Circle>(p);
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ(nodes[1].fill, kSelectedNode);
  EXPECT_EQ(nodes[0].fill, kColours.curve);
}

class TwoBankMapTest : public InjectionMapTest {
 protected:
  TwoBankMapTest() : InjectionMapTest(5) {
    Setting(30) = 0xF0;  // cylinders 5..8 in bank 2
    Setting(31) = 0x02;  // cylinder 2 stays on petrol
  }
};

TEST_F(TwoBankMapTest, BankCaptionNamesTheBanksCylinders) {
  ASSERT_EQ(m.link.AktalnyBank(), 0);
  EXPECT_FALSE(Shows(Background(), "Bank 1 ( 1 3 4 )")) << "both banks together";
  m.link.ZmienBank(1);
  const Picture bank1 = Background();
  const Text* caption = TextOf(bank1, "Bank 1 ( 1 3 4 )");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->at, (Point{40, 2}));
  EXPECT_TRUE(Shows(Legend(), "----Multiplier   Bank 1"));
  m.link.ZmienBank(2);
  EXPECT_TRUE(Shows(Background(), "Bank 2 ( 5 6 7 8 )"));
}

TEST_F(TwoBankMapTest, AdaptationCaptionShowsBothBanksOffsets) {
  Setting(81) = 1;
  Image(img::Eeprom1) = 138;
  Image(img::Eeprom1 + 3) = 118;
  const Picture p = Data();
  const Text* caption = TextOf(p, "Adaptation  Bank 1   0.20   0.00   Bank 2   0.00   -0.20   ");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->at, (Point{920, 2}));
  EXPECT_EQ(caption->align, Align::Right);
}

class KaviMapTest : public InjectionMapTest {
 protected:
  KaviMapTest() : InjectionMapTest(255) {}
};

TEST_F(KaviMapTest, KaviAxesAndCaptions) {
  m.link.ZmienBank(2);
  const Picture p = Background();
  const Text* last = TextOf(p, "8");
  ASSERT_TRUE(last);
  EXPECT_EQ(last->at.x, 920 - 4) << "8 ms is the end of the KAVI's axis";
  EXPECT_TRUE(Shows(p, "-50"));
  EXPECT_TRUE(Shows(p, "OBD correction [%]"));
  EXPECT_TRUE(Shows(p, "Bank 2 ( 4 5 6 )"));
  EXPECT_TRUE(All<Polyline>(p).empty()) << "no check mark for the deviation points";
}

// The KAVI plots its OBD corrections: petrol +10 %, gas -10 % over a row of high-load cells.
TEST_F(KaviMapTest, ObdDeviationIsAlwaysDrawn) {
  for (int c = 0; c < 7; ++c) {
    Petrol(c, 12) = static_cast<uint8_t>(10 + 10 * c);
    Image(img::MapaObdBen1 + c * 16 + 12) = 141;  // trunc(13 x 0.78125) = 10 %
    Image(img::MapaObdGaz1 + c * 16 + 12) = 115;
  }
  const Picture p = Data(false);
  const auto petrolTrend = InColour(p, kPetrol);
  ASSERT_EQ(petrolTrend.size(), 1u);
  EXPECT_EQ(petrolTrend[0].width, 1);
  EXPECT_NEAR(petrolTrend[0].points.front().y, 199, 1);  // +10 %: trunc(462 - 437 x 0.60)
  const auto regression = All<Line>(p);
  ASSERT_EQ(regression.size(), 1u);
  EXPECT_EQ(regression[0].width, 4);
  EXPECT_NEAR(regression[0].from.y, 156, 1) << "+20 %: trunc(462 - 437 x 0.70)";
}

class DiMpiMapTest : public InjectionMapTest {
 protected:
  static sim::Identity DiMpi() {
    sim::Identity identity = sim::DefaultIdentity(255);
    identity.model = 12;
    return identity;
  }
  DiMpiMapTest() : InjectionMapTest(DiMpi()) {}
};

// The DI/MPI board's banks are its two injection systems, named in the legend only.
TEST_F(DiMpiMapTest, LegendNamesTheInjectionSystem) {
  EXPECT_TRUE(Shows(Legend(), "----Multiplier  DI"));
  m.link.ZmienBank(2);
  const Picture bank2 = Background();
  EXPECT_TRUE(Shows(Legend(), "----Multiplier  MPI"));
  for (const Text& t : All<Text>(bank2))
    EXPECT_EQ(t.text.find("Bank"), std::string::npos) << t.text;
}

}  // namespace
