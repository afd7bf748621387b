// The correction curves worked out into pictures on a link read out from a simulated
// controller, against pixels worked out by hand: the axes of both units, the marker of the
// setting where gas starts, the nodes with the selection and its label.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charts/ChartPictures.h"
#include "charts/CorrectionCurveChart.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/PictureShapes.h"

namespace {

using namespace chart;

// 1000 x 500 pixels: the plot runs from x 40 to 960 (920 wide) and from y 25 to 462 (437 high).
const PlotGeometry kPlot = PlotGeometryFor(1000, 500, kPressureCurveKind);
const ChartColours kColours;

const Text* TextOf(const Picture& p, const std::string& text) {
  for (const Shape& s : p.shapes)
    if (const Text* t = std::get_if<Text>(&s); t && t->text == text) return t;
  return nullptr;
}

std::vector<Line> Dashed(const Picture& p) {
  std::vector<Line> lines = All<Line>(p);
  std::erase_if(lines, [](const Line& l) { return l.pen != Pen::Dashed; });
  return lines;
}

class CurveChartTest : public ::testing::Test {
 protected:
  CurveChartTest() : m(2) {
    Texts().LanguageIndex = 0;
    EXPECT_TRUE(m.ReadOut());
    m.link.KasujKorekty();
  }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }
  uint8_t& Curve(const curve::Curve& c, int offset) {
    return LinkTestAccess::ObrazSterownika(m.link)[static_cast<size_t>(c.area + offset)];
  }
  Picture Background(int kind) {
    return CorrectionCurveBackground(m.link, *CurveKindOf(kind), kPlot, kColours);
  }
  Picture Data(int kind, int selected, bool focused) {
    return CorrectionCurveData(m.link, *CurveKindOf(kind), kPlot, kColours, selected, focused);
  }

  MemoryLink m;
};

TEST_F(CurveChartTest, PressureAxisInBarAndPerCent) {
  Setting(63) = 80;
  const Picture p = Background(kPressureCurveKind);
  const char* labels[] = {"0.5", "0.75", "1", "1.25", "1.5", "1.75", "2", "2.25", "2.5"};
  for (int v = 0; v <= 200; v += 25) {
    const Text* label = TextOf(p, labels[v / 25]);
    ASSERT_TRUE(label) << labels[v / 25];
    EXPECT_EQ(label->at, (Point{40 + v * 920 / 200 - 4, 468}));
  }
  std::vector<int> columns;
  for (const Line& l : All<Line>(p))
    if (l.pen == Pen::Dotted && l.from.x == l.to.x) columns.push_back(l.from.x);
  EXPECT_EQ(columns, (std::vector<int>{155, 270, 385, 500, 615, 730, 845}));
  EXPECT_TRUE(TextOf(p, "Pressure [bar]"));
  // -50 % at the bottom to +50 % at the top, left-aligned 20 pixels left of the plot.
  const Text* top = TextOf(p, "50");
  ASSERT_TRUE(top);
  EXPECT_EQ(top->at, (Point{20, 25 - 6}));
  EXPECT_EQ(TextOf(p, "-50")->at, (Point{20, 462 - 6}));
  EXPECT_TRUE(TextOf(p, "Corrections [%]")->vertical);
  // The solid line of no correction at half height.
  bool neutral = false;
  for (const Line& l : All<Line>(p))
    neutral |= l.pen == Pen::Solid && l.from == Point{40, 462 - 218} && l.to.x == 960;
  EXPECT_TRUE(neutral);
  // The minimum gas pressure, 0.80 bar, 30 positions into the axis.
  const std::vector<Line> marker = Dashed(p);
  ASSERT_EQ(marker.size(), 1u);
  EXPECT_EQ(marker[0].from, (Point{178, 462}));
  EXPECT_EQ(marker[0].to, (Point{178, 25}));
  EXPECT_EQ(marker[0].colour, kColours.grid);
  ASSERT_TRUE(TextOf(p, " 0.80 "));
  EXPECT_EQ(TextOf(p, " 0.80 ")->at, (Point{179, 446}));
  EXPECT_EQ(All<Polygon>(p).size(), 2u) << "the arrow buttons";
}

