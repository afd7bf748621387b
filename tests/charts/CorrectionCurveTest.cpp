// The correction curves as the map view edits them: the curve recomputed between the nodes
// against values worked out by hand, garbled records that must not reach the record's header,
// the keys, the presses, the reset shared with the link's clear of all curves, and the curve as
// text rows for the command line and back.

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "charts/CorrectionCurve.h"
#include "charts/CorrectionCurveChart.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using namespace chart;

struct Node {
  int slot, x, y;
};

const CurveKind& Kind(int kind) {
  return *CurveKindOf(kind);
}

// A record holding only the given nodes and no curve values yet.
CorrectionCurve Bare(int kind, std::vector<Node> nodes) {
  CorrectionCurve c;
  c.kind = &Kind(kind);
  c.record[0] = c.kind->curve.code;
  for (const Node& n : nodes)
    c.Set(n.slot, n.x, n.y);
  return c;
}

// The gas-pressure curve with its end nodes at rest and the given inner nodes in slots 1 on
// (x = 0 leaves a slot free), recomputed as the view keeps it.
CorrectionCurve Pressure(std::vector<std::pair<int, int>> inner) {
  CorrectionCurve c = Bare(kPressureCurveKind, {{0, 50, 128}, {7, 250, 128}});
  int slot = 1;
  for (auto [x, y] : inner)
    c.Set(slot++, x, y);
  int none = -1;
  PorzadkujPunkty(c, none);
  return c;
}

using Positions = std::array<int, curve::kNodes>;

Positions PositionsOf(const CorrectionCurve& c) {
  Positions p{};
  for (int i = 0; i < curve::kNodes; ++i)
    p[static_cast<size_t>(i)] = c.Present(i) ? c.X(i) : 0;
  return p;
}

// ---- the curve between the nodes ----

struct CurveCase {
  const char* name;
  int kind;
  std::vector<Node> nodes;
  std::vector<std::pair<int, int>> values;  // offset, value
};

// clang-format off
const CurveCase kCurveCases[] = {
  // 128 -> 160 over 50 positions, 160 -> 96 over 50, 96 -> 128 over 100; each value truncated
  // from the exact line (160 - 1.28 = 158.72 is 158, not the 159 of whole-number steps).
  {"PressureThroughTwoInnerNodes", kPressureCurveKind,
   {{0, 50, 128}, {1, 100, 160}, {2, 150, 96}, {7, 250, 128}},
   {{50, 128}, {51, 128}, {75, 144}, {100, 160}, {101, 158}, {125, 128}, {149, 97}, {150, 96},
    {151, 96}, {200, 112}, {249, 127}, {250, 128}, {251, 128}, {255, 128}}},
  // The ends of the record beyond the axis take the end nodes' values.
  {"ReducerTemperatureFillsBothEnds", kReducerTemperatureKind,
   {{0, 98, 150}, {1, 148, 128}, {7, 228, 124}},
   {{50, 150}, {97, 150}, {98, 150}, {99, 149}, {148, 128}, {149, 127}, {168, 127}, {188, 126},
    {228, 124}, {229, 124}, {255, 124}}},
  // An absent slot between two present ones is passed over.
  {"GasTemperatureAcrossAFreeSlot", kGasTemperatureKind,
   {{0, 98, 128}, {2, 163, 192}, {7, 228, 64}},
   {{98, 128}, {130, 159}, {163, 192}, {164, 190}, {196, 127}, {228, 64}, {240, 64}}},
};
// clang-format on

class CurveValuesTest : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveValuesTest, ValuesLieOnTheLineBetweenTheNodes) {
  const CurveCase& t = GetParam();
  CorrectionCurve c = Bare(t.kind, t.nodes);
  const curve::Record header = c.record;
  int selected = -1;
  PorzadkujPunkty(c, selected);
  for (auto [x, value] : t.values)
    EXPECT_EQ(c.record[static_cast<size_t>(x)], value) << "at " << x;
  EXPECT_TRUE(std::equal(header.begin(), header.begin() + 50, c.record.begin()))
      << "the code and the nodes stay";
}

