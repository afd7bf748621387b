#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controller/Clock.h"
#include "controller/Ramka.h"
#include "controller/Tsterownik.h"
#include "serial/ComPorts.h"
#include "sim/PtyServer.h"
#include "sim/SimController.h"
#include "tests/support/FakeUi.h"
#include "tests/support/PtyMaster.h"

// A clock that stands still unless the test moves it.
class FakeClock : public Clock {
 public:
  int64_t Milliseconds() override {
    const int64_t now = ms;
    ms += stepPerRead;
    return now;
  }
  int64_t ms = 1000;
  int64_t stepPerRead = 0;
};

// The controller link talking to a simulated controller over a real pseudo-terminal. Each
// Tick is one link tick with the controller answering in between, as on a real line, but
// without waiting for a timer.
class SimLink {
 public:
  struct Event {
    EventKind kind;
    int code, aux, length;
  };
  struct LogLine {
    std::string text;
    uint32_t colour;
  };

  explicit SimLink(const sim::Identity& identity)
      : controller(identity), server(controller), link(ui, clock, "no-ftdi-library-here.so") {
    link.OnZdarzenie = [this](const LinkEvent& e) {
      events.push_back({e.kind, e.code, e.aux, e.length});
      if (e.kind == EventKind::FrameSent) sentBytes += e.length;
    };
    link.OnTekst = [this](const TSerial*, const std::string& text, uint32_t colour) {
      log.push_back({text, colour});
    };
    link.PortNumber = ComPortNumber(server.path());
  }
  explicit SimLink(int family) : SimLink(sim::DefaultIdentity(family)) {}

  bool Open() { return link.OtworzPortComm(); }

  void Tick() {
    sentBytes = 0;
    link.Timer1OnTimer();
    if (sentBytes > 0) server.Deliver(sentBytes, 1000);
    Arrive([this] { return server.Flush(); });
  }
  // Bytes no sound controller would send, as the link will find them on its next tick.
  void Inject(const std::vector<uint8_t>& bytes) {
    Arrive([&] { return server.Send(bytes); });
  }

  // Ticks until done() holds; false when it still does not after maxTicks.
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 400) {
    for (int i = 0; i < maxTicks; ++i) {
      if (done()) return true;
      Tick();
    }
    return done();
  }
  bool Identified() { return link.Model() != Family::Unknown || link.StanIdent() != 0; }
  bool ReadOutDone() { return link.ReadOutComplete(); }

  bool Logged(const std::string& text) const {
    for (const LogLine& l : log)
      if (l.text == text) return true;
    return false;
  }

  sim::SimController controller;
  sim::PtyServer server;
  FakeUi ui;
  FakeClock clock;
  TSterownik link;
  std::vector<Event> events;
  std::vector<LogLine> log;
  int sentBytes = 0;

 private:
  // Writes through `write` and waits until the link's port holds the bytes.
  template <typename Write>
  void Arrive(Write write) {
    const int before = link.PortInQueCount();
    const size_t written = write();
    if (written > 0)
      PtyMaster::WaitForInput(link.CommHandle(),
                              (before > 0 ? before : 0) + static_cast<int>(written));
  }
};

// A reply frame as a controller sends it: plain layout, checksum, scrambled payload.
inline std::vector<uint8_t> ReplyFrame(uint8_t code, std::vector<uint8_t> payload,
                                       uint8_t start = ramka::kReplyStartLower) {
  std::vector<uint8_t> frame(ramka::kHeaderSize + payload.size() + 1, 0);
  std::copy(payload.begin(), payload.end(), frame.begin() + ramka::kHeaderSize);
  frame.resize(ramka::Build(frame.data(), start, code, static_cast<int>(payload.size())));
  ramka::Scramble(frame.data(), static_cast<int>(frame.size()));
  return frame;
}
