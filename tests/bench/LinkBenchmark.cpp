// Link benchmarks: the cost of one tick carrying a status frame, and how many ticks the
// read-out of a KAVI controller takes.

#include <benchmark/benchmark.h>

#include <bitset>

#include "controller/StatusDecoding.h"
#include "tests/support/SimLink.h"

namespace {

// A KAVI controller read out, the frames from now on written by the benchmark.
void ReadOutThenQuiet(SimLink& s) {
  s.Open();
  s.TickUntil([&] { return s.ReadOutDone(); });
  s.controller.silent = true;
  s.Tick();
}

// One tick that finds a full status frame waiting: receive, unscramble, check, dispatch, then
// answer with the next poll. The frame is put on the line outside the timed part.
void BM_TickWithStatusFrame(benchmark::State& state) {
  SimLink s(255);
  ReadOutThenQuiet(s);
  sim::SimController frames(sim::DefaultIdentity(255));
  std::vector<uint8_t> poll(4);
  poll.resize(ramka::Build(poll.data(), ramka::kRequestStart, 0x90, 0));
  for (auto _ : state) {
    state.PauseTiming();
    frames.Receive(poll.data(), poll.size());
    s.Inject(frames.TakeOutput());
    s.sentBytes = 0;
    state.ResumeTiming();
    s.link.Timer1OnTimer();
    state.PauseTiming();
    if (s.sentBytes > 0) s.server.Deliver(static_cast<size_t>(s.sentBytes), 1000);
    state.ResumeTiming();
  }
  state.counters["counter"] = s.link.LiczDoBrakuPolaczenia();
}
BENCHMARK(BM_TickWithStatusFrame);

// Ticks from opening the port to the end of the read-out, against the least the transmit
// order allows: the identification, its one-tick pause, the tick that reads its reply (and
// polls), then each request on its own turn with a live poll after it, whose tick also reads
// the request's reply.
void BM_KaviReadOutTicks(benchmark::State& state) {
  int ticks = 0;
  int requests = 0;
  for (auto _ : state) {
    SimLink s(255);
    s.Open();
    ticks = 0;
    while (!s.ReadOutDone() && ticks < 1000) {
      s.Tick();
      ++ticks;
    }
    const uint32_t reads = area_set::kGasControllerReadOut | AreaBit::EmulatorHi |
                           AreaBit::Settings2 | AreaBit::EmulatorLo | AreaBit::GasAdvance |
                           AreaBit::PetrolDose;
    requests = 1 + static_cast<int>(std::bitset<32>(reads).count());
  }
  state.counters["ticks"] = ticks;
  state.counters["least"] = 3 + 2 * requests;
}
BENCHMARK(BM_KaviReadOutTicks)->Iterations(3)->Unit(benchmark::kMillisecond);

// Decoding one KAVI status frame for every view: work state, times, OBD part and the text of
// all its live values.
void BM_DecodeStatusFrame(benchmark::State& state) {
  SimLink s(255);
  ReadOutThenQuiet(s);
  const DecodedStatus frame = s.link.LastStatus();
  const StatusContext context{s.link.Rodzina(), s.link.ListaWykresow(), s.link.Nastawy(), '.'};
  DecodedStatus decoded;
  for (auto _ : state) {
    TakeFrame(frame.code, frame.Frame(), decoded);
    DecodeStatus(context, decoded);
    benchmark::DoNotOptimize(decoded.values.data());
  }
  state.counters["values"] = static_cast<double>(decoded.values.size());
}
BENCHMARK(BM_DecodeStatusFrame);

}  // namespace

BENCHMARK_MAIN();