INSTANTIATE_TEST_SUITE_P(Curves, CurveValuesTest, ::testing::ValuesIn(kCurveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Garbled nodes from a controller, or a press beside the plot, must not write curve values into
// the code and the nodes.
TEST(CorrectionCurveTest, NodesOffTheAxisNeverReachTheHeader) {
  CorrectionCurve c = Bare(kPressureCurveKind, {{0, 10, 128}, {1, 30, 200}, {2, 120, 100}});
  const curve::Record before = c.record;
  int selected = -1;
  PorzadkujPunkty(c, selected);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 50, c.record.begin()));
  // From 30 (200) to 120 (100): at 50 the line stands at 200 - 20 x 100 / 90.
  EXPECT_EQ(c.record[50], 177);
  EXPECT_EQ(c.record[120], 100);
  EXPECT_EQ(c.record[200], before[200]) << "no end node 7: nothing to fill the end with";
}

// Node 7 absent (value 0, position 0) once filled the whole record, header and all, with zeros.
TEST(CorrectionCurveTest, AnAbsentEndNodeLeavesTheEndAlone) {
  CorrectionCurve c = Bare(kReducerTemperatureKind, {{0, 98, 140}, {3, 150, 120}});
  std::fill(c.record.begin() + 150, c.record.end(), 111);
  int selected = -1;
  PorzadkujPunkty(c, selected);
  EXPECT_EQ(c.record[0], 9);
  EXPECT_EQ(c.record[curve::NodeX(0)], 98);
  EXPECT_EQ(c.record[151], 111);
  EXPECT_EQ(c.record[70], 140) << "node 0 still fills its end";
}

TEST(CorrectionCurveTest, SortingMovesInnerNodesAndTakesTheSelectionAlong) {
  CorrectionCurve c =
      Bare(kPressureCurveKind,
           {{0, 50, 128}, {1, 180, 150}, {3, 100, 90}, {4, 140, 110}, {7, 250, 128}});
  int selected = 1;
  PorzadkujPunkty(c, selected);
  EXPECT_EQ(PositionsOf(c), (Positions{50, 100, 0, 140, 180, 0, 0, 250}));
  EXPECT_EQ(c.Y(4), 150) << "values travel with their positions";
  EXPECT_EQ(selected, 4);
  EXPECT_EQ(c.record[160], 130);  // 110 -> 150 over 40 positions, half-way
}

// ---- keys ----

struct KeyCase {
  const char* name;
  std::vector<std::pair<int, int>> inner;
  int selected;
  NodeKey key;
  bool ctrl;
  Edit edit;
  Positions after;
  int selectedAfter;
};

const std::vector<std::pair<int, int>> kThree = {{100, 140}, {150, 120}, {200, 100}};
constexpr Positions kThreeAt = {50, 100, 150, 200, 0, 0, 0, 250};
const std::vector<std::pair<int, int>> kSix = {{60, 128},  {80, 128},  {100, 128},
                                               {120, 128}, {140, 128}, {160, 128}};

