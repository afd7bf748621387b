// The live cursor of the plot kinds and the live cell of the grid kinds, from status frames.

#include <gtest/gtest.h>

#include <initializer_list>

#include "charts/ChartKinds.h"
#include "charts/LiveCursor.h"
#include "controller/DecodedStatus.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using chart::GridCell;
using chart::LiveCursor;

// A status frame of 128 bytes carrying the given bytes.
DecodedStatus Frame(std::initializer_list<std::pair<int, int>> bytes, int length = 128) {
  DecodedStatus s;
  s.length = length;
  for (auto [offset, value] : bytes)
    s.bytes[static_cast<size_t>(offset)] = static_cast<uint8_t>(value);
  return s;
}

class LiveCursorTest : public ::testing::Test {
 protected:
  explicit LiveCursorTest(int family = 2) : m(family) {
    EXPECT_TRUE(m.ReadOut());
    Setting(4) = 0;
    Setting(239) = 160;  // 1.6 bar full scale
  }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }
  std::optional<LiveCursor> Cursor(int kind, const DecodedStatus& s) {
    return chart::LiveCursorOf(kind, m.link, s, chart::PlotGeometryFor(1000, 500, kind));
  }

  MemoryLink m;
};

// Petrol time across (20 ms over 880 pixels), load up (1.6 bar over 437 pixels).
TEST_F(LiveCursorTest, InjectionMapFollowsPetrolTimeAndLoad) {
  const auto cursor = Cursor(0, Frame({{19, 100}, {44, 80}, {45, 0}}));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->x, 480);
  EXPECT_EQ(cursor->y, 462 - 218);  // 0.8 bar: 80 x 437 / 160 = 218
  EXPECT_EQ(Cursor(0, Frame({{19, 250}}))->x, 920) << "limited to the end of the axis";
  EXPECT_EQ(Cursor(0, Frame({{19, 100}, {44, 0x40}, {45, 0x01}}))->y, 25) << "limited to 1.6 bar";
  EXPECT_EQ(*Cursor(0, Frame({{19, 100}, {44, 80}})), *cursor) << "the same place twice";
  EXPECT_FALSE(Cursor(0, Frame({{19, 100}}, 19))) << "a frame that ends before the time";
}

TEST_F(LiveCursorTest, MafVoltageGoesUpToFourTimesTheFullScale) {
  Setting(4) = 2;
  const auto cursor = Cursor(0, Frame({{19, 100}, {58, 0x40}, {59, 0x01}}));  // 320
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->y, 462 - 218);  // 320 x 437 / 160 / 4
}

// Without a full-scale load there is nothing to place the load against: the time line only.
TEST_F(LiveCursorTest, NoLoadLineWithoutAFullScale) {
  Setting(239) = 0;
  const auto cursor = Cursor(0, Frame({{19, 100}, {44, 80}}));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->x, 480);
  EXPECT_FALSE(cursor->y);
}

TEST_F(LiveCursorTest, CurvesAndTheEmulationCharacteristic) {
  // 920 pixels wide without the map's right axis.
  EXPECT_EQ(Cursor(2, Frame({{40, 163}}))->x, 40 + 460);  // 65 of 130 above 98
  EXPECT_EQ(Cursor(3, Frame({{42, 90}}))->x, 40) << "below the axis";
  EXPECT_EQ(Cursor(4, Frame({{48, 150}}))->x, 40 + 460);  // trunc(100 x 1.28) of 256
  EXPECT_FALSE(Cursor(2, Frame({}))->y);
  const auto onPetrol = Cursor(7, Frame({{58, 0}, {59, 2}, {54, 0}, {55, 2}}));
  EXPECT_EQ(onPetrol->x, 40 + 460);
  EXPECT_EQ(onPetrol->y, 462 - 218);
  const auto onGas = Cursor(7, Frame({{10, 6}, {58, 0}, {59, 2}, {27, 0}, {28, 4}}));
  EXPECT_EQ(onGas->y, 25) << "the emulation voltage, limited to the top";
  EXPECT_FALSE(Cursor(1, Frame({{19, 100}})));
  EXPECT_FALSE(Cursor(17, Frame({{19, 100}})));
}

// Readings beyond a curve's axis keep the cursor at the plot's edges.
TEST_F(LiveCursorTest, CurveCursorsStopAtThePlotEdges) {
  EXPECT_EQ(Cursor(2, Frame({{40, 250}}))->x, 960) << "150 °C";
  EXPECT_EQ(Cursor(3, Frame({{42, 0}}))->x, 40) << "-128 °C";
  EXPECT_EQ(Cursor(4, Frame({{48, 0x2C}, {49, 0x01}}))->x, 960) << "3.00 bar";
  EXPECT_EQ(Cursor(4, Frame({{48, 20}, {49, 0}}))->x, 40) << "0.20 bar";
}

