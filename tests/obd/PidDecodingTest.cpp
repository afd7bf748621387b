#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "obd/PidDecoding.h"
#include "obd/PidReply.h"

namespace {

// The reading of pid from an 11-bit CAN answer carrying the given data bytes.
PidReading Reading(int pid, const std::string& data) {
  char header[32];
  std::snprintf(header, sizeof header, "7E8 0%d 41 %02X ", Pidy()[pid].IleBajtow + 2, pid);
  const std::optional<PidReading> reading = ReadPidReply(header + data + " \r\r>", 6, 0x7E8, pid);
  EXPECT_TRUE(reading) << data;
  return reading.value_or(PidReading{});
}

struct DecodingCase {
  int pid;
  const char* data;
  const char* text;
};

// One or more cases of every decoding type, the bounds of each range among them.
const DecodingCase kDecodingCases[] = {
    {0x01, "83 07 65 04", "3"},  // stored codes without the MIL bit
    {0x02, "01 33", "307"},
    {0x03, "02 00", "CL"},
    {0x03, "10 00", "CL Error"},
    {0x03, "03 00", ""},  // two states at once are no state
    {0x04, "FF", "100.0"},
    {0x04, "00", "0.0"},
    {0x05, "7B", "83"},
    {0x05, "00", "-40"},
    {0x06, "80", "0.0"},
    {0x06, "00", "-100.0"},
    {0x06, "FF", "99.2"},
    {0x0A, "FF", "765"},
    {0x0D, "32", "50"},
    {0x0C, "1A F8", "1726"},
    {0x0C, "1A F9", "1726.25"},
    {0x0E, "00", "-64"},
    {0x0E, "81", "0.5"},
    {0x10, "01 F4", "5"},
    {0x10, "FF FF", "655.35"},
    {0x12, "04", "From the outside atmosphere or off"},
    {0x12, "00", ""},
    {0x13, "31", "B1:1 B2:3"},
    {0x14, "5A 80", "0.45"},
    {0x1C, "06", "EOBD (Europe)"},
    {0x1C, "21", "Heavy Duty Euro OBD Stage VI (HD EOBD-IV)"},
    {0x1C, "0E", "Reserved"},
    {0x1C, "22", "Reserved"},
    {0x1C, "00", "Reserved"},
    {0x1D, "E4", "B1:0 B2:1 B3:2 B4:3"},
    {0x1F, "FF FF", "65535"},
    {0x22, "00 80", "10.11"},  // 0.079 kPa a unit, as the standard has it
    {0x22, "FF FF", "5177.27"},
    {0x23, "FF FF", "655350"},
    {0x24, "80 00 12 34", "1.000"},  // only A B count, the voltage bytes do not
    {0x34, "FF FF 00 00", "2.000"},
    {0x32, "FF F8", "-2"},
    {0x32, "7F FF", "8191.75"},
    {0x00, "BE 1F A8 13", "0xBE1FA813"},
    {0x42, "00 05", "0x05"},  // at least as many digits as data bytes, not two per byte
    {0x51, "01", "0x1"},
    {0x64, "01 02 03 04 05", "0x2030405"},  // five bytes keep only the last 32 bits
    {0x6F, "00 00 00", "0x000"},
};

TEST(PidDecoding, EachTypeShowsItsText) {
  for (const DecodingCase& c : kDecodingCases) {
    SCOPED_TRACE(testing::Message() << "PID " << std::hex << c.pid << " data " << c.data);
    EXPECT_EQ(PidValueText(c.pid, Reading(c.pid, c.data), '.'), c.text);
  }
}

TEST(PidDecoding, NumbersTakeTheGivenDecimalSeparator) {
  EXPECT_EQ(PidValueText(0x06, Reading(0x06, "80"), ','), "0,0");
  EXPECT_EQ(PidValueText(0x14, Reading(0x14, "5A 80"), ','), "0,45");
  EXPECT_EQ(PidValueText(0x24, Reading(0x24, "80 00 00 00"), ','), "1,000");
  // Texts and hexadecimal values have no decimal point to change.
  EXPECT_EQ(PidValueText(0x1C, Reading(0x1C, "09"), ','), "EOBD, OBD and OBD II");
}

TEST(PidDecoding, UnitIsShownInBracketsWhenThereIsOne) {
  EXPECT_EQ(PidUnitText(0x05), "[°C]");
  EXPECT_EQ(PidUnitText(0x0C), "[rpm]");
  EXPECT_EQ(PidUnitText(0x03), "");
}

// The standard's bank and sensor of each catalyst temperature and secondary oxygen-sensor trim;
// the short names say the same (CAT TEMPbs).
TEST(PidCatalogue, LongNamesGiveTheStandardsBankAndSensor) {
  const std::tuple<int, const char*, const char*> names[] = {
      {0x3C, "Catalyst Temperature Bank 1, Sensor 1", "CAT TEMP11"},
      {0x3D, "Catalyst Temperature Bank 2, Sensor 1", "CAT TEMP21"},
      {0x3E, "Catalyst Temperature Bank 1, Sensor 2", "CAT TEMP12"},
      {0x3F, "Catalyst Temperature Bank 2, Sensor 2", "CAT TEMP22"},
      {0x55, "Short term secondary O2S trim bank 1,3", ""},
      {0x56, "Long term secondary O2S trim bank 1,3", ""},
      {0x57, "Short term secondary O2S trim bank 2,4", ""},
      {0x58, "Long term secondary O2S trim bank 2,4", ""},
  };
  for (const auto& [pid, name, shortName] : names) {
    EXPECT_STREQ(Pidy()[pid].Nazwa, name) << pid;
    EXPECT_STREQ(Pidy()[pid].Skrot, shortName) << pid;
  }
}

// The reading holds the longest answer of the catalogue, and every PID decodes it.
TEST(PidDecoding, EveryCataloguePidDecodesItsLongestAnswer) {
  for (int pid = 0; pid < kPidCount; ++pid) {
    SCOPED_TRACE(pid);
    ASSERT_LE(Pidy()[pid].IleBajtow, PidReading::kMaxBytes);
    char header[32];
    std::snprintf(header, sizeof header, "87 F1 10 41 %02X", pid);
    std::string reply = header;
    for (int i = 0; i < Pidy()[pid].IleBajtow; ++i)
      reply += " FF";
    const std::optional<PidReading> reading = ReadPidReply(reply + " 00\r>", 4, 0x10, pid);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->count, Pidy()[pid].IleBajtow);
    PidValueText(pid, *reading, '.');
  }
}

}  // namespace