// clang-format off
const KeyCase kKeyCases[] = {
  {"PageUpFromNoneSelectsNodeZero", kThree, -1, NodeKey::PageUp, false, Edit::Redraw, kThreeAt, 0},
  {"PageUpPassesFreeSlots", kThree, 3, NodeKey::PageUp, false, Edit::Redraw, kThreeAt, 7},
  {"PageUpAtTheEndBeeps", kThree, 7, NodeKey::PageUp, false, Edit::Beep, kThreeAt, 7},
  {"PageDownPassesFreeSlots", kThree, 7, NodeKey::PageDown, false, Edit::Redraw, kThreeAt, 3},
  {"PageDownFromNoneBeeps", kThree, -1, NodeKey::PageDown, false, Edit::Beep, kThreeAt, -1},
  {"PageDownAtNodeZeroBeeps", kThree, 0, NodeKey::PageDown, false, Edit::Beep, kThreeAt, 0},
  {"HomeSelectsNodeZero", kThree, 2, NodeKey::Home, false, Edit::Redraw, kThreeAt, 0},
  {"EndSelectsNodeSeven", kThree, -1, NodeKey::End, false, Edit::Redraw, kThreeAt, 7},
  {"CtrlLeftIsPageDown", kThree, 2, NodeKey::Left, true, Edit::Redraw, kThreeAt, 1},
  {"CtrlRightIsPageUp", kThree, 2, NodeKey::Right, true, Edit::Redraw, kThreeAt, 3},
  {"LeftMovesOnePosition", kThree, 2, NodeKey::Left, false, Edit::Store,
   {50, 100, 149, 200, 0, 0, 0, 250}, 2},
  {"RightMovesOnePosition", kThree, 2, NodeKey::Right, false, Edit::Store,
   {50, 100, 151, 200, 0, 0, 0, 250}, 2},
  {"LeftOntoANeighbourSelectsIt", {{100, 140}, {101, 130}}, 2, NodeKey::Left, false, Edit::Redraw,
   {50, 100, 101, 0, 0, 0, 0, 250}, 1},
  {"RightOntoTheEndNodeSelectsIt", {{249, 130}}, 1, NodeKey::Right, false, Edit::Redraw,
   {50, 249, 0, 0, 0, 0, 0, 250}, 7},
  {"LeftOntoNodeZeroSelectsIt", {{51, 130}}, 1, NodeKey::Left, false, Edit::Redraw,
   {50, 51, 0, 0, 0, 0, 0, 250}, 0},
  // Two nodes on one position: the moved one passes the other and the slots change places.
  {"RightPastANeighbourSwapsTheSlots", {{120, 140}, {120, 130}}, 1, NodeKey::Right, false,
   Edit::Store, {50, 120, 121, 0, 0, 0, 0, 250}, 2},
  {"LeftAtTheStartOfTheAxisBeeps", {{50, 140}}, 1, NodeKey::Left, false, Edit::Beep,
   {50, 50, 0, 0, 0, 0, 0, 250}, 1},
  {"LeftOnAnEndNodeBeeps", kThree, 7, NodeKey::Left, false, Edit::Beep, kThreeAt, 7},
  {"RightWithoutSelectionBeeps", kThree, -1, NodeKey::Right, false, Edit::Beep, kThreeAt, -1},
  {"InsertHalfWayIntoTheFirstFreeSlot", kThree, -1, NodeKey::Insert, false, Edit::Store,
   {50, 100, 150, 200, 225, 0, 0, 250}, 4},
  {"InsertFillsTheGapADeleteLeft", {{100, 140}, {0, 0}, {200, 100}}, 1, NodeKey::Insert, false,
   Edit::Store, {50, 100, 150, 200, 0, 0, 0, 250}, 2},
  {"InsertWithEveryInnerSlotTakenBeeps", kSix, 3, NodeKey::Insert, false, Edit::Beep,
   {50, 60, 80, 100, 120, 140, 160, 250}, 3},
  {"DeleteSelectsTheNodeBelow", kThree, 3, NodeKey::Delete, false, Edit::Store,
   {50, 100, 150, 0, 0, 0, 0, 250}, 2},
  {"DeleteAcrossAFreeSlot", {{100, 140}, {0, 0}, {200, 100}}, 3, NodeKey::Delete, false,
   Edit::Store, {50, 100, 0, 0, 0, 0, 0, 250}, 1},
  {"DeletingAnEndNodeBeeps", kThree, 0, NodeKey::Delete, false, Edit::Beep, kThreeAt, 0},
};
// clang-format on

class CurveKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CurveKeyTest, KeyEditsTheNodes) {
  const KeyCase& t = GetParam();
  CorrectionCurve c = Pressure(t.inner);
  int selected = t.selected;
  EXPECT_EQ(KeyOnCurve(c, selected, t.key, t.ctrl), t.edit);
  EXPECT_EQ(PositionsOf(c), t.after);
  EXPECT_EQ(selected, t.selectedAfter);
}

