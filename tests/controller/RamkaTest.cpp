#include "controller/Ramka.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// Builds a plain request with the given payload, as the link does before scrambling.
Bytes PlainRequest(uint8_t code, const Bytes& payload) {
  Bytes frame(ramka::kLargestFrame + 2, 0);
  std::copy(payload.begin(), payload.end(), frame.begin() + 4);
  frame.resize(
      ramka::Build(frame.data(), ramka::kRequestStart, code, static_cast<int>(payload.size())));
  return frame;
}

TEST(RamkaTest, ReadSettingsRequestIsFourBytes) {
  const Bytes frame = PlainRequest(0xE8, {});
  EXPECT_EQ(frame, (Bytes{0x65, 0xB3, 0x00, 0xE8}));
  Bytes wire = frame;
  ramka::Scramble(wire.data(), static_cast<int>(wire.size()));
  EXPECT_EQ(wire, frame) << "a header is never scrambled";
}

TEST(RamkaTest, IdentificationRequestLayoutAndScrambling) {
  const Bytes plain = PlainRequest(0x81, {0x00, 0x00, 0x10, 0x00});
  EXPECT_EQ(plain, (Bytes{0x65, 0x08, 0x02, 0x81, 0x00, 0x00, 0x10, 0x00}));
  EXPECT_EQ(ramka::LogText("  TX:", plain.data(), 8), "  TX: 65 08 02 81   00 00 10 00");

  Bytes wire = plain;
  ramka::Scramble(wire.data(), 8);
  EXPECT_EQ(wire, (Bytes{0x65, 0x08, 0x02, 0x81, 0x54, 0xFA, 0xE9, 0xE8})) << "as on the line";
  ramka::Unscramble(wire.data(), 8);
  EXPECT_EQ(wire, plain);
}

// A short status reply as a controller puts it on the line, and what the link reads of it.
TEST(RamkaTest, ReplyFromTheLine) {
  Bytes wire = {0x76, 0xEF, 0x02, 0x90, 0xB3, 0xFA, 0xFF, 0xFD};
  ramka::Unscramble(wire.data(), 8);
  EXPECT_EQ(wire, (Bytes{0x76, 0xEF, 0x02, 0x90, 0x00, 0x00, 0x06, 0x03}));
  EXPECT_EQ(ramka::Total(wire.data(), 8), 0);
}

TEST(RamkaTest, SizesAndPadding) {
  const Bytes odd = PlainRequest(0x8A, {0x11, 0x00, 0x05});
  EXPECT_EQ(odd.size(), 8u) << "an odd payload gets one pad byte";
  EXPECT_EQ(odd[2], 2);
  EXPECT_EQ(ramka::Total(odd.data(), 8), 0);

  const Bytes block = PlainRequest(0xFF, Bytes(514, 0x5A));
  EXPECT_EQ(block.size(), 518u);
  EXPECT_EQ(block[2], 1) << "257 words modulo 256";
  EXPECT_EQ(ramka::Total(block.data(), 518), 0);
}

TEST(RamkaTest, DataReplyRoundTripAndChecksumRefusal) {
  Bytes payload(258);
  for (int i = 0; i < 258; ++i)
    payload[i] = static_cast<uint8_t>(i * 7 + 3);
  Bytes frame(262 + 2, 0);
  std::copy(payload.begin(), payload.end(), frame.begin() + 4);
  frame.resize(ramka::Build(frame.data(), ramka::kReplyStart, 0xE8, 258));
  EXPECT_EQ(frame[2], 0x81) << "129 words";
  const Bytes plain = frame;
  ramka::Scramble(frame.data(), 262);

  Bytes received = frame;
  ramka::Unscramble(received.data(), 262);
  EXPECT_EQ(received, plain);
  EXPECT_EQ(ramka::Total(received.data(), 262), 0);

  Bytes damagedTail = frame;
  damagedTail[261] ^= 0x01;
  ramka::Unscramble(damagedTail.data(), 262);
  EXPECT_NE(ramka::Total(damagedTail.data(), 262), 0);

  // Start byte and length right, but the payload decodes to a nonzero total.
  Bytes wrongSum = plain;
  wrongSum[1] ^= 0x40;
  ramka::Scramble(wrongSum.data(), 262);
  ramka::Unscramble(wrongSum.data(), 262);
  EXPECT_EQ(ramka::Total(wrongSum.data(), 262), 0x40);
}

TEST(RamkaTest, NoncesMakeIdenticalRequestsDifferOnTheWire) {
  Bytes first = PlainRequest(0x81, {0x17, 0x00, 0x10, 0x00});
  Bytes second = PlainRequest(0x81, {0xC4, 0x00, 0x10, 0x00});
  ramka::Scramble(first.data(), 8);
  ramka::Scramble(second.data(), 8);
  EXPECT_NE(first[4], second[4]);
  EXPECT_NE(first[5], second[5]) << "the nonce seeds the next byte too";
}

TEST(RamkaTest, StartBytes) {
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(ramka::IsReplyStart(static_cast<uint8_t>(b)), b == 0x56 || b == 0x76) << b;
}

}  // namespace