TEST_F(LiveCursorTest, CursorLinesCrossThePlot) {
  const chart::PlotGeometry plot = chart::PlotGeometryFor(1000, 500, 0);
  const chart::Picture p = chart::CursorLines({480, 244}, plot, 0xFFFF);
  ASSERT_EQ(p.shapes.size(), 2u);
  const auto& vertical = std::get<chart::Line>(p.shapes[0]);
  EXPECT_EQ(vertical.from, (chart::Point{480, 462}));
  EXPECT_EQ(vertical.to, (chart::Point{480, 25}));
  const auto& horizontal = std::get<chart::Line>(p.shapes[1]);
  EXPECT_EQ(horizontal.from, (chart::Point{40, 244}));
  EXPECT_EQ(horizontal.to, (chart::Point{920, 244}));
}

class KaviCursorTest : public LiveCursorTest {
 protected:
  KaviCursorTest() : LiveCursorTest(255) {}
};

// The mean of the OBD corrections present, 78 .. 178 over the plot's height.
TEST_F(KaviCursorTest, InjectionMapFollowsTheObdCorrection) {
  EXPECT_EQ(Cursor(0, Frame({{19, 40}, {99, 138}, {101, 118}, {102, 140}}))->y, 462 - 235);
  EXPECT_EQ(Cursor(0, Frame({{19, 40}}))->y, 462 - 218) << "none present is no correction";
  EXPECT_EQ(Cursor(0, Frame({{19, 40}}))->x, 40 + 440) << "4 ms of the KAVI's 8";
}

class LiveCellTest : public LiveCursorTest {
 protected:
  explicit LiveCellTest(int family = 2) : LiveCursorTest(family) {}
  std::optional<GridCell> Cell(int kind, const DecodedStatus& s) {
    return chart::LiveCell(kind, m.link, s);
  }
};

TEST_F(LiveCellTest, RowFollowsWhatTheTableGoesBy) {
  const DecodedStatus s = Frame({{15, 3}, {16, 9}, {19, 45}, {28, 0xA7}, {33, 0xD0}, {34, 0x07}});
  EXPECT_EQ(Cell(8, s), (GridCell{3, 9})) << "load";
  EXPECT_EQ(Cell(5, s), (GridCell{3, 10})) << "a voltage";
  Setting(76) = 1;
  for (int b = 0; b < 15; ++b)
    Setting(272 + b) = static_cast<uint8_t>(10 * (b + 1));
  EXPECT_EQ(Cell(1, s), (GridCell{3, 4})) << "the first time breakpoint at or above 4.5 ms";
  EXPECT_EQ(Cell(11, s), (GridCell{3, 4}));
  Setting(295) = 2;
  EXPECT_EQ(Cell(14, s), (GridCell{3, 5})) << "petrol dose 2000 / 400";
  Setting(295) = 1;
  EXPECT_EQ(Cell(14, s), (GridCell{3, 10}));
  EXPECT_EQ(chart::UpperLiveCell(s), (GridCell{3, 9}));
  EXPECT_FALSE(Cell(8, Frame({{15, 16}, {16, 9}}))) << "outside the grid";
  EXPECT_FALSE(Cell(0, s)) << "a plot kind";
}

class KaviCellTest : public LiveCellTest {
 protected:
  KaviCellTest() : LiveCellTest(255) {}
};

TEST_F(KaviCellTest, TimeRowsOfTheKaviAreSixteenthsOfTheTime) {
  Setting(76) = 1;
  const DecodedStatus s = Frame({{15, 3}, {16, 9}, {19, 45}});
  EXPECT_EQ(Cell(1, s), (GridCell{3, 2}));
  EXPECT_EQ(Cell(11, s), (GridCell{3, 9})) << "the KAVI's petrol addition goes by load";
}

class EmulatorCellTest : public LiveCellTest {
 protected:
  EmulatorCellTest() : LiveCellTest(8) {}
};

TEST_F(EmulatorCellTest, TheEmulatorReportsItsOwnCell) {
  EXPECT_EQ(Cell(5, Frame({{12, 7}, {13, 2}, {15, 3}, {16, 9}})), (GridCell{7, 2}));
}

}  // namespace
