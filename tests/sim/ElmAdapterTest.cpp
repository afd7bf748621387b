#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sim/ElmAdapter.h"

namespace {

std::string Ask(sim::ElmAdapter& adapter, const std::string& command) {
  const std::string line = command + "\r";
  adapter.Receive(reinterpret_cast<const uint8_t*>(line.data()), line.size());
  const std::vector<uint8_t> out = adapter.TakeOutput();
  return std::string(out.begin(), out.end());
}

sim::ElmAdapter WithHeaders(int protocol, std::vector<uint16_t> stored) {
  sim::ElmAdapter adapter(protocol);
  adapter.ecus.front().stored = std::move(stored);
  for (const char* setup : {"ATE0", "ATH1"})
    Ask(adapter, setup);
  return adapter;
}

// The answers as a real adapter prints them with headers on: the forms the code lister and the
// PID locator are written for.
TEST(ElmAdapterAnswers, TroubleCodesInEveryFrameForm) {
  struct Case {
    int protocol;
    std::vector<uint16_t> stored;
    std::string answer;
  };
  const std::vector<Case> cases = {
      {6, {0x0133, 0x0234}, "7E8 06 43 02 01 33 02 34\r\r>"},
      {6, {}, "7E8 02 43 00\r\r>"},
      {6,
       {0xC155, 0xC101, 0xC121},
       "7E8 10 08 43 03 C1 55 C1 01 \r7E8 21 C1 21 00 00 00 00 00 \r\r>"},
      {7, {0x0133}, "18 DA F1 10 04 43 01 01 33\r\r>"},
      {5, {0x0133}, "86 F1 10 43 01 33 00 00 00 00 77\r\r>"},
      {2, {}, "48 6B 10 43 00 00 00 00 00 00 43\r\r>"},
  };
  for (Case c : cases) {
    sim::ElmAdapter adapter = WithHeaders(c.protocol, c.stored);
    EXPECT_EQ(Ask(adapter, "03"), c.answer) << c.protocol;
  }
}

// Another ECU's line comes between the engine's first frame and its consecutive frame, as a
// real adapter prints the frames of several ECUs answering at once.
TEST(ElmAdapterAnswers, AnotherEcusLineStandsBetweenTheEnginesFrames) {
  for (const auto& [protocol, answer] : std::vector<std::pair<int, std::string>>{
           {6,
            "7E8 10 08 43 03 01 33 02 34 \r7E9 04 43 01 C1 01\r"
            "7E8 21 01 71 00 00 00 00 00 \r\r>"},
           {7,
            "18 DA F1 10 10 08 43 03 01 33 02 34 \r18 DA F1 18 04 43 01 C1 01\r"
            "18 DA F1 10 21 01 71 00 00 00 00 00 \r\r>"}}) {
    sim::ElmAdapter adapter = WithHeaders(protocol, {0x0133, 0x0234, 0x0171});
    adapter.ecus.push_back(sim::TransmissionEcu(protocol));
    EXPECT_EQ(Ask(adapter, "03"), answer) << protocol;
  }
}

TEST(ElmAdapterAnswers, LivePidsMoveAndClearingEmptiesTheStoredCodes) {
  sim::ElmAdapter adapter = WithHeaders(6, {0x0133});
  const std::string first = Ask(adapter, "010C");
  EXPECT_EQ(first.rfind("7E8 04 41 0C ", 0), 0u) << first;
  bool moved = false;
  for (int i = 0; i < 10 && !moved; ++i)
    moved = Ask(adapter, "010C") != first;
  EXPECT_TRUE(moved);
  EXPECT_EQ(Ask(adapter, "0102"), "NO DATA\r\r>");  // not supported
  EXPECT_EQ(Ask(adapter, "04"), "7E8 01 44\r\r>");
  EXPECT_EQ(Ask(adapter, "03"), "7E8 02 43 00\r\r>");
  EXPECT_EQ(Ask(adapter, "0101").substr(0, 16), "7E8 06 41 01 00 ");  // lamp off, no codes
}

// However many PIDs share the polling cycle, six answers of the oxygen sensor swing it from lean
// (0.1 V) to rich (0.85 V), each differing from the last: the value never stands still or skips
// part of its swing because the cycle's length divides the swing's.
TEST(ElmAdapterAnswers, TheOxygenSensorSwingsWhateverThePidsPolledBeside) {
  for (const std::vector<std::string>& beside : std::vector<std::vector<std::string>>{
           {"0104"}, {"0104", "010C"}, {"0104", "0105", "010C", "010D", "010E"}}) {
    SCOPED_TRACE(beside.size() + 1);
    sim::ElmAdapter adapter = WithHeaders(6, {});
    std::vector<std::string> voltages;
    for (int cycle = 0; cycle < 6; ++cycle) {
      const std::string answer = Ask(adapter, "0114");
      voltages.push_back(answer.substr(answer.find("41 14 ") + 6, 2));
      for (const std::string& other : beside)
        Ask(adapter, other);
    }
    EXPECT_NE(std::find(voltages.begin(), voltages.end(), "14"), voltages.end());
    EXPECT_NE(std::find(voltages.begin(), voltages.end(), "AA"), voltages.end());
    EXPECT_EQ(std::adjacent_find(voltages.begin(), voltages.end()), voltages.end());
  }
}

TEST(ElmAdapterAnswers, ASlowAdapterHoldsItsAnswer) {
  sim::ElmAdapter adapter;
  adapter.slowness = 2;
  EXPECT_EQ(Ask(adapter, "ATRV"), "");
  EXPECT_TRUE(adapter.TakeOutput().empty());
  const std::vector<uint8_t> late = adapter.TakeOutput();
  EXPECT_EQ(std::string(late.begin(), late.end()), "ATRV\r12.6V\r\r>");
}

}  // namespace
