// What the receive path refuses and how it reassembles, on a link identified by the simulated
// controller; the broken frames are written to the line as they are.

#include <gtest/gtest.h>

#include "tests/support/LinkTestAccess.h"
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
    image = s.link.ObrazSterownika();
  }

  // One receive step of what the test wrote, as the link's tick would run it.
  int Receive(const std::vector<uint8_t>& bytes) {
    s.Inject(bytes);
    return s.link.OdbiorRx();
  }
  int Accepted() const {
    int n = 0;
    for (const auto& e : s.events)
      n += e.kind == EventKind::ReplyAccepted;
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
    LinkTestAccess::LiczDoBrakuPolaczenia(s.link) = 3;
    s.log.clear();
    s.link.OdbiorRx();
    Receive(c.bytes);
    s.link.OdbiorRx();  // a payload that was still on its way
    EXPECT_TRUE(s.Logged(c.log));
    EXPECT_EQ(Accepted(), 0);
    EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), 3);
    EXPECT_TRUE(s.link.ObrazSterownika() == image);
    s.link.PortPurgeRx();
    s.link.OdbiorRx();
  }
}

TEST_F(ReceivePathTest, OtherMakersRepliesAreRefusedAndIdentificationAskedAgain) {
  s.link.KasujFlagiTransmisji("test");  // as after a reconnection: no maker confirmed yet
  Receive(ReplyFrame(0x82, std::vector<uint8_t>(18, 0)));
  EXPECT_TRUE(s.Logged("  niezgodna firma"));
  EXPECT_EQ(s.link.FlagiRozkazow(), 1u);
  EXPECT_EQ(Accepted(), 0);
}

TEST_F(ReceivePathTest, TwoFramesInOneBurstAreDispatchedOnTwoTicks) {
  std::vector<uint8_t> burst = ReplyFrame(0x84, {0, 0});
  const std::vector<uint8_t> second = ReplyFrame(0x85, {0, 0});
  burst.insert(burst.end(), second.begin(), second.end());
  LinkTestAccess::FlagiRozkazow(s.link) = 0x40 | 0x80;
  EXPECT_EQ(Receive(burst), 6);
  EXPECT_EQ(s.link.FlagiRozkazow(), 0x80u);
  EXPECT_EQ(s.link.OdbiorRx(), 6);
  EXPECT_EQ(s.link.FlagiRozkazow(), 0u);
}

TEST_F(ReceivePathTest, SlowPayloadCountsTowardsLostConnectionUntilItArrives) {
  const std::vector<uint8_t> frame = ReplyFrame(0x90, std::vector<uint8_t>(124, 0));
  LinkTestAccess::LiczDoBrakuPolaczenia(s.link) = 0;
  EXPECT_EQ(Receive({frame.begin(), frame.begin() + 10}), -2);
  EXPECT_EQ(Receive({frame.begin() + 10, frame.begin() + 50}), -2);
  EXPECT_EQ(Receive({frame.begin() + 50, frame.begin() + 90}), -2);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), 2);
  EXPECT_EQ(Receive({frame.begin() + 90, frame.end()}), 128);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), 0);
}

TEST_F(ReceivePathTest, EmptyStatusReplyIsAcceptedWithLengthFour) {
  LinkTestAccess::LiczDoBrakuPolaczenia(s.link) = 5;
  EXPECT_EQ(Receive(ReplyFrame(0x90, {})), 4);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), 0);
  ASSERT_EQ(s.events.size(), 1u);
  EXPECT_EQ(s.events[0].length, 4);
}

TEST_F(ReceivePathTest, MapCellReportsAndTrims) {
  std::vector<uint8_t> payload(124, 0);
  payload[7 - 4] = 3;     // gas map
  payload[8 - 4] = 0x25;  // column 2, row 5
  payload[9 - 4] = 77;
  Receive(ReplyFrame(0x90, payload));
  EXPECT_EQ(s.link.ObrazSterownika()[img::MapaEcuGaz + 0x25], 77);

  image = s.link.ObrazSterownika();
  payload[9 - 4] = 0;  // a report of value 0 changes nothing
  Receive(ReplyFrame(0x90, payload));
  EXPECT_TRUE(s.link.ObrazSterownika() == image);

  payload[6 - 4] = 0xF4;
  payload[7 - 4] = 120;
  payload[8 - 4] = 130;
  Receive(ReplyFrame(0x90, payload));
  EXPECT_EQ(s.link.ObrazSterownika()[351], 120);
  EXPECT_EQ(s.link.ObrazSterownika()[352], 130);
}

TEST_F(ReceivePathTest, LateAnswerToTheParameterCommandIsDropped) {
  LinkTestAccess::OstatniRozkaz(s.link) = 0x82;
  LinkTestAccess::LiczDoBrakuPolaczenia(s.link) = 4;
  LinkTestAccess::FlagiRozkazow(s.link) = 0x10;
  Receive(ReplyFrame(0x80, {0, 0}));
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), 4);
  EXPECT_EQ(s.link.FlagiRozkazow(), 0u);
  EXPECT_EQ(Accepted(), 0);
}

