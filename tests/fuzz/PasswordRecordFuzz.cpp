// Arbitrary bytes as the workstation's password record, loaded without a controller and into
// a connected one of the family the first byte picks, which then presents it; and as the
// password typed into the password window.

#include <string_view>

#include "controller/PasswordRecord.h"
#include "tests/fuzz/FuzzLink.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);
  BuildPasswordRecord(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));

  OfflineLink offline;
  offline.link.LoadPasswordRecord(file, "fuzz.bin");

  FuzzLink connected(data[0]);
  if (connected.link.LoadPasswordRecord(file, "fuzz.bin") == 0)
    connected.link.RozkazDoSterownika(CommandBit::Identify);
  for (int i = 0; i < 4; ++i)
    connected.Tick();
  return 0;
}
