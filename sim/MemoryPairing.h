#pragma once

#include <functional>

#include "controller/Tsterownik.h"
#include "serial/MemoryPort.h"
#include "sim/SimController.h"

namespace sim {

// The real controller link and a simulated controller joined by a line in memory. Each Tick is
// one link tick; the controller answers what the tick sent at once, and the link reads the
// answer on its next tick, as over a real line but without a terminal, a timer or any waiting.
class MemoryPairing {
 public:
  // The link's port becomes the memory line.
  MemoryPairing(TSterownik& link, SimController& controller);

  void Tick();
  // Ticks until done() holds; false when it still does not after maxTicks.
  bool TickUntil(const std::function<bool()>& done, int maxTicks);
  MemoryPort& Line() { return *line_; }

 private:
  TSterownik& link_;
  SimController& controller_;
  MemoryPort* line_;
};

}  // namespace sim
