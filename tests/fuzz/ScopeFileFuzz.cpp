// Arbitrary bytes as a scope recording: loaded without a controller and every record replayed
// into the link's views, and loaded over a connected controller of the family the first byte
// picks.

#include "tests/fuzz/FuzzLink.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);

  OfflineLink offline;
  const int records = offline.link.LoadScope(file, "fuzz.osc");
  for (int r = 0; r < records; ++r)
    offline.link.OdbiorOsc(r);

  FuzzLink connected(data[0]);
  connected.link.LoadScope(file, "fuzz.osc");
  return 0;
}
