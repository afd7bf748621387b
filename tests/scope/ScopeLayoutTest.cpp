// Where the scope puts its plot, overview strip, window marker and trace bands.

#include <gtest/gtest.h>

#include <vector>

#include "scope/ScopeLayout.h"

namespace scope {
namespace {

TEST(ScopeLayoutTest, PlotFrameAndWhereTheMouseCounts) {
  EXPECT_EQ(BottomArea(0, DisplayKind::Normal), 20);
  EXPECT_EQ(BottomArea(2, DisplayKind::Normal), 62);
  EXPECT_EQ(BottomArea(2, DisplayKind::Docked), 20) << "the docked view has no digital rows";

  const PlotFrame frame{720, 500, BottomArea(1, DisplayKind::Normal)};
  EXPECT_EQ(frame.PlotWidth(), 600);
  EXPECT_EQ(frame.Right(), 610);
  EXPECT_EQ(frame.Bottom(), 459);
  EXPECT_TRUE(frame.InPlot(11, 41));
  EXPECT_TRUE(frame.InPlot(609, 458));
  EXPECT_FALSE(frame.InPlot(10, 100));
  EXPECT_FALSE(frame.InPlot(610, 100));
  EXPECT_FALSE(frame.InPlot(300, 40));
  EXPECT_FALSE(frame.InPlot(300, 459));
  EXPECT_TRUE(frame.InStrip(11, 39));
  EXPECT_FALSE(frame.InStrip(11, 40));
  EXPECT_FALSE(frame.InStrip(610, 20));
}

TEST(ScopeLayoutTest, WindowMarkerOfTheOverviewStrip) {
  struct Case {
    int first, end, count;
    bool following;
    Marker marker;
  };
  const Case cases[] = {
      {400, 1000, 2000, false, {true, 129, 311}},
      {-100, 500, 1000, false, {true, 9, 311}},     // before the recording: from its start
      {1000, 3000, 2000, false, {true, 309, 611}},  // beyond its end: to the strip's end
      {0, 10, 10, false, {}},                       // ten records show no marker
      {400, 1000, 2000, true, {}},                  // nor does following the newest
  };
  for (const Case& c : cases) {
    const Marker m = WindowMarker(c.first, c.end, c.count, 600, c.following);
    EXPECT_EQ(m.shown, c.marker.shown) << c.first;
    EXPECT_EQ(m.x1, c.marker.x1) << c.first;
    EXPECT_EQ(m.x2, c.marker.x2) << c.first;
  }
  EXPECT_EQ(WindowMarker(0, 4'600'000, 4'608'000, 1800, false).x2, 1807)
      << "products of long recordings and wide plots";
  EXPECT_EQ(StripRecord(300, 1000, 600), 500);
  EXPECT_EQ(StripRecord(599, 36000, 600), 35940);
}

TEST(ScopeLayoutTest, ClickInTheStripCentresTheWindow) {
  struct Case {
    const char* what;
    int x, count, first, end, newEnd;
  };
  const Case cases[] = {
      {"centred on the click", 300, 36000, 19400, 20000, 18300},
      {"never beyond the recording", 600, 36000, 19400, 20000, 36000},
      {"the left end shows the first full window", 11, 1000, 200, 800, 600},
      {"an odd window loses a record", 11, 1000, 199, 800, 600},
      {"a window wider than the recording moves not", 300, 400, -200, 400, 400},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EndAfterStripClick(c.x, c.count, 600, c.first, c.end), c.newEnd) << c.what;
}

TEST(ScopeLayoutTest, BandHeights) {
  const PlotFrame frame{720, 500, 20};  // 422 pixels for the bands
  struct Case {
    Layout layout;
    DisplayKind kind;
    int traces, height;
  };
  const Case cases[] = {
      {Layout::OneBand, DisplayKind::Normal, 4, 422},
      {Layout::FiveBands, DisplayKind::Normal, 4, 84},
      {Layout::BandPerTrace, DisplayKind::Normal, 4, 105},
      {Layout::BandPerTrace, DisplayKind::Normal, 0, 422},
      {Layout::OneBand, DisplayKind::Docked, 4, 140},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BandHeight(frame, c.layout, c.kind, c.traces), c.height)
        << static_cast<int>(c.layout) << " " << static_cast<int>(c.kind);
  EXPECT_EQ(BandHeight({720, 60, 20}, Layout::OneBand, DisplayKind::Normal, 1), 1)
      << "a view too low for any band";
  EXPECT_EQ(BandHeight(frame, Layout::BandPerTrace, DisplayKind::Normal, 1000), 1);
}

TEST(ScopeLayoutTest, FiveBandsByDefinitionIndex) {
  const int firstOfBand[] = {1, 3, 8, 15, 23};
  for (int band = 1; band <= 5; ++band) {
    EXPECT_EQ(FiveBandOf(firstOfBand[band - 1]), band);
    EXPECT_EQ(FiveBandOf(firstOfBand[band - 1] - 1), band == 1 ? 1 : band - 1);
  }
  EXPECT_EQ(FiveBandOf(1), 1);
  EXPECT_EQ(FiveBandOf(4), 2);
  EXPECT_EQ(FiveBandOf(9), 3);
  EXPECT_EQ(FiveBandOf(65), 5);
}

void ExpectPlaces(const std::vector<TracePlace>& places, const std::vector<int>& baselines,
                  const std::vector<int>& legends) {
  ASSERT_EQ(places.size(), baselines.size());
  for (size_t k = 0; k < places.size(); ++k) {
    EXPECT_EQ(places[k].baseline, baselines[k]) << "trace " << k;
    EXPECT_EQ(places[k].legendY, legends[k]) << "trace " << k;
  }
}

TEST(ScopeLayoutTest, TracePlacesOfEachLayout) {
  const std::vector<int> four = {1, 3, 4, 9};
  {
    SCOPED_TRACE("one band: shared baseline, legends stacked from the top");
    ExpectPlaces(PlaceTraces(four, Layout::OneBand, DisplayKind::Normal, 422), {462, 462, 462, 462},
                 {40, 56, 72, 88});
  }
  {
    SCOPED_TRACE("one band per trace");
    ExpectPlaces(PlaceTraces(four, Layout::BandPerTrace, DisplayKind::Normal, 105),
                 {145, 250, 355, 460}, {136, 241, 346, 451});
  }
  {
    SCOPED_TRACE("five bands: by definition, legends stacked up within a band");
    const std::vector<int> definitions = {1, 3, 4, 9, 23};
    ExpectPlaces(PlaceTraces(definitions, Layout::FiveBands, DisplayKind::Normal, 84),
                 {124, 208, 208, 292, 460}, {115, 199, 183, 283, 451});
  }
  {
    SCOPED_TRACE("docked: the third and fourth trace share the last band");
    ExpectPlaces(PlaceTraces(four, Layout::BandPerTrace, DisplayKind::Docked, 140),
                 {180, 320, 460, 460}, {171, 311, 436, 451});
  }
}

TEST(ScopeLayoutTest, BandLinesDownToThePlotBottom) {
  EXPECT_EQ(BandLines({720, 500, 20}, 105), (std::vector<int>{145, 250, 355, 460}));
  EXPECT_EQ(BandLines({720, 500, 20}, 422), (std::vector<int>{462}));
  EXPECT_EQ(BandLines({720, 100, 20}, 1).size(), 39u);
}

}  // namespace
}  // namespace scope