INSTANTIATE_TEST_SUITE_P(Keys, CurveKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A node added by Insert takes the curve's value where it lands: the line does not move.
TEST(CorrectionCurveTest, InsertedNodeSitsOnTheLine) {
  CorrectionCurve c = Pressure(kThree);
  const curve::Record before = c.record;
  int selected = -1;
  ASSERT_EQ(KeyOnCurve(c, selected, NodeKey::Insert, false), Edit::Store);
  EXPECT_EQ(c.Y(4), before[225]);
  EXPECT_TRUE(std::equal(before.begin() + 50, before.end(), c.record.begin() + 50));
}

TEST(CorrectionCurveTest, UpAndDownChangeValuesWithinFiftyPerCent) {
  CorrectionCurve c = Pressure({{100, 191}, {150, 65}});
  int selected = 1;
  for (int i = 0; i < 3; ++i)
    KeyOnCurve(c, selected, NodeKey::Up, false);
  EXPECT_EQ(c.Y(1), 192) << "+50 % is the top";
  EXPECT_EQ(c.Y(2), 65) << "only the selected node";
  EXPECT_EQ(c.record[100], 192) << "and the curve through it";
  selected = -1;
  for (int i = 0; i < 3; ++i)
    KeyOnCurve(c, selected, NodeKey::Down, false);
  EXPECT_EQ(c.Y(0), 125);
  EXPECT_EQ(c.Y(1), 189);
  EXPECT_EQ(c.Y(2), 64) << "-50 % is the bottom";
  EXPECT_EQ(c.Y(7), 125);
  EXPECT_EQ(c.Y(3), 0) << "free slots stay free";
}

// ---- presses ----

// 1000 x 500 pixels: the plot runs from x 40 to 960 (920 wide) and from y 25 to 462 (437 high);
// the pressure axis 0.50 .. 2.50 bar is 4.6 pixels a position.
const PlotGeometry kPlot = PlotGeometryFor(1000, 500, kPressureCurveKind);

int PixelOf(int x) {
  return 40 + (x - 50) * 920 / 200;
}

TEST(CorrectionCurveTest, RightPressAddsANodeOnTheCurve) {
  CorrectionCurve c = Pressure(kThree);
  const curve::Record before = c.record;
  int selected = -1;
  const CurvePress press = PressOnCurve(c, selected, kPlot, PixelOf(120), 400, true);
  EXPECT_TRUE(press.focus);
  EXPECT_EQ(press.edit, Edit::Store);
  ASSERT_EQ(selected, 2) << "sorted in between the nodes at 1.00 and 1.50 bar";
  EXPECT_EQ(c.X(2), 120);
  EXPECT_EQ(c.Y(2), before[120]) << "the pointer's height does not count";
  EXPECT_TRUE(std::equal(before.begin() + 50, before.end(), c.record.begin() + 50));
}

// Presses up to 5 pixels beside the plot still reach it; their position stops at the axis.
TEST(CorrectionCurveTest, PressesBesideThePlotStopAtTheEndsOfTheAxis) {
  CorrectionCurve c = Pressure({});
  int selected = -1;
  PressOnCurve(c, selected, kPlot, kPlot.x0 - 5, 300, true);
  EXPECT_EQ(c.X(selected), 50);
  PressOnCurve(c, selected, kPlot, kPlot.Right() + 5, 300, true);
  EXPECT_EQ(c.X(selected), 250);
  EXPECT_EQ(c.record[0], 8);
  EXPECT_EQ(c.record[curve::NodeY(curve::kLastNode)], 128);
  EXPECT_EQ(PressOnCurve(c, selected, kPlot, kPlot.x0 - 6, 300, true).edit, Edit::None);
}

TEST(CorrectionCurveTest, RightPressWithEverySlotTakenDoesNothing) {
  CorrectionCurve c = Pressure(kSix);
  const curve::Record before = c.record;
  int selected = 2;
  EXPECT_EQ(PressOnCurve(c, selected, kPlot, PixelOf(200), 300, true).edit, Edit::None);
  EXPECT_EQ(c.record, before);
  EXPECT_EQ(selected, 2);
}

TEST(CorrectionCurveTest, PressSelectsTheNodeUnderThePointer) {
  CorrectionCurve c = Pressure(kThree);
  // 1.50 bar at 120: 460 + 1 pixels right, 437 x 56 / 128 = 191.19 pixels up, plus 1 down.
  const Point node = CurveNodePixel(c, kPlot, 2);
  EXPECT_EQ(node, (Point{501, 271}));
  int selected = -1;
  EXPECT_EQ(PressOnCurve(c, selected, kPlot, node.x, node.y, false).edit, Edit::Redraw);
  EXPECT_EQ(selected, 2);
  PressOnCurve(c, selected, kPlot, PixelOf(155), node.y, false);
  EXPECT_EQ(selected, -1) << "5 positions away";
  PressOnCurve(c, selected, kPlot, node.x, node.y + 18, false);
  EXPECT_EQ(selected, -1) << "6 values lower";
}

TEST(CorrectionCurveTest, ArrowButtonsRaiseAndLowerWithoutTakingTheKeys) {
  CorrectionCurve c = Pressure(kThree);
  int selected = 1;
  const int middle = (500 - 14) / 2;
  const CurvePress up = PressOnCurve(c, selected, kPlot, 1000 - 15, middle - 15, false);
  EXPECT_FALSE(up.focus);
  EXPECT_EQ(up.edit, Edit::Store);
  EXPECT_EQ(c.Y(1), 141);
  PressOnCurve(c, selected, kPlot, 1000 - 15, middle + 15, false);
  PressOnCurve(c, selected, kPlot, 1000 - 15, middle + 15, false);
  EXPECT_EQ(c.Y(1), 139);
  EXPECT_EQ(PressOnCurve(c, selected, kPlot, 1000 - 15, 5, false).edit, Edit::None);
}

// ---- on the link ----

class CurveLinkTest : public ::testing::Test {
 protected:
  CurveLinkTest() : m(2) {
    EXPECT_TRUE(m.ReadOut());
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  uint8_t* Record(const CurveKind& kind) {
    return &LinkTestAccess::ObrazSterownika(m.link)[static_cast<size_t>(kind.curve.area)];
  }
  void Put(const CorrectionCurve& c) {
    std::copy(c.record.begin(), c.record.end(), Record(*c.kind));
  }

  MemoryLink m;
};

// After the link's clear of all curves, or the view's reset of one, each is a flat line at 0 %
// from end to end, and recomputing it from its nodes changes nothing.
TEST_F(CurveLinkTest, ResetCurvesAreFlatLinesAtNoCorrection) {
  m.link.KasujKorekty();
  for (int kind : {kReducerTemperatureKind, kGasTemperatureKind, kPressureCurveKind}) {
    CorrectionCurve c = CurveInView(m.link, Kind(kind));
    EXPECT_EQ(c.PresentCount(), 2);
    const curve::Record reset = c.record;
    int selected = -1;
    PorzadkujPunkty(c, selected);
    EXPECT_EQ(c.record, reset) << "kind " << kind;
    EXPECT_TRUE(std::all_of(reset.begin() + 50, reset.end(), [](uint8_t v) { return v == 128; }));
  }

  Put(Pressure(kThree));
  LinkTestAccess::FlagiZapisu(m.link) = 0;
  KasujKrzywa(m.link, Kind(kPressureCurveKind));
  const CorrectionCurve c = CurveInView(m.link, Kind(kPressureCurveKind));
  EXPECT_EQ(c.record, curve::NeutralRecord(curve::kPressure));
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::PressureCorrection) << "only the curve shown";
}

TEST_F(CurveLinkTest, AnEditIsStoredAndWritten) {
  CorrectionCurve c = CurveInView(m.link, Kind(kGasTemperatureKind));
  c.record = curve::NeutralRecord(curve::kGasTemperature);
  int selected = -1;
  ASSERT_EQ(PressOnCurve(c, selected, kPlot, 40 + 65 * 920 / 130, 200, true).edit, Edit::Store);
  ASSERT_EQ(KeyOnCurve(c, selected, NodeKey::Up, false), Edit::Store);
  StoreCurve(m.link, c);
  EXPECT_EQ(Record(Kind(kGasTemperatureKind))[curve::NodeX(1)], 163);  // 35 °C
  EXPECT_EQ(Record(Kind(kGasTemperatureKind))[163], 129);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::GasTempCorrection);
}

