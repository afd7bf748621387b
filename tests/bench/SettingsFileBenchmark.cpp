// Opening a settings file without a controller, as the file menu does: the file read and
// checked, its block taken, the family's lists selected, the range check and names, and then
// the text of every setting the editor shows. The goal is under a millisecond.

#include <benchmark/benchmark.h>

#include "controller/SettingsCatalogue.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/SettingsFiles.h"
#include "tests/support/TempFolder.h"

namespace {

void BM_OpenAndFormatSettingsFile(benchmark::State& state) {
  const int family = static_cast<int>(state.range(0));
  TempFolder folder("malver-bench-settings");
  const std::string path = folder.File("car.set");
  WriteFileAtomically(path, SettingsFileOf(family));
  OfflineLink offline;
  TSterownik& link = offline.link;
  size_t characters = 0;
  for (auto _ : state) {
    if (!link.CzytajUstawienia(path, "")) state.SkipWithError("the file was refused");
    characters = 0;
    for (int i = 0; i < kSettingsCount; ++i) {
      if (!IsListed(link, i)) continue;
      characters += ValueText(link, i).size() + link.UnitText(i).size();
    }
    benchmark::DoNotOptimize(characters);
  }
  state.counters["characters"] = static_cast<double>(characters);
}
BENCHMARK(BM_OpenAndFormatSettingsFile)->Arg(2)->Arg(255)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
