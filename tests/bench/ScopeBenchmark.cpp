// Scope benchmarks: the pixel columns of ten traces across a full-HD plot at the fastest,
// the one-to-one and the slowest time base, on a full recording and on one ten times longer;
// the marks of every record on screen; and the CSV export of a full recording. A repaint's
// traces should cost a few milliseconds at most.

#include <benchmark/benchmark.h>

#include <fstream>
#include <vector>

#include "controller/StatusDecoding.h"
#include "scope/ScopeCsv.h"
#include "scope/TimeBase.h"
#include "scope/TraceValues.h"
#include "tests/bench/ScopeRecordingFiles.h"
#include "tests/support/OfflineLink.h"

namespace {

constexpr int kRecordSize = 128;
constexpr int kPlotWidth = 1920;
constexpr int kBandHeight = 90;
// Ten analogue traces of the MALVER list: every value type it draws.
constexpr int kTraces[] = {1, 3, 4, 6, 7, 9, 13, 14, 16, 23};

// Records whose bytes wander like a drive's: each byte a slow ramp with some noise.
std::vector<uint8_t> Recording(int records) {
  std::vector<uint8_t> bytes(static_cast<size_t>(records) * kRecordSize);
  uint32_t noise = 12345;
  for (int r = 0; r < records; ++r)
    for (int b = 0; b < kRecordSize; ++b) {
      noise = noise * 1103515245u + 12345u;
      bytes[static_cast<size_t>(r) * kRecordSize + static_cast<size_t>(b)] =
          static_cast<uint8_t>(r / 7 + b * 13 + (noise >> 28));
    }
  return bytes;
}

const std::vector<uint8_t>& RecordingOf(int records) {
  static const std::vector<uint8_t> full = Recording(36'000);
  static const std::vector<uint8_t> longer = Recording(360'000);
  return records == 36'000 ? full : longer;
}

void BM_TraceColumns(benchmark::State& state) {
  const int timeBase = static_cast<int>(state.range(0));
  const int count = static_cast<int>(state.range(1));
  const RecordSpan records{RecordingOf(count), kRecordSize, count};
  OfflineLink offline;
  const std::vector<Wykres>& definitions = offline.link.ListaWykresow();
  const double rate = scope::RecordsPerPixel(timeBase);
  const int first = scope::FirstRecordShown(count, kPlotWidth, rate);
  size_t columns = 0;
  for (auto _ : state) {
    columns = 0;
    for (int t : kTraces) {
      const std::vector<scope::TraceColumn> trace =
          scope::TraceColumns(records, definitions[static_cast<size_t>(t)], offline.link.Nastawy(),
                              kBandHeight, first, rate, kPlotWidth, false);
      columns += trace.size();
      benchmark::DoNotOptimize(trace.data());
    }
  }
  state.counters["columns"] = static_cast<double>(columns);
}
BENCHMARK(BM_TraceColumns)
    ->ArgsProduct({{0, 3, 8}, {36'000, 360'000}})
    ->ArgNames({"timeBase", "records"})
    ->Unit(benchmark::kMillisecond);

// The work-state band and the info markers at the slowest time base: every record on screen.
void BM_WorkMarksOfTheShownRecords(benchmark::State& state) {
  const int count = 36'000;
  const RecordSpan records{RecordingOf(count), kRecordSize, count};
  for (auto _ : state) {
    int messages = 0;
    for (int r = 0; r < count; ++r)
      messages += WorkMarksOf(Family::Rumo, records.At(r)).infoKind == 1;
    benchmark::DoNotOptimize(messages);
  }
}
BENCHMARK(BM_WorkMarksOfTheShownRecords)->Unit(benchmark::kMillisecond);

// Resident memory of the process in MB.
double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// Opening a recording file: read, checked, the table block into the image, the family's lists
// rebuilt. The counter is the memory the loaded recording holds.
void BM_OpenRecording(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string path = RepeatedDemoRecording(count);
  double grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto offline = std::make_unique<OfflineLink>();
    const double before = ResidentMb();
    state.ResumeTiming();
    benchmark::DoNotOptimize(offline->link.CzytajOscyloskop(path, ""));
    state.PauseTiming();
    grown = ResidentMb() - before;
    offline.reset();
    state.ResumeTiming();
  }
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  state.counters["held_MB"] = grown;
}
BENCHMARK(BM_OpenRecording)
    ->Arg(36'000)
    ->Arg(360'000)
    ->ArgNames({"records"})
    ->Unit(benchmark::kMillisecond);

void BM_CsvExport(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const RecordSpan records{RecordingOf(count), kRecordSize, count};
  OfflineLink offline;
  size_t characters = 0;
  for (auto _ : state) {
    const std::string csv =
        scope::ScopeCsv(records, offline.link.ListaWykresow(), offline.link.Nastawy(), '.');
    characters = csv.size();
    benchmark::DoNotOptimize(csv.data());
  }
  state.counters["characters"] = static_cast<double>(characters);
}
BENCHMARK(BM_CsvExport)
    ->Arg(36'000)
    ->Arg(360'000)
    ->ArgNames({"records"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
