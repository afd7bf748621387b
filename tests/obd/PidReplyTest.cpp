#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "obd/PidDecoding.h"
#include "obd/PidReply.h"

namespace {

struct ReplyCase {
  const char* form;
  int protocol;
  int ecu;
  const char* reply;  // the adapter's answer to "010C", echo off, headers on
  bool found;
};

// Engine speed 1A F8 (1726 rpm) as each protocol's header form carries it, and the answers
// that must not be taken for it.
const ReplyCase kReplyCases[] = {
    {"J1850 PWM", 1, 0x10, "41 6B 10 41 0C 1A F8 C5 \r\r>", true},
    {"J1850 VPW", 2, 0x10, "48 6B 10 41 0C 1A F8 C5 \r\r>", true},
    {"ISO 9141-2", 3, 0x10, "48 6B 10 41 0C 1A F8 C5 \r\r>", true},
    {"KWP slow init", 4, 0x10, "84 F1 10 41 0C 1A F8 AE \r\r>", true},
    {"KWP fast init", 5, 0x11, "84 F1 11 41 0C 1A F8 AF \r\r>", true},
    {"CAN 11 bit 500", 6, 0x7E8, "7E8 04 41 0C 1A F8 AA AA AA \r\r>", true},
    {"CAN 11 bit 250", 8, 0x7E8, "7E8 04 41 0C 1A F8 AA AA AA \r\r>", true},
    {"CAN 29 bit 500", 7, 0x10, "18 DA F1 10 04 41 0C 1A F8 AA AA AA \r\r>", true},
    {"CAN 29 bit 250", 9, 0x10, "18 DA F1 10 04 41 0C 1A F8 AA AA AA \r\r>", true},
    {"second ECU answers first", 6, 0x7E8,
     "7E9 04 41 0C 00 00 AA AA AA \r7E8 04 41 0C 1A F8 AA AA AA \r\r>", true},
    {"reply ends right after the data", 6, 0x7E8, "7E8 04 41 0C 1A F8", true},
    {"another ECU's address", 6, 0x7E8, "7E9 04 41 0C 1A F8 AA AA AA \r\r>", false},
    {"another ECU on K-line", 3, 0x10, "48 6B 18 41 0C 1A F8 C5 \r\r>", false},
    {"another PID", 6, 0x7E8, "7E8 03 41 0D 32 AA AA AA AA \r\r>", false},
    {"wrong length byte", 6, 0x7E8, "7E8 03 41 0C 1A F8 AA AA AA \r\r>", false},
    {"CAN header on a K-line protocol", 3, 0x7E8, "7E8 04 41 0C 1A F8 AA AA AA \r\r>", false},
    {"J1939 has no header form", 10, 0x10, "18 DA F1 10 04 41 0C 1A F8 \r\r>", false},
    {"not recognised", 0, 0x7E8, "7E8 04 41 0C 1A F8 AA AA AA \r\r>", false},
    {"no data", 6, 0x7E8, "NO DATA\r\r>", false},
    {"cut after one byte", 6, 0x7E8, "7E8 04 41 0C 1A", false},
    {"cut inside the second byte", 6, 0x7E8, "7E8 04 41 0C 1A F", false},
    {"second byte lost to a line end", 6, 0x7E8, "7E8 04 41 0C 1A\r7E9 04 41 0C 00 00 \r>", false},
    {"garbage in the data", 6, 0x7E8, "7E8 04 41 0C 1A ZZ AA \r>", false},
    {"three digits run together", 6, 0x7E8, "7E8 04 41 0C 1A F80 \r>", false},
    {"pattern at the very end", 6, 0x7E8, "7E8 04 41 0C", false},
};

TEST(PidReply, LocatesEachProtocolsHeaderForm) {
  for (const ReplyCase& c : kReplyCases) {
    SCOPED_TRACE(c.form);
    const std::optional<PidReading> reading = ReadPidReply(c.reply, c.protocol, c.ecu, 0x0C);
    ASSERT_EQ(reading.has_value(), c.found);
    if (c.found) {
      EXPECT_EQ(PidValueText(0x0C, *reading, '.'), "1726");
    }
  }
}

TEST(PidReply, DataStartsRightAfterThePatternAndItsSpace) {
  EXPECT_EQ(LocatePidData("48 6B 10 41 0C 1A F8", 3, 0x10, 0x0C), 15u);
  EXPECT_EQ(LocatePidData("7E8 04 41 0C 1A F8", 6, 0x7E8, 0x0C), 13u);
  EXPECT_EQ(LocatePidData("10 04 41 0C 1A F8", 7, 0x10, 0x0C), 12u);
}

// On CAN an answer of more than five data bytes comes as a first frame and consecutive frames,
// each a line behind the ECU's identifier; its bytes are read across them, whatever other ECUs'
// lines stand between. Frames missing, out of order or unreadable give no value.
struct LongAnswerCase {
  const char* name;
  int protocol;
  int ecu;
  int pid;
  const char* reply;
  uint32_t V;  // the last 32 bits of the data; 0: not read
};

// clang-format off
const LongAnswerCase kLongAnswerCases[] = {
  {"two frames", 6, 0x7E8, 0x68,
   "7E8 10 09 41 68 01 02 03 04 \r7E8 21 05 06 07 00 00 00 00 \r\r>", 0x04050607},
  {"without the spaces after the last bytes", 8, 0x7E8, 0x68,
   "7E8 10 09 41 68 01 02 03 04\r7E8 21 05 06 07 00 00 00 00\r\r>", 0x04050607},
  {"29-bit identifiers", 7, 0x10, 0x70,
   "18 DA F1 10 10 0B 41 70 01 02 03 04 \r18 DA F1 10 21 05 06 07 08 09 00 00 \r>", 0x06070809},
  {"three frames, another ECU between them", 6, 0x7E8, 0x7F,
   "7E8 10 0F 41 7F 01 02 03 04 \r7E9 03 41 0D 00 \r7E8 21 05 06 07 08 09 0A 0B \r"
   "7E8 22 0C 0D 00 00 00 00 00 \r>", 0x0A0B0C0D},
  {"the first frame alone", 6, 0x7E8, 0x70, "7E8 10 0B 41 70 01 02 03 \r>", 0},
  {"a consecutive frame missing", 6, 0x7E8, 0x7F,
   "7E8 10 0F 41 7F 01 02 03 04 \r7E8 22 0C 0D 00 00 00 00 00 \r>", 0},
  {"consecutive frames out of order", 6, 0x7E8, 0x7F,
   "7E8 10 0F 41 7F 01 02 03 04 \r7E8 22 0C 0D 00 00 00 00 00 \r"
   "7E8 21 05 06 07 08 09 0A 0B \r>", 0},
  {"another ECU's frames", 6, 0x7E8, 0x68,
   "7E9 10 09 41 68 01 02 03 04 \r7E9 21 05 06 07 00 00 00 00 \r>", 0},
  {"another length", 6, 0x7E8, 0x68,
   "7E8 10 0A 41 68 01 02 03 04 \r7E8 21 05 06 07 08 00 00 00 \r>", 0},
  {"another PID", 6, 0x7E8, 0x68,
   "7E8 10 09 41 69 01 02 03 04 \r7E8 21 05 06 07 00 00 00 00 \r>", 0},
  {"garbage in a consecutive frame", 6, 0x7E8, 0x68,
   "7E8 10 09 41 68 01 02 03 04 \r7E8 21 05 0G 07 00 00 00 00 \r>", 0},
  {"no data", 6, 0x7E8, 0x68, "NO DATA\r\r>", 0},
};
// clang-format on

TEST(PidReply, CanAnswersLongerThanAFrameAreReadAcrossTheirFrames) {
  for (const LongAnswerCase& c : kLongAnswerCases) {
    SCOPED_TRACE(c.name);
    const std::optional<PidReading> reading = ReadPidReply(c.reply, c.protocol, c.ecu, c.pid);
    ASSERT_EQ(reading.has_value(), c.V != 0);
    if (!reading) continue;
    EXPECT_EQ(reading->count, Pidy()[c.pid].IleBajtow);
    EXPECT_EQ(reading->bytes[0], 0x01);
    EXPECT_EQ(reading->V, c.V);
  }
  // The same PID on a K-line protocol comes in one message.
  const auto kwp = ReadPidReply("87 F1 10 41 70 01 02 03 04 05 06 07 08 09 CC\r>", 4, 0x10, 0x70);
  ASSERT_TRUE(kwp);
  EXPECT_EQ(kwp->count, 9);
  EXPECT_EQ(kwp->V, 0x06070809u);
}

TEST(PidReply, OutOfRangeArgumentsFindNothing) {
  const char* reply = "7E8 04 41 0C 1A F8 \r>";
  EXPECT_FALSE(ReadPidReply(reply, 6, 0x7E8, -1));
  EXPECT_FALSE(ReadPidReply(reply, 6, 0x7E8, kPidCount));
  EXPECT_FALSE(ReadPidReply(reply, 6, -1, 0x0C));
  EXPECT_FALSE(ReadPidReply(reply, -3, 0x7E8, 0x0C));
}

TEST(PidReply, BitmapMarksTheThirtyTwoPidsAfterItsOwn) {
  PidSelection selection;
  const auto bitmap = PIDsupported(selection, 0, "7E8 06 41 00 BE 1F A8 13 AA \r>", 6, 0x7E8);
  ASSERT_EQ(bitmap, 0xBE1FA813u);
  std::bitset<kPidCount> expected;
  for (int pid : {0x00, 0x01, 0x03, 0x04, 0x05, 0x06, 0x07, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11,
                  0x13, 0x15, 0x1C, 0x1F, 0x20})
    expected.set(pid);
  EXPECT_EQ(selection.Obslugiwany, expected);
}

TEST(PidReply, LaterBitmapsAddToTheFirst) {
  PidSelection selection;
  ASSERT_TRUE(PIDsupported(selection, 0, "48 6B 10 41 00 80 00 00 01 00\r>", 3, 0x10));
  ASSERT_TRUE(PIDsupported(selection, 0x20, "48 6B 10 41 20 00 00 00 01 00\r>", 3, 0x10));
  ASSERT_TRUE(PIDsupported(selection, 0x40, "48 6B 10 41 40 00 00 00 01 00\r>", 3, 0x10));
  ASSERT_TRUE(PIDsupported(selection, 0x60, "48 6B 10 41 60 00 00 00 01 00\r>", 3, 0x10));
  EXPECT_EQ(selection.Obslugiwany.count(), 6u);
  for (int pid : {0x00, 0x01, 0x20, 0x40, 0x60, 0x80})
    EXPECT_TRUE(selection.Obslugiwany[pid]);
}

// A new connection starts the detection afresh: what an earlier car supported is forgotten even
// when the new car's bitmap cannot be read, but the user's choice stays.
TEST(PidReply, FirstBitmapForgetsTheLastCarButKeepsTheChoice) {
  PidSelection selection;
  selection.Obslugiwany.set();
  selection.Wybrany.set(0x0C);
  EXPECT_FALSE(PIDsupported(selection, 0, "NO DATA\r>", 6, 0x7E8));
  EXPECT_EQ(selection.Obslugiwany.count(), 1u);
  EXPECT_TRUE(selection.Obslugiwany[0]);
  EXPECT_TRUE(selection.Wybrany[0x0C]);
  // A later bitmap that is not there changes nothing.
  selection.Obslugiwany.set(0x21);
  EXPECT_FALSE(PIDsupported(selection, 0x20, "NO DATA\r>", 6, 0x7E8));
  EXPECT_TRUE(selection.Obslugiwany[0x21]);
}

TEST(PidReply, OnlyTheFourBitmapPidsAreBitmaps) {
  PidSelection selection;
  selection.Obslugiwany.set();
  for (int base : {-32, 1, 0x0C, 0x80, 0x100})
    EXPECT_FALSE(PIDsupported(selection, base, "7E8 06 41 0C 1A F8 00 00 \r>", 6, 0x7E8));
  EXPECT_TRUE(selection.Obslugiwany.all());
}

}  // namespace
