// What the receive path refuses and how it reassembles, on a link identified by the simulated
// controller; the broken frames are written to the line as they are.

#include <gtest/gtest.h>

#include "tests/support/SimLink.h"

namespace {

class ReceivePathTest : public ::testing::Test {
 protected:
  ReceivePathTest() : s(2) {
    EXPECT_TRUE(s.Open());
    EXPECT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
    s.controller.silent = true;  // from now on only what the test writes arrives
    s.Tick();                    // the reply to the last poll is read
    s.log.clear();
    s.events.clear();
    image = s.link.ObrazSterownika;
  }

  // One receive step of what the test wrote, as the link's tick would run it.
  int Receive(const std::vector<uint8_t>& bytes) {
    s.Inject(bytes);
    return s.link.OdbiorRx();
  }
  int Accepted() const {
    int n = 0;
    for (const auto& e : s.events)
      n += e.kind == 0;
    return n;
  }

  SimLink s;
  std::array<uint8_t, img::kSize> image;
};

TEST_F(ReceivePathTest, RefusalsLogTheirReasonAndChangeNothing) {
  std::vector<uint8_t> settingsReply(2 + 256, 0xAA);
  std::vector<uint8_t> badSum = ReplyFrame(0xE8, settingsReply);
  badSum[1] ^= 0x10;
  std::vector<uint8_t> notScrambled = {0x56, 0, 0, 0};
  notScrambled[1] = static_cast<uint8_t>(0 - (0x56 + 0x99));
  notScrambled[3] = 0x99;

  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* log;
  };
  const Case cases[] = {
      {"bad start byte",
       {0x65, 0x08, 0x02, 0x81, 1, 2, 3, 4},
       "  brak bajtu startowego : 65 08 02 81"},
      {"checksum", badSum, "  błąd sumy "},
      {"unknown code", ReplyFrame(0x42, {0, 0}), "\n Nie rozpoznany rozkaz"},
      {"buffer overflow", std::vector<uint8_t>(1030, 0x56), "  przekroczenie bufora"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    s.link.LiczDoBrakuPolaczenia = 3;
    s.log.clear();
    s.link.OdbiorRx();
    Receive(c.bytes);
    s.link.OdbiorRx();  // a payload that was still on its way
    EXPECT_TRUE(s.Logged(c.log));
    EXPECT_EQ(Accepted(), 0);
    EXPECT_EQ(s.link.LiczDoBrakuPolaczenia, 3);
    EXPECT_TRUE(s.link.ObrazSterownika == image);
    s.link.PortPurgeRx();
    s.link.OdbiorRx();
  }
}

TEST_F(ReceivePathTest, OtherMakersRepliesAreRefusedAndIdentificationAskedAgain) {
  s.link.KasujFlagiTransmisji("test");  // as after a reconnection: no maker confirmed yet
  Receive(ReplyFrame(0x82, std::vector<uint8_t>(18, 0)));
  EXPECT_TRUE(s.Logged("  niezgodna firma"));
  EXPECT_EQ(s.link.FlagiRozkazow, 1u);
  EXPECT_EQ(Accepted(), 0);
}

TEST_F(ReceivePathTest, TwoFramesInOneBurstAreDispatchedOnTwoTicks) {
  std::vector<uint8_t> burst = ReplyFrame(0x84, {0, 0});
  const std::vector<uint8_t> second = ReplyFrame(0x85, {0, 0});
  burst.insert(burst.end(), second.begin(), second.end());
  s.link.FlagiRozkazow = 0x40 | 0x80;
  EXPECT_EQ(Receive(burst), 6);
  EXPECT_EQ(s.link.FlagiRozkazow, 0x80u);
  EXPECT_EQ(s.link.OdbiorRx(), 6);
  EXPECT_EQ(s.link.FlagiRozkazow, 0u);
}

TEST_F(ReceivePathTest, SlowPayloadCountsTowardsLostConnectionUntilItArrives) {
  const std::vector<uint8_t> frame = ReplyFrame(0x90, std::vector<uint8_t>(124, 0));
  s.link.LiczDoBrakuPolaczenia = 0;
  EXPECT_EQ(Receive({frame.begin(), frame.begin() + 10}), -2);
  EXPECT_EQ(Receive({frame.begin() + 10, frame.begin() + 50}), -2);
  EXPECT_EQ(Receive({frame.begin() + 50, frame.begin() + 90}), -2);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia, 2);
  EXPECT_EQ(Receive({frame.begin() + 90, frame.end()}), 128);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia, 0);
}

