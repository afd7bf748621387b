// Arbitrary bytes from the OBD adapter, whatever the link asked: the reply assembly, the
// protocol and ECU search and the bitmaps must take them without reading outside what arrived
// and without leaving the task loop stuck.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "obd/Telmobd.h"
#include "serial/MemoryPort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  TObd obd;
  auto line = std::make_unique<MemoryPort>();
  MemoryPort& port = *line;
  obd.PortAttach(std::move(line));
  // The first byte sets how many bytes arrive between two ticks.
  const size_t chunk = 1 + data[0] % 64;
  for (size_t at = 1; at < size; at += chunk) {
    port.Push({data + at, std::min(chunk, size - at)});
    obd.Timer1OnTimer();
    port.TakeWritten();
  }
  return 0;
}