// A record with one node or none is reset when shown, but not while the link reads it still:
// the write of the reset would go out before the read and replace the controller's curve.
TEST_F(CurveLinkTest, OnlyARecordReadWithTooFewNodesNeedsAReset) {
  const CurveKind& kind = Kind(kReducerTemperatureKind);
  Put(Bare(kReducerTemperatureKind, {{3, 140, 130}}));
  EXPECT_TRUE(CurveNeedsReset(m.link, kind));
  m.link.CzytajZeSterownika(AreaBit::ReducerTempCorrection);
  EXPECT_FALSE(CurveNeedsReset(m.link, kind));
  LinkTestAccess::FlagiCzytania(m.link) = 0;
  Put(Bare(kReducerTemperatureKind, {{0, 98, 128}, {7, 228, 130}}));
  EXPECT_FALSE(CurveNeedsReset(m.link, kind));
}

// ---- as text rows ----

TEST_F(CurveLinkTest, RowsShowTheNodesAsTheViewDoes) {
  CorrectionCurve temperature =
      Bare(kReducerTemperatureKind, {{0, 98, 150}, {2, 148, 128}, {3, 150, 127}, {7, 228, 124}});
  Put(temperature);
  const std::vector<CurveRow> rows = CurveRows(m.link, Kind(kReducerTemperatureKind), '.');
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].node, 0);
  EXPECT_EQ(rows[0].position, "-30");
  EXPECT_EQ(rows[0].correction, "+17");  // 150 x 0.78125 - 100 = 17.19
  EXPECT_EQ(rows[1].node, 2);
  EXPECT_EQ(rows[1].correction, "0");
  EXPECT_EQ(rows[2].correction, "0") << "-0.78 truncated";
  EXPECT_EQ(rows[3].position, "100");
  EXPECT_EQ(rows[3].correction, "-3");

  m.link.SetDecimalSeparator(',');
  Put(Pressure({{133, 64}}));
  const std::vector<CurveRow> pressure =
      CurveRows(m.link, Kind(kPressureCurveKind), m.link.DecimalSeparator());
  ASSERT_EQ(pressure.size(), 3u);
  EXPECT_EQ(pressure[1].position, "1,33");
  EXPECT_EQ(pressure[1].correction, "-50");
  EXPECT_EQ(pressure[2].position, "2,50");
}

