// PID benchmarks: finding a PID's answer in the adapter's text and decoding it, which the OBD
// reader does for every poll. Goal: under 5 µs each.

#include <benchmark/benchmark.h>

#include "obd/PidDecoding.h"
#include "obd/PidReply.h"

namespace {

// Two ECUs answer; the engine's answer comes second, so the search passes the first.
constexpr const char* kCanReply = "7E9 04 41 0C 00 00 AA AA AA \r7E8 04 41 0C 1A F8 AA AA AA \r\r>";

void BM_LocateAndDecodeRpm(benchmark::State& state) {
  for (auto _ : state) {
    const auto reading = ReadPidReply(kCanReply, 6, 0x7E8, 0x0C);
    benchmark::DoNotOptimize(PidValueText(0x0C, *reading, ','));
  }
}
BENCHMARK(BM_LocateAndDecodeRpm);

// The type found last in the decoding table, on a K-line protocol.
void BM_LocateAndDecodeEvapPressure(benchmark::State& state) {
  for (auto _ : state) {
    const auto reading = ReadPidReply("48 6B 10 41 32 FF F8 C5 \r\r>", 3, 0x10, 0x32);
    benchmark::DoNotOptimize(PidValueText(0x32, *reading, '.'));
  }
}
BENCHMARK(BM_LocateAndDecodeEvapPressure);

void BM_SupportedPidBitmap(benchmark::State& state) {
  PidSelection selection;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        PIDsupported(selection, 0, "18 DA F1 10 06 41 00 BE 1F A8 13 AA \r\r>", 7, 0x10));
}
BENCHMARK(BM_SupportedPidBitmap);

}  // namespace

BENCHMARK_MAIN();
