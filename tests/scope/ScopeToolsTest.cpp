#include <gtest/gtest.h>

#include <set>

#include "scope/LivePacing.h"
#include "scope/ObdDump.h"
#include "scope/ScopeTools.h"
#include "scope/ScopeTraces.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/TempFolder.h"

namespace {

struct ReadOutLink {
  explicit ReadOutLink(int family) : m(family) { EXPECT_TRUE(m.ReadOut()); }
  scope::ToolContext Context() { return {m.ui, "", 920}; }
  MemoryLink m;
};

}  // namespace

// Slow redraws spread the traces over groups, each drawn exactly once per picture; quick ones
// bring them back together, and browsing always draws whole pictures.
TEST(LivePacing, GroupsCoverEveryTraceOncePerPicture) {
  scope::LivePacing pacing;
  for (int i = 0; i < 10; ++i)
    pacing.Next(true, 120);
  EXPECT_EQ(pacing.Level(), 4);
  for (int n : {1, 3, 10, 23}) {
    std::multiset<int> drawn;
    int pictures = 0;
    for (int redraw = 0; redraw < 5; ++redraw) {
      pacing.Next(true, 60);  // neither slow nor quick: the grouping stays
      for (int k = 0; k < n; ++k)
        if (pacing.Draws(k, n)) drawn.insert(k);
      pictures += pacing.Completes();
    }
    EXPECT_EQ(pictures, 1) << n;
    for (int k = 0; k < n; ++k)
      EXPECT_EQ(drawn.count(k), 1u) << n << " traces, trace " << k;
  }
  for (int i = 0; i < 10; ++i)
    pacing.Next(true, 10);
  EXPECT_EQ(pacing.Level(), 0);
  pacing.Next(true, 500);
  pacing.Next(false, 500);
  EXPECT_TRUE(pacing.Starts() && pacing.Completes());
}

TEST(ObdDump, LinesNameTheKindAndItsBytes) {
  std::vector<uint8_t> records(3 * 128, 0);
  auto put = [&](int record, std::initializer_list<uint8_t> from92) {
    std::copy(from92.begin(), from92.end(), records.begin() + record * 128 + 92);
  };
  put(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 4, 1, 0xAA});       // ECUs: always 16 bytes
  put(1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32, 2, 0x01, 0x02});  // trouble codes: length + 2
  put(2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 64, 3});              // unknown kind
  const std::vector<std::string> lines = ObdDumpLines({records, 128, 3});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "01 02 03 04 05 06 07 08 09 0A 0B 04  ECU:    01 AA 00 00 00 00 00 00 00 00 00 00 00 "
            "00 00 00 00");
  EXPECT_EQ(lines[1], "00 00 00 00 00 00 00 00 00 00 00 20  DTC:    02 01 02 00 00");
  EXPECT_EQ(lines[2], "00 00 00 00 00 00 00 00 00 00 00 40 ");
}

// Clearing forgets the recording and the traces that need long records; the long-record switch
// asks the controller for them and keeps the traces.
TEST(ScopeTools, ClearAndRecordSize) {
  ReadOutLink l(255);
  TSterownik& link = l.m.link;
  auto& traces = LinkTestAccess::ListaWykresow(link);
  ASSERT_GT(traces.size(), 53u);
  traces[53].flagi |= ChartPlace::ScopeTrace;
  scope::ViewState view;
  link.DodajRekord(std::vector<uint8_t>(128, 1));
  EXPECT_TRUE(scope::RunTool(link, view, scope::kLongRecords, l.Context()));
  EXPECT_EQ(link.RozmiarRekordu(), 256);
  EXPECT_EQ(link.IleRekordow(), 0);
  EXPECT_TRUE(traces[53].flagi & ChartPlace::ScopeTrace);
  EXPECT_TRUE(scope::RunTool(link, view, scope::kClear, l.Context()));
  EXPECT_EQ(link.RozmiarRekordu(), 128);
  EXPECT_FALSE(traces[53].flagi & ChartPlace::ScopeTrace);
}