TEST_F(CurveLinkTest, NodesFromRowsAreRecomputedAndStored) {
  const CurvePoint rows[] = {{-30, 20}, {0, -12.5}, {45, 80}, {100, 1}};
  const CurveKind& kind = Kind(kGasTemperatureKind);
  const CurveFromRows read = CurveNodesFromRows(CurveInView(m.link, kind), rows);
  ASSERT_TRUE(read.curve) << read.error;
  EXPECT_EQ(PositionsOf(*read.curve), (Positions{98, 128, 173, 0, 0, 0, 0, 228}));
  EXPECT_EQ(read.curve->Y(0), 154) << "20 % is 25.6 units; 26 shows 20.3 as 20";
  EXPECT_EQ(read.curve->Y(1), 112);
  EXPECT_EQ(read.curve->Y(2), 192) << "limited to +50 %";
  EXPECT_EQ(read.curve->Y(7), 130) << "1 % is 1.28 units, but 129 shows as +0";
  EXPECT_TRUE(StoreCurveNodes(m.link, *read.curve));
  const uint8_t* stored = Record(kind);
  EXPECT_EQ(stored[0], 10);
  EXPECT_EQ(stored[50], 154);
  EXPECT_EQ(stored[113], 133);  // 154 -> 112 over 30 positions, half-way
  EXPECT_EQ(stored[255], 130);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::GasTempCorrection);
  const std::vector<CurveRow> shown = CurveRows(m.link, kind, '.');
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[1].position, "0");
  EXPECT_EQ(shown[1].correction, "-12");
  EXPECT_EQ(shown[2].correction, "+50");
  EXPECT_EQ(shown[3].correction, "+1");
}

