// The main window's whole refresh for one status frame: received, decoded, and panels, grids
// and status painted; and the settings editor's relayout and repaint.

#include <benchmark/benchmark.h>
#include <QApplication>

#include "app/InjectionGrid.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "scope/ScopeTools.h"
#include "scope/Toscyloskop.h"
#include "settings/Tnastawy.h"
#include "tests/bench/ScopeRecordingFiles.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/WindowSim.h"

namespace {

void BM_WindowRefreshPerStatusFrame(benchmark::State& state) {
  WindowSim s(static_cast<int>(state.range(0)));
  s.controller.frozenLiveValues = false;  // values change, so every cell is rewritten
  s.window->resize(1024, 700);
  s.window->show();
  s.Connect();
  s.controller.silent = true;
  s.Tick();
  TSterownik& link = s.link();
  RightPanel& panel = s.window->rightPanel();
  sim::SimController frames(sim::DefaultIdentity(static_cast<int>(state.range(0))));
  std::vector<uint8_t> poll(4);
  poll.resize(ramka::Build(poll.data(), ramka::kRequestStart, 0x90, 0));
  for (auto _ : state) {
    state.PauseTiming();
    frames.Receive(poll.data(), poll.size());
    s.Inject(frames.TakeOutput());
    state.ResumeTiming();
    link.OdbiorRx();
    panel.parameters()->repaint();
    panel.injections()->repaint();
    panel.repaint();
  }
}
BENCHMARK(BM_WindowRefreshPerStatusFrame)->Arg(2)->Arg(255)->Unit(benchmark::kMicrosecond);

// The settings editor's advanced page on a full-HD window: laid out again (as after a family
// selection or a change that moves rows) and painted whole.
void BM_EditorRelayoutAndRepaint(benchmark::State& state) {
  WindowSim s(static_cast<int>(state.range(0)));
  s.window->resize(1920, 1080);
  s.window->show();
  s.Connect();
  s.window->SelectTab(0);
  s.window->SetViewLevel(2);
  TNastawy& editor = s.window->settingsEditor();
  for (auto _ : state) {
    editor.Relayout();
    editor.repaint();
  }
}
BENCHMARK(BM_EditorRelayoutAndRepaint)->Arg(2)->Arg(255)->Unit(benchmark::kMicrosecond);

// A tab change (Settings, Map, Diagnostics, Oscilloscope in turn) and a Map sub-view change,
// each with the first draw of the page it brings: the goal is under 50 ms.
void BM_TabChangeWithFirstDraw(benchmark::State& state) {
  WindowSim s(static_cast<int>(state.range(0)));
  s.window->resize(1024, 700);
  s.window->show();
  s.Connect();
  constexpr int kTabs[] = {kSettingsTab, kMapTab, kDiagnosticsTab, kScopeTab};
  size_t next = 0;
  for (auto _ : state) {
    s.window->SelectTab(kTabs[next++ % std::size(kTabs)]);
    s.window->repaint();
  }
}
BENCHMARK(BM_TabChangeWithFirstDraw)->Arg(2)->Arg(255)->Unit(benchmark::kMillisecond);

void BM_MapSubViewChangeWithFirstDraw(benchmark::State& state) {
  WindowSim s(static_cast<int>(state.range(0)));
  s.window->resize(1024, 700);
  s.window->show();
  s.Connect();
  s.window->SelectTab(kMapTab);
  constexpr int kSubViews[] = {11, 12, 13, 16};
  size_t next = 0;
  for (auto _ : state) {
    s.window->MapSubViewClicked(kSubViews[next++ % std::size(kSubViews)]);
    s.window->repaint();
  }
}
BENCHMARK(BM_MapSubViewChangeWithFirstDraw)->Arg(2)->Arg(255)->Unit(benchmark::kMillisecond);

// A whole redraw of a full-HD scope with ten traces of a long drive, at the fastest, the
// one-to-one and the slowest time base, browsing from the end of the recording.
void BM_ScopeRedraw(benchmark::State& state) {
  const int timeBase = static_cast<int>(state.range(0));
  OfflineLink offline;
  TScope view(offline.link, offline.ui, nullptr);
  view.resize(1920, 1080);
  view.show();
  view.OpenFile(RepeatedDemoRecording(static_cast<int>(state.range(1))));
  const std::vector<Wykres>& list = offline.link.ListaWykresow();
  int traces = 0;
  for (const Wykres& w : list)
    traces += (w.flagi & ChartPlace::ScopeTrace) != 0;
  for (int i = 1; i < static_cast<int>(list.size()) && traces < 10; ++i)
    if (!(list[static_cast<size_t>(i)].flagi & ChartPlace::ScopeTrace) &&
        !TSterownik::ReadsLongRecord(i)) {
      offline.link.ToggleScopeTrace(i);
      ++traces;
    }
  const int steps = timeBase - scope::kDefaultTimeBase;
  for (int i = 0; i < std::abs(steps); ++i)
    view.Tool(steps < 0 ? scope::kSlowerTimeBase : scope::kFasterTimeBase);
  for (auto _ : state)
    view.Redraw();
  state.counters["traces"] = traces;
}
BENCHMARK(BM_ScopeRedraw)
    ->ArgsProduct({{0, 3, 8}, {36'000, 360'000}})
    ->ArgNames({"timeBase", "records"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
