// The real link over a memory port, the simulated controller answering between ticks: what a
// fuzz target does, with no terminal and nothing to wait for.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/MemoryLink.h"

namespace {

class MemoryLinkTest : public ::testing::Test {
 protected:
  MemoryLinkTest() : m(255) {}
  MemoryLink m;
};

TEST_F(MemoryLinkTest, AttachedPortIsIdentifiedAndReadOut) {
  m.Tick();
  EXPECT_EQ(std::count_if(m.events.begin(), m.events.end(),
                          [](const auto& e) { return e.kind == EventKind::PortOpened; }),
            1)
      << "opened, once";
  ASSERT_FALSE(m.controller.lastRequestCodes.empty());
  EXPECT_EQ(m.controller.lastRequestCodes.front(), 0x81) << "identification goes first";

  ASSERT_TRUE(m.ReadOut());
  EXPECT_EQ(m.link.Model(), Family::Kavi);
  EXPECT_TRUE(std::equal(m.controller.memory.begin() + img::Nastawy,
                         m.controller.memory.begin() + img::Nastawy + img::kAreaSize,
                         m.link.ObrazSterownika().begin() + img::Nastawy));
}

TEST_F(MemoryLinkTest, VanishedLineStopsTheConversation) {
  ASSERT_TRUE(m.ReadOut());
  m.line->Disconnect();
  EXPECT_FALSE(m.link.PolaczonyPortComm());
  EXPECT_TRUE(m.link.ConnectionLost());
  m.link.ZapiszDoSterownika(AreaBit::Settings);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u) << "nothing to write to";
  const size_t seen = m.controller.lastRequestCodes.size();
  m.Tick();
  EXPECT_EQ(m.controller.lastRequestCodes.size(), seen);
}

// A frame the line did not take is not counted as sent: its request stays pending and goes
// out once the line takes it.
TEST_F(MemoryLinkTest, RefusedWriteKeepsTheRequestPending) {
  ASSERT_TRUE(m.ReadOut());
  m.line->RefuseWrites();
  m.link.RozkazDoSterownika(CommandBit::SendLedColours);  // cleared when sent
  m.link.ZapiszDoSterownika(AreaBit::Multiplier1);
  for (int i = 0; i < 6; ++i)
    m.Tick();
  EXPECT_TRUE(m.Logged("  błąd zapisu do portu"));
  EXPECT_EQ(m.link.FlagiRozkazow() & CommandBit::SendLedColours, CommandBit::SendLedColours);
  EXPECT_EQ(m.link.FlagiZapisu() & AreaBit::Multiplier1, AreaBit::Multiplier1);
  EXPECT_EQ(m.link.FlagiZapisuWToku(), 0u) << "nothing is waiting for an acknowledgement";
  EXPECT_EQ(m.link.ObrazSterownika()[img::HistoriaZmian + 8], 0) << "no history of a write";

  m.line->TakeAtMost(3);  // a line that takes only part of a frame has not sent it either
  m.Tick();
  m.Tick();
  EXPECT_EQ(m.link.FlagiZapisu() & AreaBit::Multiplier1, AreaBit::Multiplier1);

  m.line->TakeAtMost(1 << 20);
  m.line->RefuseWrites(false);
  ASSERT_TRUE(
      m.TickUntil([&] { return m.link.FlagiZapisu() == 0 && m.link.FlagiRozkazow() == 0; }));
  EXPECT_EQ(m.controller.memory[img::Mnoznik1], m.link.ObrazSterownika()[img::Mnoznik1]);
}

}  // namespace
