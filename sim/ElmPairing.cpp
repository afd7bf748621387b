#include "sim/ElmPairing.h"

#include <memory>
#include <vector>

namespace sim {

ElmPairing::ElmPairing(TObd& link, ByteDevice& adapter) : link_(link), adapter_(adapter) {
  auto line = std::make_unique<MemoryPort>();
  line_ = line.get();
  link_.PortAttach(std::move(line));
}

void ElmPairing::Tick() {
  link_.Timer1OnTimer();
  const std::vector<unsigned char> request = line_->TakeWritten();
  adapter_.Receive(request.data(), request.size());
  line_->Push(adapter_.TakeOutput());
}

bool ElmPairing::TickUntil(const std::function<bool()>& done, int maxTicks) {
  for (int i = 0; i < maxTicks && !done(); ++i)
    Tick();
  return done();
}

}  // namespace sim
