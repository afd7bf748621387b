#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "controller/Tsterownik.h"
#include "obd/CodeClearing.h"
#include "obd/Telmobd.h"
#include "sim/ElmAdapter.h"
#include "sim/ElmPairing.h"
#include "tests/support/SimLink.h"

namespace {

constexpr int kPolling = 1000;

// The link polling the simulated car, with the PID events and the requests it sent recorded.
class ObdPolling : public ::testing::Test {
 protected:
  ObdPolling() : controller(ui, clock, "no-ftdi-library-here.so") {}

  void Connect() {
    link.SetControllerLink(&controller);
    link.OnZdarzenie = [this](int code, int aux, int length) {
      if (code == 103) pidEvents.emplace_back(aux, length);
    };
    pairing = std::make_unique<sim::ElmPairing>(link, adapter);
    ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == kPolling; }, 3000));
  }
  // The mode 01 requests sent from the given one on.
  std::vector<std::string> Requests(size_t from) const {
    std::vector<std::string> sent;
    for (size_t i = from; i < adapter.commands.size(); ++i)
      if (adapter.commands[i].rfind("01", 0) == 0) sent.push_back(adapter.commands[i]);
    return sent;
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      pairing->Tick();
  }

  FakeUi ui;
  FakeClock clock;
  TSterownik controller;
  TObd link;
  sim::ElmAdapter adapter;
  std::unique_ptr<sim::ElmPairing> pairing;
  std::vector<std::pair<int, int>> pidEvents;
};

TEST_F(ObdPolling, TheFuelTrimsTheCarAnswersArePolledFromTheStartAndForwarded) {
  Connect();
  // The car answers 03, 06 and 07 of the five read first; 08 and 09 it does not support.
  for (int pid : {0x03, 0x06, 0x07})
    EXPECT_TRUE(link.Pidy().Polled(pid)) << pid;
  for (int pid : {0x08, 0x09, 0x0C})
    EXPECT_FALSE(link.Pidy().Polled(pid)) << pid;
  EXPECT_EQ(link.PodajIlePidWybranych(), 3);

  const size_t from = adapter.commands.size();
  Ticks(12);
  EXPECT_EQ(Requests(from),
            (std::vector<std::string>{"0103", "0106", "0107", "0103", "0106", "0107"}));
  // Row = PID, length = the place in the cycle.
  EXPECT_EQ(link.WartoscPid(0x03), "CL");
  const std::vector<std::pair<int, int>> cycle(pidEvents.end() - 3, pidEvents.end());
  EXPECT_EQ(cycle, (std::vector<std::pair<int, int>>{{0x03, 0}, {0x06, 1}, {0x07, 2}}));

  const TSterownik::RekordObd& record = link.RekordObd();
  EXPECT_EQ(record[5], 2);  // fuel system: closed loop
  EXPECT_GE(record[7], 120);
  EXPECT_LE(record[7], 137);
  EXPECT_EQ(record[11], link.Zapis().size() & 0xFF);
  EXPECT_EQ(std::string(record.begin() + 12, record.begin() + 20), link.Zapis().substr(12, 8));
  EXPECT_EQ(controller.ObrazSterownika()[img::DaneObdDoWyslania], 1);
}

TEST_F(ObdPolling, TheUsersSelectionJoinsTheCycleAndADoubleClickWithdrawsTheForwardedValues) {
  Connect();
  link.PrzelaczPid(0x0C, false);
  link.PrzelaczPid(0x02, false);         // not supported: stays out
  EXPECT_EQ(link.WartoscPid(0x03), "");  // the grid was rebuilt
  const size_t from = adapter.commands.size();
  Ticks(16);
  // Two whole cycles, from wherever the last one had got to.
  std::vector<std::string> sent = Requests(from);
  ASSERT_EQ(sent.size(), 8u);
  EXPECT_TRUE(std::equal(sent.begin(), sent.begin() + 4, sent.begin() + 4));
  std::sort(sent.begin(), sent.begin() + 4);
  EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 4),
            (std::vector<std::string>{"0103", "0106", "0107", "010C"}));
  EXPECT_NE(link.WartoscPid(0x0C), "");
  EXPECT_EQ(link.JednostkaPid(0x0C), "[rpm]");

  link.PrzelaczPid(0x06, true);
  EXPECT_FALSE(link.Pidy().Polled(0x06));
  const TSterownik::RekordObd& record = link.RekordObd();
  EXPECT_TRUE(
      std::all_of(record.begin() + 3, record.begin() + 12, [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(record[1], 0xC0);  // the protocol stays known
}

TEST_F(ObdPolling, ACarAnsweringNothingPolledSendsNothingAndTheAdapterIsLookedForAgain) {
  adapter.ecus.front().bitmaps = {0x80000000, 0, 0, 0};  // PID 01 only
  Connect();
  EXPECT_EQ(link.PodajIlePidWybranych(), 0);
  const size_t from = adapter.commands.size();
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == 3; }, 100));
  EXPECT_TRUE(Requests(from).empty());
}

