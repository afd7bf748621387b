// The link end to end against the simulated controller of every family.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/TransmissionTables.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/SimLink.h"

namespace {

struct FamilyCase {
  int family;
  int model;
  const char* name;
  uint32_t areasRead;  // FlagiCzytania bits the read-out fills
};

class LinkFamilyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(LinkFamilyTest, IdentifiesAndReadsEveryArea) {
  const FamilyCase& c = GetParam();
  SimLink s(c.family);
  ASSERT_TRUE(s.Open());
  EXPECT_TRUE(s.Logged("Open serial port " + std::to_string(s.link.PortNumber) + " - OK"));
  EXPECT_EQ(s.link.TimerInterval(), 25) << "the first tick comes after 25 ms";

  s.Tick();
  EXPECT_EQ(s.link.TimerInterval(), 95);
  ASSERT_FALSE(s.controller.lastRequestCodes.empty());
  EXPECT_EQ(s.controller.lastRequestCodes.front(), 0x81) << "identification goes first";

  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  EXPECT_EQ(static_cast<int>(s.link.Model()), c.model);
  EXPECT_EQ(s.link.StrNazwaSterownika(), c.name);
  EXPECT_TRUE(s.ui.messages.empty());
  for (const transmission::DataArea& area : transmission::DataAreas()) {
    if (!(c.areasRead & area.bit)) continue;
    EXPECT_TRUE(std::equal(s.controller.memory.begin() + area.offset,
                           s.controller.memory.begin() + area.offset + img::kAreaSize,
                           s.link.ObrazSterownika().begin() + area.offset))
        << area.readLog;
  }
  const auto& codes = s.controller.lastRequestCodes;
  for (const transmission::DataArea& area : transmission::DataAreas()) {
    const bool asked = std::count(codes.begin(), codes.end(), area.readCode) > 0;
    EXPECT_EQ(asked, (c.areasRead & area.bit) != 0) << area.readLog;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Families, LinkFamilyTest,
    ::testing::Values(
        // settings 0 and 1, multipliers, RPM corrections, history, curves, admixture, pressure
        // map, description, the six maps; FORTIX and KAVI also the emulator tables
        FamilyCase{2, 2, "MALVER rumo", 0xF03779F | 0x20},
        FamilyCase{5, 5, "MALVER FORTIX \"Valvetronic\"", 0xF03779F | 0x20 | 0x800},
        FamilyCase{6, 6, "MALVER LUMO", 0xF03779F | 0x20},
        FamilyCase{255, 255, "KAVI 6 CYL. V1.2", 0xF03779F | 0x800 | 0x1C0020},
        FamilyCase{8, 8, "MIRVANE v2.0", 0x801}, FamilyCase{13, 13, "Fuel Pump Emulator", 0x1}),
    [](const auto& info) { return "Family" + std::to_string(info.param.family); });

// While requests are pending the live poll takes every second turn; when idle, every turn.
TEST(LinkTest, PollsAlternateWithRequestsThenFillEveryTurn) {
  SimLink s(2);
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  const auto codes = s.controller.lastRequestCodes;
  // From the first poll to the end of the read-out, polls and requests alternate.
  const auto firstPoll =
      std::find_if(codes.begin(), codes.end(), [](uint8_t c) { return (c & 0xF0) == 0x90; });
  ASSERT_NE(firstPoll, codes.end());
  int pollsInRow = 0;
  for (auto it = firstPoll; it != codes.end(); ++it) {
    const bool poll = (*it & 0xF0) == 0x90;
    pollsInRow = poll ? pollsInRow + 1 : 0;
    EXPECT_LE(pollsInRow, 2) << "a poll may follow a poll only when nothing is pending";
  }
  const size_t before = s.controller.lastRequestCodes.size();
  for (int i = 0; i < 10; ++i)
    s.Tick();
  ASSERT_EQ(s.controller.lastRequestCodes.size(), before + 10) << "one frame per idle tick";
  for (size_t i = before; i < before + 10; ++i)
    EXPECT_EQ(s.controller.lastRequestCodes[i], 0x90);
  EXPECT_LE(s.link.LiczDoBrakuPolaczenia(), 1) << "only the poll now on its way";
}

TEST(LinkTest, SettingsWriteIsAcknowledgedAndReadsBack) {
  SimLink s(5);
  s.link.SetToday(2026, 12, 10);
  s.link.SetWorkstation(0x1A2B3C4D);
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));

  LinkTestAccess::Nastawy(s.link)[2] = 7;
  s.link.ZapiszDoSterownika(0x1);
  ASSERT_TRUE(s.TickUntil([&] { return (s.link.FlagiZapisu() | s.link.FlagiZapisuWToku()) == 0; }));
  EXPECT_EQ(s.controller.memory[img::Nastawy + 2], 7);
  EXPECT_EQ(ramka::Total(&s.controller.memory[img::Nastawy], 256), 0) << "sent with its checksum";
  // The write left a history entry, which went to the controller too.
  EXPECT_EQ(s.controller.memory[img::HistoriaZmian + 8], 0x08);
  EXPECT_EQ(s.controller.memory[img::HistoriaZmian + 9], 26);

  LinkTestAccess::Nastawy(s.link)[2] = 99;
  s.link.CzytajZeSterownika(0x1);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.FlagiCzytania() == 0; }));
  EXPECT_EQ(s.link.Nastawy()[2], 7);
}

TEST(LinkTest, SilenceCountsAsLostAndReopeningStartsCleanly) {
  SimLink s(255);
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  s.controller.silent = true;
  s.link.ZapiszDoSterownika(0x2);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.LiczDoBrakuPolaczenia() > 8; }, 20));
  s.link.ZapiszDoSterownika(0x4);
  EXPECT_EQ(s.link.FlagiZapisu() & 0x4, 0u) << "no writes while the connection counts as lost";

  s.controller.silent = false;
  ASSERT_TRUE(s.Open());
  EXPECT_TRUE(s.Logged("Brak połączenia"));
  EXPECT_EQ(s.link.LiczDoBrakuPolaczenia(), 0);
  const size_t seen = s.controller.lastRequestCodes.size();
  ASSERT_TRUE(s.TickUntil([&] { return s.controller.lastRequestCodes.size() > seen; }, 5));
  EXPECT_EQ(s.controller.lastRequestCodes[seen], 0x81) << "after a reopen, identification first";
  EXPECT_EQ(s.link.FlagiZapisu() | s.link.FlagiZapisuWToku(), 0u) << "the old requests are gone";
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  EXPECT_EQ(s.link.Model(), Family::Kavi);
}

TEST(LinkTest, DroppedDelayedAndSplitRepliesStillComplete) {
  SimLink s(2);
  s.controller.splitReplies = true;
  s.controller.dropReplies = 3;
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }, 600));
  s.controller.splitReplies = false;
  s.controller.delayCalls = 1;
  s.link.CzytajZeSterownika(0x2);
  ASSERT_TRUE(s.TickUntil([&] { return s.link.FlagiCzytania() == 0; }));
  EXPECT_LT(s.link.LiczDoBrakuPolaczenia(), 9);
}

TEST(LinkTest, CorruptedRepliesAreRefusedAndAskedAgain) {
  SimLink s(6);
  ASSERT_TRUE(s.Open());
  s.controller.corruptReplies = 2;
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  EXPECT_TRUE(s.Logged("  błąd sumy "));
  EXPECT_EQ(s.link.Model(), Family::Lumo);
}

}  // namespace
