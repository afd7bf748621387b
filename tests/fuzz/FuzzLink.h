#pragma once

#include <map>
#include <memory>
#include <span>
#include <vector>

#include "controller/Tsterownik.h"
#include "serial/MemoryPort.h"
#include "sim/SimController.h"
#include "tests/support/FakeUi.h"
#include "tests/support/SimLink.h"

// The real link over a memory port, identified as a controller of the chosen family, for
// targets that feed it bytes from outside. The log is attached so that its lines are built.
class FuzzLink {
 public:
  static constexpr int kFamilies[] = {2, 5, 6, 8, 13, 255};

  explicit FuzzLink(uint8_t familySelector) : link(ui, clock, "no-such-library.so") {
    link.OnTekst = [](const TSerial*, const std::string&, uint32_t) {};
    link.OnZdarzenie = [](const LinkEvent&) {};
    link.SetLogParamBiez(true);
    link.SetLogDaneObd(true);
    auto memory = std::make_unique<MemoryPort>();
    line = memory.get();
    link.PortAttach(std::move(memory));
    link.Timer1OnTimer();  // asks for identification
    line->TakeWritten();
    line->Push(IdentificationReply(kFamilies[familySelector % std::size(kFamilies)]));
    link.Timer1OnTimer();
  }

  // Puts the bytes on the line in pieces of up to `piece` bytes, one tick after each.
  void Feed(std::span<const uint8_t> bytes, size_t piece) {
    while (!bytes.empty()) {
      const size_t n = std::min(piece, bytes.size());
      line->Push(bytes.first(n));
      bytes = bytes.subspan(n);
      Tick();
    }
    for (int i = 0; i < 4 && line->InQueueCount() > 0; ++i)
      Tick();
  }
  void Tick() {
    link.Timer1OnTimer();
    line->TakeWritten();
  }

  FakeUi ui;
  FakeClock clock;
  TSterownik link;
  MemoryPort* line;

 private:
  // What a controller of the family answers to the identification request.
  static const std::vector<uint8_t>& IdentificationReply(int family) {
    static std::map<int, std::vector<uint8_t>> replies;
    std::vector<uint8_t>& reply = replies[family];
    if (reply.empty()) {
      sim::SimController controller(sim::DefaultIdentity(family));
      std::vector<uint8_t> request = {0, 0, 0, 0, 0, 0, 0x10, 0};
      request.resize(ramka::Build(request.data(), ramka::kRequestStart, code::Identification, 4));
      ramka::Scramble(request.data(), static_cast<int>(request.size()));
      controller.Receive(request.data(), request.size());
      reply = controller.TakeOutput();
    }
    return reply;
  }
};
