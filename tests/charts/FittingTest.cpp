#include <gtest/gtest.h>

#include <vector>

#include "charts/Fitting.h"

namespace {

using chart::Point;

chart::PlotGeometry Plot() {
  return chart::PlotGeometryFor(880, 462, 1);  // plot from x 40 to 840, rows 25 to 425
}

TEST(PlotGeometryTest, InjectionMapKeepsRoomOnTheRight) {
  const auto map = chart::PlotGeometryFor(1000, 500, chart::kInjectionMapKind);
  const auto other = chart::PlotGeometryFor(1000, 500, 17);
  EXPECT_EQ(map.w, 880);
  EXPECT_EQ(other.w, 920);
  EXPECT_EQ(map.h, 437);  // 500 - 62.5, truncated
  EXPECT_EQ(map.yb, 462);
  EXPECT_EQ(map.Top(), 25);
  EXPECT_EQ(other.X(50, 0, 100), 40 + 460);
  EXPECT_EQ(other.Y(50, 0, 100), 462 - 218);
}

TEST(FittingTest, StraightLineThroughExactPoints) {
  // y = 2x + 10 by hand: slope 2, intercept 10.
  const std::vector<Point> points{{100, 210}, {200, 410}, {300, 610}};
  const auto fit = chart::DopasujProsta(points, Plot());
  ASSERT_TRUE(fit);
  EXPECT_DOUBLE_EQ(fit->slope, 2.0);
  EXPECT_DOUBLE_EQ(fit->intercept, 10.0);
  EXPECT_EQ(fit->from, (Point{100, 210}));
  EXPECT_EQ(fit->to, (Point{300, 610}));
}

TEST(FittingTest, StraightLineEndsAreKeptInsideThePlot) {
  const std::vector<Point> points{{0, 100}, {900, 100}};
  const auto fit = chart::DopasujProsta(points, Plot());
  ASSERT_TRUE(fit);
  EXPECT_EQ(fit->from.x, 40);
  EXPECT_EQ(fit->to.x, 840);
}

TEST(FittingTest, PointsInOneColumnHaveNoLine) {
  const std::vector<Point> points{{100, 100}, {100, 200}, {100, 300}};
  EXPECT_FALSE(chart::DopasujProsta(points, Plot()));
  // The polynomial's system is singular too: at most the one column is drawn.
  EXPECT_LE(chart::DopasujWielomian(points, 2, Plot()).size(), 1u);
}

TEST(FittingTest, ParabolaThroughExactPointsIsFollowedPixelByPixel) {
  // y = 0.01 (x - 300)^2 + 100, sampled at five points.
  std::vector<Point> points;
  for (int x : {200, 250, 300, 350, 400})
    points.push_back({x, (x - 300) * (x - 300) / 100 + 100});
  const auto curve = chart::DopasujWielomian(points, 2, Plot());
  ASSERT_EQ(curve.size(), 201u);
  EXPECT_EQ(curve.front(), (Point{200, 200}));
  EXPECT_EQ(curve[100], (Point{300, 100}));
  EXPECT_NEAR(curve[150].y, 125, 1);
}

TEST(FittingTest, CurveStopsWhereItLeavesThePlotTop) {
  // A steep fall: y reaches the plot's top (25) at x = 140 and the curve ends there.
  const std::vector<Point> points{{100, 225}, {120, 125}, {160, -75}};
  const auto curve = chart::DopasujWielomian(points, 1, Plot());
  ASSERT_FALSE(curve.empty());
  EXPECT_EQ(curve.front().x, 100);
  EXPECT_GT(curve.back().y, 25);
  EXPECT_LE(curve.back().x, 140);
}

}  // namespace
