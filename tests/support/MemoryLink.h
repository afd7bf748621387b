#pragma once

#include <vector>

#include "controller/Tsterownik.h"
#include "serial/MemoryPort.h"
#include "sim/MemoryPairing.h"
#include "sim/SimController.h"
#include "tests/support/FakeUi.h"
#include "tests/support/SimLink.h"

// A simulated controller's identity of the family with another firmware version.
inline sim::Identity IdentityOf(int family, int firmware) {
  sim::Identity identity = sim::DefaultIdentity(family);
  identity.firmware = firmware;
  return identity;
}

// The real link paired in memory with a simulated controller, with a scripted window system and
// a clock that stands still. The test may also push bytes of its own onto the line.
class MemoryLink {
 public:
  explicit MemoryLink(int family) : MemoryLink(sim::DefaultIdentity(family)) {}
  explicit MemoryLink(const sim::Identity& identity)
      : controller(identity),
        link(ui, clock, "no-such-library.so"),
        pairing(link, controller),
        line(&pairing.Line()) {
    link.OnZdarzenie = [this](const LinkEvent& e) {
      events.push_back({e.kind, e.code, e.aux, e.length});
    };
    link.OnTekst = [this](const TSerial*, const std::string& text, uint32_t) {
      log.push_back(text);
    };
  }

  void Tick() { pairing.Tick(); }
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 400) {
    return pairing.TickUntil(done, maxTicks);
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
  sim::MemoryPairing pairing;
  MemoryPort* line;
  std::vector<SimLink::Event> events;
  std::vector<std::string> log;
};
