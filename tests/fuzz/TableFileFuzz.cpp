// Arbitrary bytes as a table file of the kind the first byte picks (one kind that does not
// exist among them), loaded without a controller and into a connected one, and inspected under
// each table extension.

#include "controller/FileInspection.h"
#include "tests/fuzz/FuzzLink.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);
  const int kind = data[0] % 4;
  for (const char* name : {"fuzz.fpe", "fuzz.fpm", "fuzz"})
    InspectFile(name, file);

  OfflineLink offline;
  offline.link.LoadTable(kind, file, "fuzz.fpe");

  FuzzLink connected(data[0] / 4);
  connected.link.LoadTable(kind, file, "fuzz.fpe");
  for (int i = 0; i < 4; ++i)
    connected.Tick();
  return 0;
}
