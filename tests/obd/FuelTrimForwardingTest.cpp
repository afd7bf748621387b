#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "controller/ImageLayout.h"
#include "controller/Protocol.h"
#include "obd/Telmobd.h"
#include "sim/ElmAdapter.h"
#include "sim/ElmPairing.h"
#include "tests/support/MemoryLink.h"

namespace {

constexpr int kPolling = 1000;
constexpr int kPidEvent = 103;
constexpr size_t kPollData = 6;  // frame byte where the poll's data begins

bool CarriesFuelTrims(uint8_t code) {
  return code::IsStatus(code) && (code & code::PollWithFuelTrims) == code::PollWithFuelTrims;
}

// The adapter as the OBD link hears it, keeping what it answered so that the test reads the
// car's values from the adapter's own text rather than from the link that decodes them.
class HeardAdapter : public sim::ByteDevice {
 public:
  void Receive(const uint8_t* bytes, size_t count) override { adapter.Receive(bytes, count); }
  std::vector<uint8_t> TakeOutput() override {
    std::vector<uint8_t> out = adapter.TakeOutput();
    heard.append(out.begin(), out.end());
    return out;
  }

  // The data bytes of the engine ECU's last answer to PID `pid`.
  std::vector<int> LastAnswer(int pid) const {
    std::map<int, std::vector<int>> answers;
    std::istringstream lines(heard);
    std::string line;
    while (std::getline(lines, line, '\r')) {
      // With the echo off an answer follows the last one's prompt on the same line.
      std::istringstream tokens(line.starts_with('>') ? line.substr(1) : line);
      std::string ecu, length, mode, number, byte;
      tokens >> ecu >> length >> mode >> number;
      if (ecu != "7E8" || mode != "41") continue;
      std::vector<int>& data = answers[std::stoi(number, nullptr, 16)];
      data.clear();
      while (tokens >> byte)
        data.push_back(std::stoi(byte, nullptr, 16));
    }
    return answers[pid];
  }

  sim::ElmAdapter adapter;
  std::string heard;
};

// The car's fuel-system status and fuel trims go from the OBD link to the gas controller in
// its next poll, and only once.
TEST(FuelTrimForwarding, TheGasControllersPollCarriesTheValuesTheCarAnswered) {
  MemoryLink gas(2);
  ASSERT_TRUE(gas.ReadOut());

  HeardAdapter car;
  car.adapter.ecus.front().bitmaps[0] |= 0x01800000;  // both banks' trims: PIDs 08 and 09
  TObd obd;
  obd.SetControllerLink(&gas.link);
  int lastPlaceInCycle = -1;
  obd.OnZdarzenie = [&](int code, int, int place) {
    if (code == kPidEvent) lastPlaceInCycle = place;
  };
  sim::ElmPairing pairing(obd, car);
  ASSERT_TRUE(pairing.TickUntil([&] { return obd.Zadanie() == kPolling; }, 3000));
  ASSERT_TRUE(pairing.TickUntil([&] { return lastPlaceInCycle == 4; }, 100))
      << "a whole cycle of 03, 06, 07, 08 and 09";
  ASSERT_EQ(gas.link.ObrazSterownika()[img::DaneObdDoWyslania], 1);

  ASSERT_TRUE(
      gas.TickUntil([&] { return gas.link.ObrazSterownika()[img::DaneObdDoWyslania] == 0; }));
  const std::vector<uint8_t>& poll = gas.controller.lastRequest;
  ASSERT_GE(poll.size(), kPollData + 6);
  EXPECT_TRUE(CarriesFuelTrims(poll[3]));
  std::vector<int> expected = car.LastAnswer(0x03);
  ASSERT_EQ(expected.size(), 2u);
  for (int pid : {0x06, 0x07, 0x08, 0x09}) {
    const std::vector<int> trim = car.LastAnswer(pid);
    ASSERT_EQ(trim.size(), 1u) << pid;
    expected.push_back(trim[0]);
  }
  EXPECT_EQ(std::vector<int>(poll.begin() + kPollData, poll.begin() + kPollData + 6), expected);

  // Sent once: the polls that follow are plain ones until the OBD link reads again.
  const size_t sent = gas.controller.lastRequestCodes.size();
  for (int i = 0; i < 10; ++i)
    gas.Tick();
  for (size_t i = sent; i < gas.controller.lastRequestCodes.size(); ++i)
    EXPECT_FALSE(CarriesFuelTrims(gas.controller.lastRequestCodes[i]));
}

}  // namespace
