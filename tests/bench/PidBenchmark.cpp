// PID benchmarks: finding a PID's answer in the adapter's text and decoding it, which the OBD
// reader does for every poll (goal: under 5 µs each); and the polling rate against a simulated
// adapter that answers at once, next to the most the task loop's own pacing allows (goal: 0.9 of
// it or better).

#include <benchmark/benchmark.h>

#include "obd/PidDecoding.h"
#include "obd/PidReply.h"
#include "obd/Telmobd.h"
#include "sim/ElmAdapter.h"
#include "sim/ElmPairing.h"

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

// PIDs decoded per second of the link's own time (its 100 ms ticks), over 10 s of polling. The
// bound: on CAN one PID every second tick (request, then its answer), on the slower buses a
// 200 ms pause more before each request. A real car adds the adapter's answer time to both.
void BM_PollingRate(benchmark::State& state) {
  const int protocol = static_cast<int>(state.range(0));
  const bool can = protocol >= 6;
  constexpr int kTicks = 100;
  const double boundPerSecond = 1000.0 / (TObd::kInterwalMs * (can ? 2 : 4));
  double rate = 0;
  for (auto _ : state) {
    TObd link;
    sim::ElmAdapter adapter(protocol);
    sim::ElmPairing line(link, adapter);
    line.TickUntil([&] { return link.Zadanie() == 1000; }, 3000);
    link.WybierzTylko(std::vector<int>{0x04, 0x05, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11});
    int decoded = 0;
    link.OnZdarzenie = [&](int code, int, int) { decoded += code == 103; };
    for (int i = 0; i < kTicks; ++i)
      line.Tick();
    rate = decoded / (kTicks * TObd::kInterwalMs / 1000.0);
  }
  state.counters["pids_per_s"] = rate;
  state.counters["bound_per_s"] = boundPerSecond;
  state.counters["of_bound"] = rate / boundPerSecond;
  state.SetLabel(can ? "CAN: bound 1 PID per 2 ticks of 100 ms"
                     : "K-line/J1850: bound 1 PID per 2 ticks and a 200 ms pause");
}
BENCHMARK(BM_PollingRate)->Arg(6)->Arg(9)->Arg(5)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
