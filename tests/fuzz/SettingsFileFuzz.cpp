// Arbitrary bytes as a settings file: checked and inspected, loaded without a controller (every
// setting's text formatted afterwards), and loaded into a connected controller of the family
// the first byte picks, the write agreed to and sent.

#include <algorithm>

#include "controller/FileInspection.h"
#include "tests/fuzz/FuzzLink.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);
  InspectFile("fuzz.set", file);
  // The reader's first look: the first bytes, and a size that may be far beyond them.
  InspectFile("fuzz.set", file.first(std::min(file.size(), kInspectedHeaderSize)),
              file.size() * data[0]);

  OfflineLink offline;
  if (offline.link.LoadSettings(file, "fuzz.set")) {
    for (int i = 0; i < 512; ++i) {
      offline.link.StrNastawa(i);
      offline.link.OutsideRange(i);
    }
    offline.link.StrNazwaSterownika();
  }

  FuzzLink connected(data[0]);
  connected.link.LoadSettings(file, "fuzz.set");
  // A file of another family closes the port, and the memory line goes with it.
  for (int i = 0; i < 8 && connected.link.PolaczonyPortComm(); ++i)
    connected.Tick();
  return 0;
}