TEST_F(ObdPolling, AStaleAnswerIsNotReadAgainOnceNothingIsPolled) {
  Connect();
  for (int pid : {0x03, 0x06, 0x07})
    link.PrzelaczPid(pid, false);
  pidEvents.clear();
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == 3; }, 100));
  EXPECT_TRUE(pidEvents.empty());
}

TEST_F(ObdPolling, AnEngineThatStopsAnsweringSendsTheLinkBackToTheAdapterSearch) {
  Connect();
  adapter.protocol = 0;  // ignition off: the bus goes quiet
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == 100; }, 100));
  EXPECT_EQ(link.StanObd(), -1);
  EXPECT_EQ(link.RekordObd()[1], 0);
  // Ignition on again: found anew.
  adapter.protocol = 6;
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == kPolling; }, 3000));
}

TEST_F(ObdPolling, SlowAnswersAreWaitedForAndAnswersTooLateTimeOut) {
  adapter.slowness = 20;  // two seconds at the link's tick: slow but in time
  Connect();
  std::vector<std::string> log;
  link.OnTekst = [&](const std::string& text, uint32_t) { log.push_back(text); };
  adapter.slowness = 35;  // past the three seconds a reply may take
  const size_t from = adapter.commands.size();
  Ticks(40);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Przekroczenie czasu"), 1);
  EXPECT_EQ(Requests(from).size(), 2u);
}

TEST_F(ObdPolling, CodeCommandsWaitUntilTheCarAnswers) {
  pairing = std::make_unique<sim::ElmPairing>(link, adapter);
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == 201; }, 100));
  link.WcisnietoPrzycisk(TObd::kPrzyciskCzytajBledy);
  EXPECT_EQ(link.Zadanie(), 201);
}

struct CodesCase {
  int protocol;
  std::vector<uint16_t> stored;
  std::vector<std::string> listed;
};

TEST(ObdTroubleCodes, StoredPendingAndPermanentCodesOfEveryBusAreListed) {
  const std::vector<CodesCase> cases = {
      {6, {0x0133}, {"P0133"}},
      {6, {0x0133, 0x0234, 0x0345, 0x0456}, {"P0133", "P0234", "P0345", "P0456"}},  // 2 frames
      {9, {0xC155, 0xC101, 0xC121}, {"U0155", "U0101", "U0121"}},
      {8,
       {1, 2, 3, 4, 5, 6, 7, 8, 9},
       {"P0001", "P0002", "P0003", "P0004", "P0005", "P0006", "P0007", "P0008",
        "P0009"}},               // 3 frames
      {5, {0x0133}, {"P0133"}},  // the zeros filling the message end it
      {3, {0x4123, 0x8123, 0x0101, 0x0102}, {"C0123", "B0123", "P0101", "P0102"}},  // 2 messages
      {1, {}, {}},
  };
  for (const CodesCase& c : cases) {
    TObd link;
    sim::ElmAdapter adapter(c.protocol);
    adapter.ecus.front().stored = c.stored;
    adapter.ecus.front().pending = {0x0300};
    adapter.ecus.front().permanent = {};
    sim::ElmPairing line(link, adapter);
    ASSERT_TRUE(line.TickUntil([&] { return link.Zadanie() == kPolling; }, 3000)) << c.protocol;
    link.WcisnietoPrzycisk(TObd::kPrzyciskCzytajBledy);
    ASSERT_TRUE(line.TickUntil([&] { return link.Zadanie() == kPolling; }, 100));

    std::vector<std::string> codes, headings;
    for (const obd::ColouredLine& l : link.Kody()) {
      if (l.colour == obd::LineColour::Red) codes.push_back(l.text);
      if (l.colour == obd::LineColour::DarkGreen) headings.push_back(l.text);
    }
    std::vector<std::string> expected = c.listed;
    expected.push_back("P0300");
    EXPECT_EQ(codes, expected) << c.protocol;
    // CAN and the K-line answer every read, even with no codes, so each has its heading.
    EXPECT_EQ(headings.size(), 3u) << c.protocol;
  }
}

