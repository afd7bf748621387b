#include "sim/FastSamples.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "controller/FamilyTraits.h"
#include "sim/PayloadBytes.h"

namespace sim {

namespace {

using namespace status_frame;

constexpr int kFirstEventByte = kShortRecord;
constexpr double kMsPerUnit = 0.1;
constexpr double kInjectionUnitMs = 0.004;
constexpr double kGasDelayMs = 0.3;     // the gas injector follows the petrol signal
constexpr double kSpeedPulseMs = 1.0;   // one pulse per ignition
constexpr double kFramePeriodMs = 190;  // the link polls every second 95 ms tick

// Which bits of the two states a family's digital traces read.
struct Layout {
  int injectors;         // bits 0.. of A (petrol) and B (gas), one per channel
  uint8_t speedPulse;    // A
  uint8_t valveSupply;   // A: the gas valve is powered
  uint8_t petrolSupply;  // B: the petrol injectors are powered
  uint8_t ignition;      // B
};

Layout LayoutOf(Family family) {
  switch (family) {
    case Family::Rumo:
    case Family::Fortix:
    case Family::Lumo:
      return {4, 0x40, 0x20, 0x20, 0x40};
    case Family::Kavi:
      return {6, 0, 0, 0, 0};
    default:
      return {0, 0, 0, 0, 0};  // the emulators log no injectors
  }
}

// The engine as the short record describes it.
struct Engine {
  bool ignition = false;
  bool turning = false;
  bool gasValve = false;
  double cycleMs = 0.0;  // two turns of the crankshaft
  int channels = 0;
  std::array<double, 8> petrolMs{};
  std::array<double, 8> gasMs{};
};

Engine EngineOf(const Layout& layout, std::span<const uint8_t> p) {
  Engine e;
  const int flags = Get8(p, kWorkFlags);
  const int state = Get8(p, kWorkState);
  const int rpm = 10 * Get16(p, 17);
  e.ignition = flags & WorkFlag::IgnitionOn;
  e.turning = e.ignition && (flags & WorkFlag::EngineTurning) && rpm > 0;
  e.gasValve = e.turning && state >= 4;
  e.cycleMs = e.turning ? 120000.0 / rpm : 0.0;
  e.channels = e.turning ? layout.injectors : 0;
  for (int c = 0; c < e.channels; ++c) {
    const int at = kInjectionTimes + kInjectionRecordSize * c;
    e.petrolMs[c] = Get16(p, at) * kInjectionUnitMs;
    e.gasMs[c] = Get16(p, at + 2) * kInjectionUnitMs;
  }
  return e;
}

// Whether a pulse of the given length that repeats every period, starting at start, is on at t.
bool PulseOn(double t, double start, double period, double length) {
  const double into = std::fmod(std::fmod(t - start, period) + period, period);
  return into < length;
}

struct States {
  uint8_t a, b;
};

States StatesAt(const Layout& layout, const Engine& e, double phaseMs, double t) {
  States s{0, kStateB};
  if (e.ignition) s.b |= layout.petrolSupply | layout.ignition;
  if (e.gasValve) s.a |= layout.valveSupply;
  if (!e.turning) return s;
  if (PulseOn(t, -phaseMs, e.cycleMs / e.channels, kSpeedPulseMs)) s.a |= layout.speedPulse;
  for (int c = 0; c < e.channels; ++c) {
    const double start = c * e.cycleMs / e.channels - phaseMs;
    if (PulseOn(t, start, e.cycleMs, e.petrolMs[c])) s.a |= 1 << c;
    if (PulseOn(t, start + kGasDelayMs, e.cycleMs, e.gasMs[c])) s.b |= 1 << c;
  }
  return s;
}

struct Event {
  uint8_t state;
  int time;
};

// The states at the start of the window, then every change, as long as there is room.
std::vector<Event> EventsOf(const Layout& layout, const Engine& e, double phaseMs) {
  States last = StatesAt(layout, e, phaseMs, 0.0);
  std::vector<Event> events{{last.a, 0}, {last.b, 0}};
  for (int t = 1; t < kFastSampleWindow && events.size() < kFastSampleEvents; ++t) {
    const States now = StatesAt(layout, e, phaseMs, t * kMsPerUnit);
    if (now.a != last.a) events.push_back({now.a, t});
    if (now.b != last.b && events.size() < kFastSampleEvents) events.push_back({now.b, t});
    last = now;
  }
  while (events.size() < kFastSampleEvents)
    events.push_back({events.size() % 2 ? last.b : last.a, kFastSampleWindow});
  return events;
}

}  // namespace

void PutFastSamples(Family family, int frameNumber, std::span<uint8_t> payload) {
  const Layout layout = LayoutOf(family);
  const Engine engine = EngineOf(layout, payload);
  const double phaseMs =
      engine.turning ? std::fmod(frameNumber * kFramePeriodMs, engine.cycleMs) : 0.0;
  int at = kFirstEventByte;
  for (const Event& e : EventsOf(layout, engine, phaseMs)) {
    Put8(payload, at, e.state);
    Put16(payload, at + 1, e.time);
    at += 3;
  }
}

}  // namespace sim
