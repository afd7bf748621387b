#pragma once

#include <memory>
#include <vector>

#include "controller/Tsterownik.h"
#include "serial/MemoryPort.h"
#include "sim/SimController.h"
#include "tests/support/FakeUi.h"
#include "tests/support/SimLink.h"

// A simulated controller's identity of the family with another firmware version.
inline sim::Identity IdentityOf(int family, int firmware) {
  sim::Identity identity = sim::DefaultIdentity(family);
  identity.firmware = firmware;
  return identity;
}

// The real link over a memory port, the simulated controller answering between ticks: no
// terminal and nothing to wait for. The test may also push bytes of its own onto the line.
class MemoryLink {
 public:
  explicit MemoryLink(int family) : MemoryLink(sim::DefaultIdentity(family)) {}
  explicit MemoryLink(const sim::Identity& identity)
      : controller(identity), link(ui, clock, "no-such-library.so") {
    link.OnZdarzenie = [this](const LinkEvent& e) {
      events.push_back({e.kind, e.code, e.aux, e.length});
    };
    link.OnTekst = [this](const TSerial*, const std::string& text, uint32_t) {
      log.push_back(text);
    };
    auto memory = std::make_unique<MemoryPort>();
    line = memory.get();
    link.PortAttach(std::move(memory));
  }

  void Tick() {
    link.Timer1OnTimer();
    const std::vector<unsigned char> request = line->TakeWritten();
    controller.Receive(request.data(), request.size());
    line->Push(controller.TakeOutput());
  }
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 400) {
    for (int i = 0; i < maxTicks && !done(); ++i)
      Tick();
    return done();
  }
  bool ReadOut() {
    return TickUntil([&] { return link.ReadOutComplete(); });
  }
  // Bytes as they are, read on the next receive step.
  void Inject(const std::vector<uint8_t>& bytes) { line->Push(bytes); }
  bool Logged(const std::string& text) const {
    return std::find(log.begin(), log.end(), text) != log.end();
  }
  int Accepted(uint8_t code) const {
    int n = 0;
    for (const SimLink::Event& e : events)
      n += e.kind == EventKind::ReplyAccepted && e.code == code;
    return n;
  }

  sim::SimController controller;
  FakeUi ui;
  FakeClock clock;
  TSterownik link;
  MemoryPort* line;
  std::vector<SimLink::Event> events;
  std::vector<std::string> log;
};
