#include <gtest/gtest.h>

#include <array>
#include <map>

#include "obd/PidForwarding.h"

namespace {

PidReading Bytes(uint8_t a, uint8_t b) {
  PidReading reading;
  reading.bytes[0] = a;
  reading.bytes[1] = b;
  reading.count = 2;
  return reading;
}

struct ForwardCase {
  int pid;
  std::map<int, uint8_t> changed;  // record byte -> value, from data A1 B2
};

TEST(PidForwarding, EachPidTheGasControllerUsesLandsInItsPlace) {
  const ForwardCase cases[] = {
      {0x03, {{5, 0xA1}, {6, 0xB2}}},
      {0x06, {{7, 0xA1}}},
      {0x07, {{8, 0xA1}}},
      {0x08, {{9, 0xA1}}},
      {0x09, {{10, 0xA1}}},
      {0x14, {{3, 0xA1}}},
      {0x15, {{4, 0xA1}}},
      {0x18, {{4, 0xA1}}},
      {0x0C, {}},
      {0x16, {}},
  };
  for (const ForwardCase& c : cases) {
    SCOPED_TRACE(c.pid);
    std::array<uint8_t, 36> record{};
    CopyToObdRecord(c.pid, Bytes(0xA1, 0xB2), record);
    for (int i = 0; i < 36; ++i) {
      const auto expected = c.changed.find(i);
      EXPECT_EQ(record[i], expected == c.changed.end() ? 0 : expected->second) << i;
    }
  }
}

// A record too short for a place, or a reading short of the byte, changes nothing.
TEST(PidForwarding, NeverWritesPastTheRecordOrReadsPastTheData) {
  std::array<uint8_t, 6> shortRecord{};
  CopyToObdRecord(0x03, Bytes(0xA1, 0xB2), shortRecord);
  EXPECT_EQ(shortRecord, (std::array<uint8_t, 6>{0, 0, 0, 0, 0, 0xA1}));
  std::array<uint8_t, 36> record{};
  PidReading oneByte = Bytes(0xA1, 0xB2);
  oneByte.count = 1;
  CopyToObdRecord(0x03, oneByte, record);
  EXPECT_EQ(record[5], 0xA1);
  EXPECT_EQ(record[6], 0);
}

}  // namespace