TEST(ScopeTools, ToolsLayoutsAndRecording) {
  ReadOutLink l(2);
  scope::ViewState view;
  const struct {
    int tool;
    scope::Tool expected;
    bool recording;
  } kTools[] = {
      {1, scope::Tool::Start, true}, {2, scope::Tool::Pause, true}, {3, scope::Tool::Stop, false}};
  for (const auto& t : kTools) {
    scope::RunTool(l.m.link, view, t.tool, l.Context());
    EXPECT_EQ(view.tool, t.expected);
    EXPECT_EQ(scope::Recording(view), t.recording) << t.tool;
  }
  for (int tool : {10, 11, 12}) {
    scope::RunTool(l.m.link, view, tool, l.Context());
    EXPECT_EQ(static_cast<int>(view.layout), tool - 9);
  }
  scope::RunTool(l.m.link, view, scope::kFasterTimeBase, l.Context());
  EXPECT_EQ(view.timeBase, 4);
}

// The recording-file tool starts a file, and the same tool closes it.
TEST(ScopeTools, RecordingFileToolStartsAndStops) {
  TempFolder folder("scope-tools-file");
  ReadOutLink l(2);
  scope::ViewState view;
  l.m.ui.paths.push_back(folder.File("tool.osc"));
  scope::RunTool(l.m.link, view, scope::kRecordingFile, l.Context());
  EXPECT_TRUE(l.m.link.RecordingFileOpen());
  ASSERT_EQ(l.m.ui.dialogs.size(), 1u);
  EXPECT_TRUE(l.m.ui.dialogs[0].save);
  EXPECT_EQ(l.m.ui.dialogs[0].request.title, "Save scope to file");
  scope::RunTool(l.m.link, view, scope::kRecordingFile, l.Context());
  EXPECT_FALSE(l.m.link.RecordingFileOpen());
  EXPECT_EQ(l.m.ui.dialogs.size(), 1u);
}

TEST(ScopeTraces, DockedViewShowsItsFixedTraces) {
  ReadOutLink gas(2);
  uint8_t* settings = LinkTestAccess::Nastawy(gas.m.link);
  settings[6] = 0;
  EXPECT_EQ(scope::TracesShown(gas.m.link, scope::DisplayKind::Docked).analogue,
            (std::vector<int>{1, 11, 9, 12}));
  settings[6] = 1;
  EXPECT_EQ(scope::TracesShown(gas.m.link, scope::DisplayKind::Docked).analogue,
            (std::vector<int>{1, 11, 10, 12}));
  ReadOutLink emulator(8);
  EXPECT_EQ(scope::TracesShown(emulator.m.link, scope::DisplayKind::Docked).analogue,
            (std::vector<int>{1, 2, 3, 4}));
}

TEST(ScopeTraces, PetrolInputGrid) {
  ReadOutLink l(255);
  uint8_t* settings = LinkTestAccess::Nastawy(l.m.link);
  settings[300] = 0;
  EXPECT_EQ(scope::PetrolGridLines(l.m.link, 500), (std::vector<int>{110, 210, 310, 410}));
  settings[300] = 2;
  settings[304] = 1;
  const std::vector<int> lines = scope::PetrolGridLines(l.m.link, 500);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], 101);  // 500 x 0.18348624 + 10
  EXPECT_EQ(lines[1], 193);
}

TEST(ScopeTraces, ColoursFollowTheScheme) {
  const scope::ScopeColours light = scope::ScopeColoursOf(2, 1, 2);
  const scope::ScopeColours dark = scope::ScopeColoursOf(3, 1, 2);
  EXPECT_EQ(light.plot, 0xF0F0F0u);
  EXPECT_EQ(light.cursor, 0x00FFFFu);
  EXPECT_EQ(dark.plot, 0x323232u);
  EXPECT_EQ(dark.grid, 0x808080u);
  EXPECT_EQ(dark.window, 1u);
}
