// The map view's injection-time map on a full-HD window: a whole redraw (background and the data
// composed over it) with both maps learned in every cell, the pictures alone, and the live cursor
// moved by a status frame and painted. The same for the RPM corrections with the learned maps
// above them: a whole redraw and the live cells moved by a status frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "charts/ChartKinds.h"
#include "charts/InjectionMapChart.h"
#include "charts/Tgrafika.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

// A controller that has learned every cell of both maps, with a multiplier of eight nodes and
// the deviation points shown.
struct FilledMap {
  FilledMap() : m(2) {
    Texts().LanguageIndex = 0;
    auto& memory = m.controller.memory;
    for (int c = 0; c < 16; ++c)
      for (int r = 0; r < 16; ++r) {
        const int petrol = 18 + 10 * r + (c % 3) - c / 3;
        memory[static_cast<size_t>(img::MapaEcuBen + c * 16 + r)] = static_cast<uint8_t>(petrol);
        memory[static_cast<size_t>(img::MapaEcuGaz + c * 16 + r)] =
            static_cast<uint8_t>(petrol - (petrol - 70) / 12);
      }
    m.ReadOut();
    uint8_t* settings = LinkTestAccess::Nastawy(m.link);
    for (int i = 0; i < 8; ++i)
      settings[190 + 17 + i] = static_cast<uint8_t>(20 + 20 * i);
    settings[83] = 40;
    m.link.WyliczMnoznik(1, 50, 150);
    view = std::make_unique<TGrafika>(m.link);
    view->resize(1920, 1080);
    view->SetDeviationPoints(true);
    view->show();
    view->UstawRodzaj(chart::kInjectionMapKind);
    QCoreApplication::processEvents();
  }
  DecodedStatus Status(int petrolTime) {
    m.TickUntil([&] { return m.link.LastStatus().length > 0; });
    DecodedStatus status = m.link.LastStatus();
    status.bytes[19] = static_cast<uint8_t>(petrolTime);
    return status;
  }

  MemoryLink m;
  std::unique_ptr<TGrafika> view;
};

void BM_MapFullRedraw(benchmark::State& state) {
  FilledMap map;
  for (auto _ : state) {
    map.view->RysujTlo();
    map.view->Odswiez();
  }
}
BENCHMARK(BM_MapFullRedraw)->Unit(benchmark::kMillisecond);

// What the core alone spends working the chart out.
void BM_MapPictures(benchmark::State& state) {
  FilledMap map;
  const chart::PlotGeometry plot = chart::PlotGeometryFor(1920, 1080, chart::kInjectionMapKind);
  const chart::ChartColours colours;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        chart::InjectionMapBackground(map.m.link, plot, colours, {true, -1, false}));
    benchmark::DoNotOptimize(chart::InjectionMapData(map.m.link, plot, colours, {true, -1, false},
                                                     chart::TextWidthEstimate));
  }
}
BENCHMARK(BM_MapPictures)->Unit(benchmark::kMillisecond);

// A status frame that moves the cursor: its place worked out, the strips it leaves and enters
// painted over the composed picture.
void BM_MapLiveCursor(benchmark::State& state) {
  FilledMap map;
  const DecodedStatus frames[] = {map.Status(60), map.Status(61)};
  int n = 0;
  for (auto _ : state) {
    map.view->PokazBiezace(frames[n++ % 2]);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_MapLiveCursor)->Unit(benchmark::kMicrosecond);

// The RPM corrections under the deviation of both learned maps, every cell holding data.
struct FilledTables {
  FilledTables() {
    auto& image = LinkTestAccess::ObrazSterownika(map.m.link);
    for (int i = 0; i < 256; ++i)
      image[static_cast<size_t>(img::KorOdObr1 + i)] = static_cast<uint8_t>(90 + i % 21);
    map.view->SetGornaTabela(1);
    map.view->UstawRodzaj(chart::kRpmCorrectionKind);
    map.view->UstawWidok(2);
    QCoreApplication::processEvents();
  }
  DecodedStatus Status(int column) {
    DecodedStatus status = map.Status(60);
    status.bytes[15] = static_cast<uint8_t>(column);
    status.bytes[16] = 5;
    return status;
  }
  FilledMap map;
};

void BM_TablesFullRedraw(benchmark::State& state) {
  FilledTables tables;
  for (auto _ : state) {
    tables.map.view->RysujTlo();
    tables.map.view->Odswiez();
  }
}
BENCHMARK(BM_TablesFullRedraw)->Unit(benchmark::kMillisecond);

// A status frame that moves the live cells of both grids: the four cells repainted.
void BM_TablesLiveCell(benchmark::State& state) {
  FilledTables tables;
  const DecodedStatus frames[] = {tables.Status(6), tables.Status(7)};
  int n = 0;
  for (auto _ : state) {
    tables.map.view->PokazBiezace(frames[n++ % 2]);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_TablesLiveCell)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
