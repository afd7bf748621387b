#include "sim/MemoryPairing.h"

#include <memory>
#include <vector>

namespace sim {

MemoryPairing::MemoryPairing(TSterownik& link, SimController& controller)
    : link_(link), controller_(controller) {
  auto line = std::make_unique<MemoryPort>();
  line_ = line.get();
  link_.PortAttach(std::move(line));
}

void MemoryPairing::Tick() {
  link_.Timer1OnTimer();
  const std::vector<unsigned char> request = line_->TakeWritten();
  controller_.Receive(request.data(), request.size());
  line_->Push(controller_.TakeOutput());
}

bool MemoryPairing::TickUntil(const std::function<bool()>& done, int maxTicks) {
  for (int i = 0; i < maxTicks && !done(); ++i)
    Tick();
  return done();
}

}  // namespace sim
