#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "controller/Protocol.h"
#include "sim/PayloadBytes.h"
#include "tests/support/SimLink.h"

// A gas controller's status frame as a test describes its engine: speed, work state, the same
// petrol time on every injector, and any other bytes the test names; the rest stays 0.
struct StatusFrame {
  uint8_t code = code::Poll | poll_page::CalibrationData;
  int rpmTens = 85;
  uint8_t workState = fuel_state::Petrol;
  uint8_t workFlags = WorkFlag::IgnitionOn | WorkFlag::EngineTurning;
  int petrolTime = 800;  // 0.004 ms
  int injectors = 4;
  uint8_t injectorMask = 0xFF;
  std::vector<std::pair<int, int>> bytes{};  // frame byte, value
  std::vector<std::pair<int, int>> words{};  // frame byte of a 16-bit value, value

  // The frame as it comes down the line.
  std::vector<uint8_t> Reply() const {
    using namespace status_frame;
    std::vector<uint8_t> p(kShortRecord - ramka::kHeaderSize, 0);
    sim::Put8(p, kWorkState, workState);
    sim::Put8(p, kWorkFlags, workFlags);
    sim::Put16(p, kRpmTens, rpmTens);
    sim::Put8(p, kInjectorMask, injectorMask);
    for (int i = 0; i < injectors; ++i)
      sim::Put16(p, kInjectionTimes + kInjectionRecordSize * i, petrolTime);
    for (const auto& [at, value] : bytes)
      sim::Put8(p, at, value);
    for (const auto& [at, value] : words)
      sim::Put16(p, at, value);
    return ReplyFrame(code, p);
  }
};