TEST_F(CurveChartTest, TemperatureAxesInDegrees) {
  Setting(51) = 163;  // gas above 35 °C of the reducer
  Setting(62) = 90;   // a minimum gas temperature off the axis
  const Picture reducer = Background(kReducerTemperatureKind);
  for (int v = 0; v <= 130; v += 10)
    ASSERT_TRUE(TextOf(reducer, std::to_string(v - 30))) << v - 30;
  EXPECT_EQ(TextOf(reducer, "-30")->at, (Point{36, 468}));
  EXPECT_EQ(TextOf(reducer, "100")->at, (Point{956, 468}));
  EXPECT_TRUE(TextOf(reducer, "Reducer temperature  [°C]"));
  const std::vector<Line> marker = Dashed(reducer);
  ASSERT_EQ(marker.size(), 1u);
  EXPECT_EQ(marker[0].from.x, 40 + 65 * 920 / 130);
  EXPECT_TRUE(TextOf(reducer, " 35 "));

  const Picture gas = Background(kGasTemperatureKind);
  EXPECT_TRUE(TextOf(gas, "Gas temperature  [°C]"));
  EXPECT_TRUE(Dashed(gas).empty()) << "-38 °C has no place on the axis";
}

TEST_F(CurveChartTest, NodesWithTheSelectionAndItsLabel) {
  const curve::Curve& c = curve::kPressure;
  Curve(c, curve::NodeX(1)) = 100;
  Curve(c, curve::NodeY(1)) = 160;  // +25 %
  Curve(c, curve::NodeX(2)) = 150;
  Curve(c, curve::NodeY(2)) = 120;  // -6.25 %
  const Picture p = Data(kPressureCurveKind, 2, true);
  const std::vector<Polyline> line = All<Polyline>(p);
  ASSERT_EQ(line.size(), 1u);
  // y = trunc(462 - 437 x (y - 64) / 128 + 1): 128 -> 244.5, 160 -> 135.25, 120 -> 271.81
  EXPECT_EQ(line[0].points, (std::vector<Point>{{41, 244}, {271, 135}, {501, 271}, {961, 244}}));
  EXPECT_EQ(line[0].colour, kColours.curve);
  EXPECT_EQ(line[0].width, 3);
  const std::vector<Circle> nodes = All<Circle>(p);
  ASSERT_EQ(nodes.size(), 4u);
  for (const Circle& node : nodes)
    EXPECT_EQ(node.fill, node.centre.x == 501 ? kSelectedNode : kColours.curve);
  const Text* position = TextOf(p, "1.50");
  ASSERT_TRUE(position);
  EXPECT_EQ(position->at, (Point{489, 281}));
  ASSERT_TRUE(TextOf(p, "-6"));
  EXPECT_EQ(TextOf(p, "-6")->at, (Point{489, 293}));
  const std::vector<Rect> box = All<Rect>(p);
  ASSERT_EQ(box.size(), 1u);
  EXPECT_EQ(box[0].fill, kLabelBox);
  EXPECT_EQ(box[0].left, 487);
  EXPECT_EQ(box[0].bottom, 307);

  const Picture unfocused = Data(kPressureCurveKind, 2, false);
  EXPECT_TRUE(All<Rect>(unfocused).empty()) << "no label while the keys are elsewhere";
  for (const Circle& node : All<Circle>(unfocused))
    EXPECT_EQ(node.fill, kColours.curve);
  for (const Circle& node : All<Circle>(Data(kPressureCurveKind, -1, true)))
    EXPECT_EQ(node.fill, kSelectedNode) << "the keys act on every node";
}

// The view resets such a record before it is drawn; the picture itself draws nothing of it.
TEST_F(CurveChartTest, ARecordOfOneNodeDrawsNothing) {
  Curve(curve::kGasTemperature, curve::NodeY(0)) = 0;
  EXPECT_TRUE(Data(kGasTemperatureKind, -1, true).shapes.empty());
}

// The map view's dispatch by kind: the selected point reaches the curve's picture.
TEST_F(CurveChartTest, ChartPicturesOfTheCurveKinds) {
  ViewState view;
  view.kind = kReducerTemperatureKind;
  view.focused = true;
  view.selectedPoint = 7;
  DiagnosticState diagnostic;
  const Picture p = DataPicture(m.link, kPlot, kColours, view, diagnostic, TextWidthEstimate);
  ASSERT_TRUE(TextOf(p, "100"));
  EXPECT_TRUE(TextOf(p, "0"));
  EXPECT_TRUE(TextOf(BackgroundPicture(m.link, kPlot, kColours, view, TextWidthEstimate),
                     "Reducer temperature  [°C]"));
}

}  // namespace