// Whole per cent as the view shows them, truncated: a correction typed is stored as a value the
// view then shows as that correction, the nearest such value (-33 % is 85.76 units, but 86
// shows as -32).
TEST_F(CurveLinkTest, ATypedCorrectionIsStoredAsTheViewThenShowsIt) {
  const CurveKind& kind = Kind(kPressureCurveKind);
  for (int perCent = -50; perCent <= 50; ++perCent) {
    const CurvePoint rows[] = {{0.5, 0}, {1.5, static_cast<double>(perCent)}, {2.5, 0}};
    const CurveFromRows read = CurveNodesFromRows(CurveInView(m.link, kind), rows);
    ASSERT_TRUE(read.curve) << read.error;
    EXPECT_EQ(CurveCorrectionShown(read.curve->Y(1)), perCent);
  }
  const CurvePoint typed[] = {{0.5, 0}, {1.5, -33}, {2.5, 0}};
  EXPECT_EQ(CurveNodesFromRows(CurveInView(m.link, kind), typed).curve->Y(1), 85);
}

// A curve exported and loaded back unchanged changes no byte, whatever a node's value (0 is no
// node): several values show as the same whole per cent, so the text alone cannot give the
// value back; a node showing what the file says keeps its own. Inner nodes keep their slots.
TEST_F(CurveLinkTest, ACurvesOwnCsvLoadsBackWithoutChangingAByte) {
  for (int kind : {kReducerTemperatureKind, kGasTemperatureKind, kPressureCurveKind}) {
    const CurveKind& k = Kind(kind);
    const int middle = (k.curve.axisMin + k.curve.axisMax) / 2;
    for (int value = 1; value <= 255; ++value) {
      CorrectionCurve c = Bare(
          kind,
          {{0, k.curve.axisMin, value}, {2, middle, 255 - value + 1}, {7, k.curve.axisMax, value}});
      int none = -1;
      PorzadkujPunkty(c, none);
      Put(c);
      const std::string csv = CurveCsv(m.link, k);
      const CurveFromRows read = ReadCurveCsv(CurveInView(m.link, k), csv);
      ASSERT_TRUE(read.curve) << read.error;
      EXPECT_EQ(read.curve->record, c.record) << "kind " << kind << ", value " << value;
      EXPECT_FALSE(StoreCurveNodes(m.link, *read.curve)) << "kind " << kind << ", value " << value;
    }
  }
  // A changed node takes the value its text asks for; the others keep theirs.
  Put(Pressure({{133, 86}, {180, 134}}));
  const std::string csv = CurveCsv(m.link, Kind(kPressureCurveKind));
  EXPECT_EQ(csv, "bar,%\n0.50,0\n1.33,-32\n1.80,+4\n2.50,0\n");
  const CurveFromRows read = ReadCurveCsv(CurveInView(m.link, Kind(kPressureCurveKind)),
                                          "bar,%\n0.50,0\n1.33,-33\n1.80,+4\n2.50,0\n");
  ASSERT_TRUE(read.curve) << read.error;
  EXPECT_EQ(read.curve->Y(1), 85);
  EXPECT_EQ(read.curve->Y(2), 134) << "not 133, the nearest to 4 %";
}