TEST_F(ObdPolling, CodesCarryTheirDescriptionsAndPolishOnesInPolish) {
  Connect();
  link.SetJezykOpisow(1);
  link.WcisnietoPrzycisk(TObd::kPrzyciskCzytajBledy);
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == kPolling; }, 100));
  const obd::ColouredLines& box = link.Kody();
  const auto p0133 =
      std::find(box.begin(), box.end(), obd::ColouredLine{"P0133", obd::LineColour::Red});
  ASSERT_NE(p0133, box.end());
  EXPECT_EQ((p0133 + 1)->text, " O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)");
  EXPECT_NE((p0133 + 2)->text.find("rząd 1"), std::string::npos) << (p0133 + 2)->text;
}

TEST_F(ObdPolling, ClearingSendsOneRequestAndPollingGoesOn) {
  Connect();
  const size_t from = adapter.commands.size();
  link.WcisnietoPrzycisk(TObd::kPrzyciskKasujBledy);
  ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == kPolling; }, 100));
  EXPECT_EQ(
      std::count(adapter.commands.begin() + static_cast<long>(from), adapter.commands.end(), "04"),
      1);
  EXPECT_TRUE(adapter.ecus.front().stored.empty());
  Ticks(4);
  EXPECT_FALSE(Requests(from).empty());
}

// The stored codes are read again after the clearing; the box and the result say what the car
// did, and a car that refuses or does not answer is never taken for one that cleared.
TEST_F(ObdPolling, TheClearingsOutcomeIsWhatTheCarSaid) {
  struct Case {
    sim::ElmAdapter::Clearing clearing;
    obd::Clearing outcome;
    uint8_t reason;
    int stored;
    obd::LineColour colour;
    const char* says;
  };
  const Case cases[] = {
      {sim::ElmAdapter::Clearing::Clears, obd::Clearing::Cleared, 0, 0, obd::LineColour::DarkGreen,
       "trouble codes cleared"},
      {sim::ElmAdapter::Clearing::Refuses, obd::Clearing::Refused, 0x22, 3, obd::LineColour::Red,
       "conditions not correct"},
      {sim::ElmAdapter::Clearing::Ignores, obd::Clearing::NoAnswer, 0, 3, obd::LineColour::Red,
       "did not answer the clearing"},
  };
  Connect();
  std::vector<std::string> log;
  link.OnTekst = [&](const std::string& text, uint32_t) { log.push_back(text); };
  for (const Case& c : cases) {
    adapter.clearing = c.clearing;
    adapter.ecus.front().stored = {0x0133, 0x0234, 0x0171};
    const size_t from = adapter.commands.size();
    link.WcisnietoPrzycisk(TObd::kPrzyciskKasujBledy);
    ASSERT_TRUE(pairing->TickUntil([&] { return link.Zadanie() == kPolling; }, 100));
    const std::vector<std::string> sent(adapter.commands.begin() + static_cast<long>(from),
                                        adapter.commands.end());
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 2),
              (std::vector<std::string>{"04", "03"}));
    const obd::ClearingResult& result = link.Kasowanie();
    EXPECT_EQ(result.answer.outcome, c.outcome) << c.says;
    EXPECT_EQ(result.answer.reason, c.reason) << c.says;
    EXPECT_EQ(result.storedCodes, c.stored) << c.says;
    EXPECT_EQ(result.Cleared(), c.clearing == sim::ElmAdapter::Clearing::Clears);
    const obd::ColouredLines& box = link.Kody();
    ASSERT_FALSE(box.empty());
    EXPECT_EQ(box.front().colour, c.colour);
    EXPECT_NE(box.front().text.find(c.says), std::string::npos) << box.front().text;
    EXPECT_EQ(box.size() > 2, c.stored > 0) << "the codes still stored follow it";
    EXPECT_EQ(log.back(), box.front().text);
  }
}

// PIDs whose answers take two or three CAN frames are read like any other; the car answering
// them is no car that stopped answering.
TEST_F(ObdPolling, AnswersLongerThanAFrameArePolled) {
  Connect();
  const int pids[] = {0x68, 0x7F};
  link.WybierzTylko(pids);
  ASSERT_EQ(link.PodajIlePidWybranych(), 2);
  Ticks(60);
  EXPECT_EQ(link.Zadanie() / 1000, 1) << "still polling";
  EXPECT_GE(pidEvents.size(), 20u);
  // Shown in hexadecimal with at least a digit for each data byte.
  EXPECT_TRUE(link.WartoscPid(0x68).starts_with("0x"));
  EXPECT_GE(link.WartoscPid(0x68).size(), 2u + 7u);
  EXPECT_EQ(link.WartoscPid(0x7F).size(), 2u + 13u);
}

}  // namespace