TEST_F(ReceivePathTest, EmptyStatusReplyIsAcceptedWithLengthFour) {
  s.link.LiczDoBrakuPolaczenia = 5;
  EXPECT_EQ(Receive(ReplyFrame(0x90, {})), 4);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia, 0);
  ASSERT_EQ(s.events.size(), 1u);
  EXPECT_EQ(s.events[0].length, 4);
}

TEST_F(ReceivePathTest, MapCellReportsAndTrims) {
  std::vector<uint8_t> payload(124, 0);
  payload[7 - 4] = 3;     // gas map
  payload[8 - 4] = 0x25;  // column 2, row 5
  payload[9 - 4] = 77;
  Receive(ReplyFrame(0x90, payload));
  EXPECT_EQ(s.link.ObrazSterownika[img::MapaEcuGaz + 0x25], 77);

  image = s.link.ObrazSterownika;
  payload[9 - 4] = 0;  // a report of value 0 changes nothing
  Receive(ReplyFrame(0x90, payload));
  EXPECT_TRUE(s.link.ObrazSterownika == image);

  payload[6 - 4] = 0xF4;
  payload[7 - 4] = 120;
  payload[8 - 4] = 130;
  Receive(ReplyFrame(0x90, payload));
  EXPECT_EQ(s.link.ObrazSterownika[351], 120);
  EXPECT_EQ(s.link.ObrazSterownika[352], 130);
}

TEST_F(ReceivePathTest, LateAnswerToTheParameterCommandIsDropped) {
  s.link.OstatniRozkaz = 0x82;
  s.link.LiczDoBrakuPolaczenia = 4;
  s.link.FlagiRozkazow = 0x10;
  Receive(ReplyFrame(0x80, {0, 0}));
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia, 4);
  EXPECT_EQ(s.link.FlagiRozkazow, 0u);
  EXPECT_EQ(Accepted(), 0);
}

TEST_F(ReceivePathTest, ObdRecordOfTheObdLinkStandsInForTheControllers) {
  std::vector<uint8_t> payload(124, 0);
  payload[92 - 4] = 0x01;
  payload[103 - 4] = 16;  // a PID exchange
  s.link.ZewnRekordObd[0].fill(0x33);
  s.link.ZewnRekordObd[0][0] = 0x05;
  s.link.ZewnRekordObd[0][1] = 0xC0;
  Receive(ReplyFrame(0x90, payload));
  EXPECT_EQ(s.link.OstatniRekordObd[11], 16) << "the controller's own record is kept";
  EXPECT_EQ(s.link.BuforOdbioru[92], 0x05 | 0xC0);
  EXPECT_EQ(s.link.BuforOdbioru[100], 0x33);
  bool obdEvent = false;
  for (const auto& e : s.events)
    obdEvent |= e.kind == 102 && e.code == 16;
  EXPECT_TRUE(obdEvent);
}

TEST_F(ReceivePathTest, ShortDataReplyDoesNotTouchTheArea) {
  s.link.FlagiCzytania = 0x2;
  Receive(ReplyFrame(0xE9, std::vector<uint8_t>(40, 0x11)));
  EXPECT_EQ(s.link.FlagiCzytania, 0x2u) << "asked again";
  EXPECT_TRUE(s.link.ObrazSterownika == image);
}

TEST_F(ReceivePathTest, SettingsPageWithBadTotalIsKeptButLogged) {
  std::vector<uint8_t> payload(258, 0);
  payload[2 + 5] = 3;  // the page adds up to 3
  s.link.FlagiCzytania = 0x1;
  Receive(ReplyFrame(0xE8, payload));
  EXPECT_TRUE(s.Logged("3  błąd sumy nastaw"));
  EXPECT_EQ(s.link.Nastawy()[5], 3);
  EXPECT_EQ(s.link.FlagiCzytania, 0u);
}

TEST_F(ReceivePathTest, ReplayOfARecordOnlyWhileDisconnected) {
  s.link.BuforOsc.assign(2 * 128, 0);
  s.link.BuforOsc[128 + 17] = 99;
  s.link.OdbiorOsc(1);
  EXPECT_TRUE(s.events.empty()) << "a connected controller's frames are not overwritten";
  s.link.ZamknijPortComm();
  s.link.OdbiorOsc(1);
  EXPECT_EQ(s.link.BuforOdbioru[17], 99);
  ASSERT_EQ(s.events.size(), 1u);
  EXPECT_EQ(s.events[0].kind, 6);
  s.link.OdbiorOsc(2);  // beyond the recording
  EXPECT_EQ(s.events.size(), 1u);
}

}  // namespace
