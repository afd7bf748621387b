// The transmit turn's order, payloads and pauses, observed at the simulated controller.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/LinkTestAccess.h"
#include "tests/support/SimLink.h"

namespace {

class SchedulerTest : public ::testing::Test {
 protected:
  SchedulerTest() : s(2) {
    EXPECT_TRUE(s.Open());
    EXPECT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  }
  // The codes the controller receives during n ticks.
  std::vector<uint8_t> CodesDuring(int ticks) {
    const size_t before = s.controller.lastRequestCodes.size();
    for (int i = 0; i < ticks; ++i)
      s.Tick();
    return {s.controller.lastRequestCodes.begin() + static_cast<long>(before),
            s.controller.lastRequestCodes.end()};
  }
  bool SentCode(uint8_t code) {
    return s.TickUntil(
        [&] { return !s.controller.lastRequest.empty() && s.controller.lastRequest[3] == code; },
        12);
  }
  SimLink s;
};

TEST_F(SchedulerTest, WriteGoesBeforeTheReadOfTheSameArea) {
  s.link.ZapiszDoSterownika(0x1);
  s.link.CzytajZeSterownika(0x1);
  std::vector<uint8_t> codes = CodesDuring(12);
  codes.erase(
      std::remove_if(codes.begin(), codes.end(), [](uint8_t c) { return (c & 0xF0) == 0x90; }),
      codes.end());
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes[0], 0xF8);
  EXPECT_EQ(codes[1], 0xC7) << "the history entry the write left, a write too";
  EXPECT_EQ(codes[2], 0xE8);
}

TEST_F(SchedulerTest, UnacknowledgedWriteRepeatsBetweenItsPausesAndPolls) {
  s.controller.silent = true;
  s.link.ZapiszDoSterownika(0x2);
  std::vector<int> perTick;  // the code sent on each tick, 0 for none
  for (int i = 0; i < 14; ++i) {
    const size_t before = s.controller.lastRequestCodes.size();
    s.Tick();
    perTick.push_back(
        s.controller.lastRequestCodes.size() > before ? s.controller.lastRequestCodes.back() : 0);
  }
  const auto first = std::find(perTick.begin(), perTick.end(), 0xF9);
  ASSERT_LE(first - perTick.begin(), 2);
  // The write, two ticks of pause, the poll's turn, the write again.
  const std::vector<int> expected = {0xF9, 0, 0, 0x90, 0xF9, 0, 0, 0x90, 0xF9};
  EXPECT_EQ(std::vector<int>(first, first + 9), expected);
  EXPECT_NE(s.link.FlagiZapisuWToku() & 0x2, 0u) << "still waiting for its acknowledgement";
}

TEST_F(SchedulerTest, ErasePasswordGoesOnceEvenOnThePollsTurn) {
  s.controller.silent = true;
  s.Tick();
  if (s.link.LicznikTur() % 2 == 1) s.Tick();  // the next turn is the poll's
  s.link.RozkazDoSterownika(0x2000);
  ASSERT_EQ(CodesDuring(1), std::vector<uint8_t>{0x8D});
  const auto& frame = s.controller.lastRequest;
  EXPECT_TRUE(
      std::equal(frame.begin() + 6, frame.begin() + 18, &s.link.ObrazSterownika()[img::NumSerProc]))
      << "the first 12 bytes of the processor serial number";
  const std::vector<uint8_t> later = CodesDuring(40);
  EXPECT_EQ(std::count(later.begin(), later.end(), 0x8D), 0) << "not repeated without an answer";
}

TEST_F(SchedulerTest, CommandPayloadsAreTakenAtSending) {
  s.link.RozkazDoSterownika(0x100);
  LinkTestAccess::ZalaczoneWtryskiwacze(s.link) = 0x0F;
  ASSERT_TRUE(SentCode(0x86));
  const auto& frame = s.controller.lastRequest;
  EXPECT_EQ(frame.size(), 8u) << "three payload bytes padded to four";
  EXPECT_EQ(frame[2], 2);
  EXPECT_EQ(frame[6], 0x0F);

  s.link.RozkazDoSterownika(0x800);
  ASSERT_TRUE(SentCode(0x88));
  EXPECT_EQ(s.controller.lastRequest[6], 1) << "the valve test";
}

TEST_F(SchedulerTest, SwitchToPetrolIsDroppedWhileOnPetrol) {
  s.controller.silent = true;
  s.Tick();                                    // the last status frame is read
  if (s.link.LicznikTur() % 2 == 0) s.Tick();  // the next turn is a command's
  LinkTestAccess::StanPaliwa(s.link) = 0;
  s.link.RozkazDoSterownika(0x20000);
  EXPECT_TRUE(CodesDuring(1).empty()) << "nothing sent on that turn";
  EXPECT_EQ(s.link.FlagiRozkazow() & 0x20000, 0u);
}

TEST_F(SchedulerTest, SettingsPageGoesOutWithItsChecksum) {
  s.controller.silent = true;
  uint8_t* settings = LinkTestAccess::Nastawy(s.link);
  std::fill_n(settings, 256, 0);
  settings[0] = 0x11;  // whatever the image holds there
  settings[10] = 0x30;
  settings[200] = 0x07;  // bytes 1..255 add up to 0x37
  s.link.ZapiszDoSterownika(0x1);
  ASSERT_TRUE(SentCode(0xF8));
  EXPECT_EQ(s.controller.lastRequest[6], 0xC9);
  EXPECT_EQ(settings[0], 0x11) << "the image keeps its byte";
}

TEST_F(SchedulerTest, StalledReceiveStepSendsNothingAndWaitsLonger) {
  s.controller.silent = true;
  s.Tick();  // the last status frame is read
  s.clock.stepPerRead = 3001;
  const int lost = s.link.LiczDoBrakuPolaczenia();
  EXPECT_TRUE(CodesDuring(1).empty());
  EXPECT_EQ(s.link.TimerInterval(), 500);
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), lost + 1);
  s.clock.stepPerRead = 0;
  EXPECT_EQ(CodesDuring(1).size(), 1u);
  EXPECT_EQ(s.link.TimerInterval(), 95);
}

TEST_F(SchedulerTest, TickInsideATickReturnsAtOnce) {
  int nested = 0;
  s.link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind == EventKind::FrameSent) {
      ++nested;
      s.link.Timer1OnTimer();  // a message box's event loop firing the timer again
    }
  };
  s.link.Timer1OnTimer();
  EXPECT_EQ(nested, 1);
}

TEST_F(SchedulerTest, HistoryEntriesOfCommands) {
  s.link.SetToday(2026, 3, 4);
  s.link.RozkazDoSterownika(0x20);
  ASSERT_TRUE(SentCode(0x83));
  s.link.RozkazDoSterownika(0x1000);
  ASSERT_TRUE(SentCode(0x89));
  const uint8_t* history = &s.link.ObrazSterownika()[img::HistoriaZmian];
  EXPECT_EQ(history[8], 0x04 | 0x02) << "errors cleared and factory settings, one entry a day";
  EXPECT_NE(s.link.FlagiZapisu() | s.link.FlagiZapisuWToku(), 0u);
}

}  // namespace
