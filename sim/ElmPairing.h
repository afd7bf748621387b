#pragma once

#include <functional>

#include "obd/Telmobd.h"
#include "serial/MemoryPort.h"
#include "sim/ByteDevice.h"

namespace sim {

// The real OBD link and a simulated adapter joined by a line in memory. Each Tick is one timer
// tick of the link; the adapter answers what the tick sent at once and the link reads the
// answer on its next tick.
class ElmPairing {
 public:
  // The link's port becomes the memory line. `tick` is what one timer tick runs: the link's own
  // handler unless its owner wraps it.
  ElmPairing(TObd& link, ByteDevice& adapter, std::function<void()> tick = {});

  void Tick();
  // Ticks until done() holds; false when it still does not after maxTicks.
  bool TickUntil(const std::function<bool()>& done, int maxTicks);
  MemoryPort& Line() { return *line_; }

 private:
  TObd& link_;
  std::function<void()> tick_;
  ByteDevice& adapter_;
  MemoryPort* line_;
};

}  // namespace sim
