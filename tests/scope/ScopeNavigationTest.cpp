// The time bases and how the tools and arrow keys move the shown window of records.

#include <gtest/gtest.h>

#include "scope/ScopeNavigation.h"
#include "scope/TimeBase.h"

namespace scope {
namespace {

TEST(TimeBaseTest, SecondsPerDivisionOfEveryTimeBase) {
  const char* expected[kTimeBases] = {"0.5", "1", "2", "5", "10", "20", "50", "100", "200"};
  for (int t = 0; t < kTimeBases; ++t)
    EXPECT_EQ(SecondsPerDivisionText(t, '.'), expected[t]) << t;
  EXPECT_EQ(SecondsPerDivisionText(0, ','), "0,5");
}

TEST(TimeBaseTest, RecordsOneToOneShowTheLastPlotWidthOfRecords) {
  const double rate = RecordsPerPixel(3);
  EXPECT_EQ(rate, 1.0);
  EXPECT_EQ(FirstRecordShown(1000, 600, rate), 400);
  EXPECT_EQ(SecondsPerDivisionText(3, '.'), "5");
  EXPECT_EQ(RecordTimeText(1000, '.'), "100.0");
  EXPECT_EQ(RecordTimeText(3, ','), "0,3");
}

TEST(TimeBaseTest, FirstRecordAndCursorRecordTruncateTowardZero) {
  struct Case {
    int end, plotWidth, timeBase, first;
  };
  const Case cases[] = {
      {1000, 600, 0, 940},  // 60 records on 600 pixels
      {1000, 600, 8, -23000},
      {5, 601, 2, -235},  // -235.4 toward zero, not -236
      {0, 600, 3, -600},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FirstRecordShown(c.end, c.plotWidth, RecordsPerPixel(c.timeBase)), c.first)
        << c.end << " " << c.timeBase;

  EXPECT_EQ(RecordAtX(310, 400, 1.0), 700);
  EXPECT_EQ(RecordAtX(15, 400, 0.4), 402);
  EXPECT_EQ(RecordAtX(311, 400, 20), 6420);
}

TEST(ScopeNavigationTest, TimeBaseButtonsKeepTheMiddleRecord) {
  const int middleFromRight = (720 - 120) / 2;
  struct Case {
    int timeBase, step, end;
    bool changed;
    int newTimeBase, newEnd;
  };
  const Case cases[] = {
      {3, +1, 1000, true, 4, 1300},   // middle record 700 stays: 1300 - 300 x 2
      {3, -1, 1000, true, 2, 820},    // 820 - 300 x 0.4 = 700
      {8, +1, 1000, false, 8, 1000},  // no slower time base
      {0, -1, 1000, false, 0, 1000}, {5, +1, 100, true, 6, 1900},
  };
  for (const Case& c : cases) {
    ViewState view;
    view.timeBase = c.timeBase;
    view.end = c.end;
    EXPECT_EQ(StepTimeBase(view, c.step, middleFromRight), c.changed) << c.timeBase;
    EXPECT_EQ(view.timeBase, c.newTimeBase);
    EXPECT_EQ(view.end, c.newEnd) << c.timeBase << " " << c.step;
  }
}

class ArrowKeyTest : public ::testing::Test {
 protected:
  ArrowKeyTest() {
    view.tool = Tool::File;
    view.timeBase = 3;
    view.end = 1000;
  }
  int RecordUnderCursor() const {
    return RecordAtX(view.cursor, FirstRecordShown(view.end, frame.PlotWidth(), view.Rate()),
                     view.Rate());
  }

  ViewState view;
  PlotFrame frame{720, 500, 20};
  int recordCount = 1200;
};

TEST_F(ArrowKeyTest, UpKeepsTheRecordUnderTheCursor) {
  view.cursor = 310;
  ASSERT_EQ(RecordUnderCursor(), 700);
  EXPECT_TRUE(ArrowKey(view, Arrow::Up, frame, recordCount));
  EXPECT_EQ(view.timeBase, 2);
  EXPECT_EQ(view.end, 820);
  EXPECT_EQ(RecordUnderCursor(), 700);

  EXPECT_TRUE(ArrowKey(view, Arrow::Down, frame, recordCount));
  EXPECT_TRUE(ArrowKey(view, Arrow::Down, frame, recordCount));
  EXPECT_EQ(view.timeBase, 4);
  EXPECT_EQ(RecordUnderCursor(), 700);
}

TEST_F(ArrowKeyTest, WithoutCursorTheRightEdgeStays) {
  EXPECT_TRUE(ArrowKey(view, Arrow::Down, frame, recordCount));
  EXPECT_EQ(view.timeBase, 4);
  EXPECT_EQ(view.end, 1000);
}

TEST_F(ArrowKeyTest, KeysThatCanDoNothingAreRefused) {
  struct Case {
    const char* what;
    Tool tool;
    DisplayKind kind;
    int timeBase, end;
    Arrow key;
  };
  const Case cases[] = {
      {"Down at the last time base", Tool::File, DisplayKind::Normal, 8, 1000, Arrow::Down},
      {"Up at the first time base", Tool::File, DisplayKind::Normal, 0, 1000, Arrow::Up},
      {"Up in the docked view", Tool::File, DisplayKind::Docked, 3, 1000, Arrow::Up},
      {"Down on the calibration page", Tool::Stop, DisplayKind::Calibration, 3, 1000, Arrow::Down},
      {"Left while following", Tool::Start, DisplayKind::Normal, 3, 1000, Arrow::Left},
      {"Right while following", Tool::Start, DisplayKind::Normal, 3, 1000, Arrow::Right},
      {"Left at one plot width", Tool::File, DisplayKind::Normal, 3, 600, Arrow::Left},
      {"Right at the last record", Tool::Pause, DisplayKind::Normal, 3, 1200, Arrow::Right},
  };
  for (const Case& c : cases) {
    view.tool = c.tool;
    view.kind = c.kind;
    view.timeBase = c.timeBase;
    view.end = c.end;
    EXPECT_FALSE(ArrowKey(view, c.key, frame, recordCount)) << c.what;
    EXPECT_EQ(view.timeBase, c.timeBase) << c.what;
    EXPECT_EQ(view.end, c.end) << c.what;
  }
}

TEST_F(ArrowKeyTest, LeftAndRightMoveOneRecord) {
  view.end = 601;
  EXPECT_TRUE(ArrowKey(view, Arrow::Left, frame, recordCount));
  EXPECT_EQ(view.end, 600);
  view.end = 1199;
  EXPECT_TRUE(ArrowKey(view, Arrow::Right, frame, recordCount));
  EXPECT_EQ(view.end, 1200);
}

}  // namespace
}  // namespace scope
