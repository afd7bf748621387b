#include "sim/ElmPairing.h"

#include <memory>
#include <utility>
#include <vector>

namespace sim {

ElmPairing::ElmPairing(TObd& link, ByteDevice& adapter, std::function<void()> tick)
    : link_(link), tick_(std::move(tick)), adapter_(adapter) {
  if (!tick_) tick_ = [this] { link_.Timer1OnTimer(); };
  auto line = std::make_unique<MemoryPort>();
  line_ = line.get();
  link_.PortAttach(std::move(line));
}

void ElmPairing::Tick() {
  tick_();
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
