// Firmware upload: ticks from the first block frame to the return from the bootloader, for
// each flash mode, against the least the block protocol allows: every frame takes its own
// tick and the pause the bootloader needs after it (two ticks, three after the slow blocks).

#include <benchmark/benchmark.h>

#include "files/FileIo.h"
#include "sim/FirmwareImages.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr double kTickSeconds = 0.095;

struct Mode {
  int flashMode, blocksBy16;
};
constexpr Mode kModes[] = {{1, 0}, {2, 0}, {3, 0}, {4, 10}, {5, 10}};

// The protocol's own pacing: a frame per turn, one tick of pause after it, two after blocks
// 0, 1 and 2 and after every 16th (mode 4) or 4th (mode 5) block.
int LeastTicks(int flashMode, int blocks) {
  const int step = flashMode == 2 ? 2 : 1;
  int ticks = 0;
  for (int b = 0; b < blocks; b += step) {
    const bool slow =
        b <= 2 || (flashMode == 4 && (b & 0x0F) == 0x0F) || (flashMode == 5 && (b & 0x03) == 0x03);
    ticks += slow ? 3 : 2;
  }
  return ticks;
}

void BM_FirmwareUploadTicks(benchmark::State& state) {
  const Mode mode = kModes[state.range(0)];
  sim::Identity identity = sim::DefaultIdentity(2);
  identity.boardVersion = mode.flashMode;
  const std::vector<uint8_t> image = sim::MakeFirmwareImage(
      identity, {.flashMode = mode.flashMode, .blocksBy16 = mode.blocksBy16});
  TempFolder folder("firmware-bench");
  const std::string path = folder.File("update.img");
  WriteFileAtomically(path, image);
  int ticks = 0;
  int blocks = 0;
  for (auto _ : state) {
    MemoryLink m(identity);
    m.ReadOut();
    m.link.Aktualizacja(path);
    blocks = m.link.WgrywanyObraz().IloscBlokowFlash();
    int tick = 0, first = -1, returned = -1;
    m.link.OnZdarzenie = [&](const LinkEvent& e) {
      if (e.kind != EventKind::FrameSent) return;
      if (e.code == code::FirmwareBlock && first < 0) first = tick;
      if (e.code == code::BootloaderReturn) returned = tick;
    };
    for (; returned < 0 && tick < 5000; ++tick)
      m.Tick();
    ticks = returned - first;
  }
  const int least = LeastTicks(mode.flashMode, blocks);
  state.counters["blocks"] = blocks;
  state.counters["ticks"] = ticks;
  state.counters["least_ticks"] = least;
  state.counters["seconds_at_95ms"] = ticks * kTickSeconds;
  state.counters["least_seconds"] = least * kTickSeconds;
  state.SetLabel("flash mode " + std::to_string(mode.flashMode));
}
BENCHMARK(BM_FirmwareUploadTicks)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