TEST_F(ReceivePathTest, ObdRecordOfTheObdLinkStandsInForTheControllers) {
  std::vector<uint8_t> payload(124, 0);
  payload[92 - 4] = 0x01;
  payload[103 - 4] = 16;  // a PID exchange
  TSterownik::RekordObd record;
  record.fill(0x33);
  record[0] = 0x05;
  record[1] = 0xC0;
  s.link.SetExternalObdRecord(0, record);
  Receive(ReplyFrame(0x90, payload));
  EXPECT_EQ(s.link.OstatniRekordObd()[11], 16) << "the controller's own record is kept";
  EXPECT_EQ(s.link.LastStatus().Byte(92), 0x05 | 0xC0);
  EXPECT_EQ(s.link.LastStatus().Byte(100), 0x33);
  bool obdEvent = false;
  for (const auto& e : s.events)
    obdEvent |= e.kind == EventKind::ObdSubRecord && e.code == 16;
  EXPECT_TRUE(obdEvent);
}

TEST_F(ReceivePathTest, ShortDataReplyDoesNotTouchTheArea) {
  LinkTestAccess::FlagiCzytania(s.link) = 0x2;
  Receive(ReplyFrame(0xE9, std::vector<uint8_t>(40, 0x11)));
  EXPECT_EQ(s.link.FlagiCzytania(), 0x2u) << "asked again";
  EXPECT_TRUE(s.link.ObrazSterownika() == image);
}

TEST_F(ReceivePathTest, SettingsPageWithBadTotalIsKeptButLogged) {
  std::vector<uint8_t> payload(258, 0);
  payload[2 + 5] = 3;  // the page adds up to 3
  LinkTestAccess::FlagiCzytania(s.link) = 0x1;
  Receive(ReplyFrame(0xE8, payload));
  EXPECT_TRUE(s.Logged("3  błąd sumy nastaw"));
  EXPECT_EQ(s.link.Nastawy()[5], 3);
  EXPECT_EQ(s.link.FlagiCzytania(), 0u);
}

TEST_F(ReceivePathTest, ReplayOfARecordOnlyWhileDisconnected) {
  LinkTestAccess::BuforOsc(s.link).assign(2 * 128, 0);
  LinkTestAccess::BuforOsc(s.link)[128 + 17] = 85;
  s.link.OdbiorOsc(1);
  EXPECT_TRUE(s.events.empty()) << "a connected controller's frames are not overwritten";
  s.link.ZamknijPortComm();
  s.link.OdbiorOsc(1);
  EXPECT_EQ(s.link.LastStatus().Byte(17), 85);
  EXPECT_EQ(s.link.LastStatus().values[1].text, "850") << "decoded like a frame that arrived";
  ASSERT_EQ(s.events.size(), 1u);
  EXPECT_EQ(s.events[0].kind, EventKind::RecordReplayed);
  s.link.OdbiorOsc(2);  // beyond the recording
  EXPECT_EQ(s.events.size(), 1u);
}

// A status frame carries only the bytes it has: after a longer reply, a 6-byte status frame
// stores no trims, no injector mask and no OBD record from what the buffer held before.
TEST_F(ReceivePathTest, ShortStatusFrameTakesNothingLeftByALongerReply) {
  std::vector<uint8_t> errors(124, 0);
  errors[6 - 4] = sub_record::TrimsBank1;
  errors[7 - 4] = 17;
  errors[8 - 4] = 18;
  errors[22 - 4] = 0x0F;
  errors[92 - 4] = 0x77;
  errors[103 - 4] = obd_kind::Pid;
  Receive(ReplyFrame(0x82, errors));
  const uint8_t injectors = s.link.ZalaczoneWtryskiwacze();
  const auto obd = s.link.OstatniRekordObd();
  s.events.clear();

  EXPECT_EQ(Receive(ReplyFrame(0x90, {0, 0})), 6);
  EXPECT_EQ(s.link.ObrazSterownika()[img::Eeprom1], 128) << "the idle trim stays";
  EXPECT_EQ(s.link.ObrazSterownika()[img::Eeprom1 + 1], 128);
  EXPECT_EQ(s.link.ZalaczoneWtryskiwacze(), injectors);
  EXPECT_EQ(s.link.OstatniRekordObd(), obd);
  EXPECT_EQ(s.link.LastStatus().length, 6);
  EXPECT_FALSE(s.link.LastStatus().hasWorkState);
  ASSERT_EQ(s.events.size(), 1u) << "accepted, and no OBD event";
  EXPECT_EQ(s.events[0].kind, EventKind::ReplyAccepted);
}

// The OBD record of a frame longer than 92 bytes is taken as far as it arrived.
TEST_F(ReceivePathTest, ObdRecordOfAShortFrameAsFarAsItArrived) {
  std::vector<uint8_t> payload(96, 0x11);  // a 100-byte frame: record bytes 0..7
  Receive(ReplyFrame(0x90, payload));
  const auto& record = s.link.OstatniRekordObd();
  EXPECT_EQ(record[0], 0x11);
  EXPECT_EQ(record[7], 0x11);
  EXPECT_EQ(record[8], 0) << "what did not arrive is not there";
  for (const auto& e : s.events)
    EXPECT_NE(e.kind, EventKind::ObdSubRecord) << "its kind byte did not arrive";
}

}  // namespace