// The nodes as a spreadsheet keeps them: the CSV the command line writes reads back to the same
// record, with or without its titles, and with ";" and decimal commas; a malformed line is named.
TEST_F(CurveLinkTest, CurveCsvRoundTripsAndNamesBadLines) {
  const CurveKind& pressure = Kind(kPressureCurveKind);
  Put(Pressure({{133, 64}, {180, 140}}));
  const std::string csv = CurveCsv(m.link, pressure);
  EXPECT_EQ(csv, "bar,%\n0.50,0\n1.33,-50\n1.80,+9\n2.50,0\n");
  for (const std::string& text : {csv, csv.substr(csv.find('\n') + 1),
                                  std::string("bar;%\r\n0,50;0\r\n1,33;-50\r\n1,80;9\r\n2,5;0")}) {
    const CurveFromRows read = ReadCurveCsv(CurveInView(m.link, pressure), text);
    ASSERT_TRUE(read.curve) << read.error;
    const curve::Record shown = CurveInView(m.link, pressure).record;
    EXPECT_TRUE(
        std::equal(shown.begin(), shown.begin() + curve::kFirstValue, read.curve->record.begin()))
        << "the same code and nodes from " << text;
  }
  struct Bad {
    const char* text;
    const char* names;
  };
  const Bad bad[] = {
      {"bar,%\n0.5,0\n1.2\n2.5,0\n", "line 3 has 1 field;"},
      {"bar,%\n0.5,0\n1.2,ten\n2.5,0\n", "line 3, column 2: \"ten\" is not a number"},
      {"bar,%\n0.6,0\n2.5,0\n", "the node row 1"},
      {"", "2 to 8 nodes"},
  };
  for (const Bad& b : bad) {
    const CurveFromRows read = ReadCurveCsv(CurveInView(m.link, pressure), b.text);
    EXPECT_FALSE(read.curve) << b.text;
    EXPECT_NE(read.error.find(b.names), std::string::npos) << read.error;
  }
}

struct BadRows {
  const char* name;
  int kind;
  std::vector<CurvePoint> rows;
  const char* names;  // what the message must say
};

// clang-format off
const BadRows kBadRows[] = {
  {"OneNode", kPressureCurveKind, {{0.5, 0}}, "2 to 8 nodes"},
  {"NineNodes", kPressureCurveKind,
   {{0.5, 0}, {0.6, 0}, {0.7, 0}, {0.8, 0}, {0.9, 0}, {1.0, 0}, {1.1, 0}, {1.2, 0}, {2.5, 0}},
   "2 to 8 nodes"},
  {"FirstAfterTheStart", kPressureCurveKind, {{0.6, 0}, {2.5, 0}}, "row 1: the first node"},
  {"LastBeforeTheEnd", kReducerTemperatureKind, {{-30, 0}, {99, 0}}, "row 2: the last node"},
  {"OutsideTheAxis", kReducerTemperatureKind, {{-30, 0}, {-40, 0}, {100, 0}},
   "row 2: -40 °C is outside the axis -30 .. 100 °C"},
  {"NotIncreasing", kPressureCurveKind, {{0.5, 0}, {1.2, 5}, {1.2, 9}, {2.5, 0}},
   "row 3: 1.2 bar does not come after"},
  {"BetweenTwoSteps", kPressureCurveKind, {{0.5, 0}, {1.205, 0}, {2.5, 0}},
   "row 2: 1.205 bar is not a position"},
  {"NotANumber", kPressureCurveKind, {{0.5, 0}, {1.5, std::nan("")}, {2.5, 0}},
   "row 2: the correction is not a number"},
};
// clang-format on

class BadRowsTest : public ::testing::TestWithParam<BadRows> {};

TEST_P(BadRowsTest, RowsAreRefusedWholeWithTheRowNamed) {
  const BadRows& t = GetParam();
  const CurveFromRows read = CurveNodesFromRows(CorrectionCurve{&Kind(t.kind)}, t.rows);
  EXPECT_FALSE(read.curve);
  EXPECT_NE(read.error.find(t.names), std::string::npos) << read.error;
}

INSTANTIATE_TEST_SUITE_P(Rows, BadRowsTest, ::testing::ValuesIn(kBadRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
