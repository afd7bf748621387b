// The real link over a memory port, the simulated controller answering between ticks: what a
// fuzz target does, with no terminal and nothing to wait for.

#include <gtest/gtest.h>

#include <algorithm>

#include "serial/MemoryPort.h"
#include "tests/support/SimLink.h"

namespace {

class MemoryLinkTest : public ::testing::Test {
 protected:
  MemoryLinkTest() : controller(sim::DefaultIdentity(255)), link(ui, clock, "no-such-library.so") {
    link.OnZdarzenie = [this](int kind, int, int, int) { events.push_back(kind); };
    auto memory = std::make_unique<MemoryPort>();
    line = memory.get();
    link.PortAttach(std::move(memory));
  }

  void Tick() {
    link.Timer1OnTimer();
    const std::vector<unsigned char> request = line->TakeWritten();
    controller.Receive(request.data(), request.size());
    line->Push(controller.TakeOutput());
  }
  bool TickUntilReadOut() {
    for (int i = 0; i < 400 && !ReadOutDone(); ++i)
      Tick();
    return ReadOutDone();
  }
  bool ReadOutDone() const {
    return link.FlagiCzytania == 0 && link.FlagiRozkazow == 0 && link.LicznikTur > 0;
  }

  sim::SimController controller;
  FakeUi ui;
  FakeClock clock;
  TSterownik link;
  MemoryPort* line;
  std::vector<int> events;
};

TEST_F(MemoryLinkTest, AttachedPortIsIdentifiedAndReadOut) {
  Tick();
  EXPECT_EQ(std::count(events.begin(), events.end(), 3), 1) << "opened, once";
  ASSERT_FALSE(controller.lastRequestCodes.empty());
  EXPECT_EQ(controller.lastRequestCodes.front(), 0x81) << "identification goes first";

  ASSERT_TRUE(TickUntilReadOut());
  EXPECT_EQ(link.Model, 255);
  EXPECT_TRUE(std::equal(controller.memory.begin() + img::Nastawy,
                         controller.memory.begin() + img::Nastawy + img::kAreaSize,
                         link.ObrazSterownika.begin() + img::Nastawy));
}

TEST_F(MemoryLinkTest, VanishedLineStopsTheConversation) {
  ASSERT_TRUE(TickUntilReadOut());
  line->Disconnect();
  EXPECT_FALSE(link.PolaczonyPortComm());
  link.ZapiszDoSterownika(0x1);
  EXPECT_EQ(link.FlagiZapisu, 0u) << "nothing to write to";
  const size_t seen = controller.lastRequestCodes.size();
  Tick();
  EXPECT_EQ(controller.lastRequestCodes.size(), seen);
}

}  // namespace
