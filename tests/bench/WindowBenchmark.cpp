// The main window's whole refresh for one status frame: received, decoded, and panels, grids
// and status painted; and the settings editor's relayout and repaint.

#include <benchmark/benchmark.h>
#include <QApplication>

#include "app/InjectionGrid.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "settings/Tnastawy.h"
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
