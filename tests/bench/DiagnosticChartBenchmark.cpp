// Diagnostic chart benchmarks: the data of the injection-time, gas-pressure and emulation charts
// worked out from a one-hour recording of the simulated drive at full HD. Each should take well
// under 100 ms, so that the chart needs no pauses for the window's messages.

#include <benchmark/benchmark.h>

#include "charts/DiagnosticCharts.h"
#include "tests/bench/ScopeRecordingFiles.h"
#include "tests/support/OfflineLink.h"

namespace {

constexpr int kOneHour = 36'000;  // records of 128 bytes

// The link with the recording loaded, as the map view finds it.
TSterownik& Recorded() {
  static OfflineLink offline;
  static const int loaded = offline.link.CzytajOscyloskop(RepeatedDemoRecording(kOneHour), "");
  (void)loaded;
  return offline.link;
}

size_t PixelCount(const chart::Picture& picture) {
  size_t pixels = 0;
  for (const chart::Shape& shape : picture.shapes)
    if (const auto* dots = std::get_if<chart::Pixels>(&shape)) pixels += dots->points.size();
  return pixels;
}

void BM_DiagnosticData(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  TSterownik& link = Recorded();
  const chart::PlotGeometry plot = chart::PlotGeometryFor(1920, 1080, kind);
  const chart::ChartColours colours;
  const chart::DiagnosticOptions options{true, 2};  // the gas pressure too
  chart::DiagnosticState smoothing;
  size_t pixels = 0;
  for (auto _ : state) {
    const chart::Picture data = chart::DiagnosticData(kind, link, plot, colours, options, smoothing,
                                                      chart::TextWidthEstimate);
    pixels = PixelCount(data);
    benchmark::DoNotOptimize(data.shapes.data());
  }
  state.counters["records"] = link.IleRekordow();
  state.counters["pixels"] = static_cast<double>(pixels);
}
BENCHMARK(BM_DiagnosticData)
    ->Arg(chart::kInjectionTimesKind)
    ->Arg(chart::kGasPressureKind)
    ->Arg(chart::kEmulationCharacteristicKind)
    ->ArgNames({"kind"})
    ->Unit(benchmark::kMillisecond);

void BM_DiagnosticBackground(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  TSterownik& link = Recorded();
  const chart::PlotGeometry plot = chart::PlotGeometryFor(1920, 1080, kind);
  const chart::ChartColours colours;
  const chart::DiagnosticOptions options{true, 2};
  for (auto _ : state) {
    const chart::Picture background =
        chart::DiagnosticBackground(kind, link, plot, colours, options, chart::TextWidthEstimate);
    benchmark::DoNotOptimize(background.shapes.data());
  }
}
BENCHMARK(BM_DiagnosticBackground)
    ->Arg(chart::kInjectionTimesKind)
    ->Arg(chart::kGasPressureKind)
    ->ArgNames({"kind"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
