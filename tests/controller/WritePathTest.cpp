// A change of a setting on its way to the controller and back: written, acknowledged, read
// back, and never undone by what crossed it on the line.

#include <gtest/gtest.h>

#include <random>

#include "app/ConnectionSupervisor.h"
#include "controller/PendingWrites.h"
#include "controller/SettingsCatalogue.h"
#include "lang/Langtext.h"
#include "settings/SetValue.h"
#include "settings/SettingVisibility.h"
#include "tests/support/MemoryLink.h"

namespace {

constexpr EditorView kAdvanced{2, EditorView::kMainPage, false};

bool Settled(const TSterownik& link) {
  return (link.FlagiZapisu() | link.FlagiZapisuWToku() | link.FlagiCzytania()) == 0;
}

// The areas a settings change can touch, where the controller's memory and the link's image
// must agree once everything has settled.
void ExpectMemoryEqualsImage(const MemoryLink& m) {
  for (const int offset : {img::Nastawy, img::Nastawy2, img::Mnoznik1, img::Mnoznik2})
    for (int i = 0; i < img::kAreaSize; ++i)
      ASSERT_EQ(m.controller.memory[offset + i], m.link.ObrazSterownika()[offset + i])
          << "area at " << offset << ", byte " << i;
}

TEST(WritePathTest, ChangeIsWrittenAcknowledgedAndReadBack) {
  MemoryLink m(2);
  ASSERT_TRUE(m.ReadOut());
  const uint8_t value = m.link.Nastawy()[3] == 100 ? 101 : 100;
  ASSERT_TRUE(SetValue(m.link, kAdvanced, 3, value, 1).stored);
  EXPECT_NE(m.link.FlagiCzytania() & AreaBit::Settings, 0u) << "the page is to be read back";
  ASSERT_TRUE(m.TickUntil([&] { return Settled(m.link); }));
  EXPECT_EQ(m.controller.memory[img::Nastawy + 3], value);
  EXPECT_EQ(m.link.Nastawy()[3], value);
  EXPECT_GE(m.Accepted(0xE8), 2) << "the read-out and the read-back";
}

TEST(WritePathTest, ReadCrossingAChangeDoesNotUndoIt) {
  MemoryLink m(2);
  ASSERT_TRUE(m.ReadOut());
  const uint8_t before = m.link.Nastawy()[3];
  const uint8_t value = before == 100 ? 101 : 100;
  m.link.CzytajZeSterownika(AreaBit::Settings);
  // The read is on the line, its reply waiting to be received, when the change is made.
  ASSERT_TRUE(m.TickUntil([&] { return m.controller.lastRequestCodes.back() == 0xE8; }));
  ASSERT_TRUE(SetValue(m.link, kAdvanced, 3, value, 1).stored);
  m.Tick();
  EXPECT_EQ(m.link.Nastawy()[3], value) << "the old page arrived after the change";
  ASSERT_TRUE(m.TickUntil([&] { return Settled(m.link); }));
  EXPECT_EQ(m.controller.memory[img::Nastawy + 3], value);
  EXPECT_EQ(m.link.Nastawy()[3], value);
}

// A change made as the cable dropped is not sent to whatever answers next, which may be another
// controller; the installer is told on connecting which tables were not written.
TEST(WritePathTest, ChangesLostWithTheConnectionAreToldOnTheNextOne) {
  Texts().LanguageIndex = 0;
  MemoryLink m(2);
  ASSERT_TRUE(m.ReadOut());
  const uint8_t before = m.controller.memory[img::Nastawy + 3];
  ASSERT_TRUE(SetValue(m.link, kAdvanced, 3, before == 100 ? 101 : 100, 1).stored);
  EXPECT_EQ(PendingWritesText(m.link), "Writing to the controller: Settings");

  // The cable is out: what the link sends goes nowhere.
  ConnectionSupervisor supervisor;
  for (int tick = 0; tick < 100 && !supervisor.Tick(m.link, false, false).connectionLost; ++tick) {
    m.link.Timer1OnTimer();
    m.line->TakeWritten();
  }
  ASSERT_TRUE(m.link.ConnectionLost());
  EXPECT_EQ(PendingWritesText(m.link), "");
  EXPECT_TRUE(m.ui.messages.empty()) << "nothing to tell before a controller answers again";

  m.controller.silent = false;
  m.link.RozkazDoSterownika(CommandBit::Identify);
  ASSERT_TRUE(m.ReadOut());
  ASSERT_EQ(m.ui.messages.size(), 1u);
  EXPECT_EQ(m.ui.messages[0].text,
            "Changes not written to the controller before the connection was lost – check them "
            "and write them again: Settings.");
  EXPECT_EQ(m.controller.memory[img::Nastawy + 3], before) << "nothing was sent again";

  m.link.RozkazDoSterownika(CommandBit::Identify);
  ASSERT_TRUE(m.ReadOut());
  EXPECT_EQ(m.ui.messages.size(), 1u) << "told once";
}

// A hundred random changes against a controller that drops every 5th reply, damages every
// 7th and hands out every reply in two halves: the writes are repeated until acknowledged and
// read back, so the controller ends holding what the editor shows.
TEST(WritePathTest, RandomChangesOverABadLineEndInTheController) {
  for (const int family : {2, 255}) {
    SCOPED_TRACE(family);
    MemoryLink m(family);
    ASSERT_TRUE(m.ReadOut());
    m.controller.dropEvery = 5;
    m.controller.corruptEvery = 7;
    m.controller.splitReplies = true;
    std::vector<int> changeable;
    for (int s = 0; s < kSettingsCount; ++s)
      if (IsListed(m.link, s) && InputOf(m.link, s) != Input::None &&
          InputOf(m.link, s) != Input::TroubleCode)
        changeable.push_back(s);
    ASSERT_GT(changeable.size(), 30u);

    std::mt19937 random(family);
    for (int change = 0; change < 100; ++change) {
      const int s = changeable[random() % changeable.size()];
      const Nastawa& n = m.link.ListaNastaw()[s];
      if (!IsVisible(m.link, s)) continue;  // an earlier change hid it
      switch (InputOf(m.link, s)) {
        case Input::Stepper:
          StepSetting(m.link, kAdvanced, s, random() % 2 ? 1 : -1);
          break;
        case Input::Toggle:
          ToggleSetting(m.link, kAdvanced, s);
          break;
        default:
          SetValue(m.link, kAdvanced, s, n.min + static_cast<int>(random() % (n.max - n.min + 1)),
                   1);
          break;
      }
      for (int ticks = static_cast<int>(random() % 4); ticks > 0; --ticks)
        m.Tick();
    }
    ASSERT_TRUE(m.TickUntil([&] { return Settled(m.link); }, 2000));
    EXPECT_FALSE(m.link.ConnectionLost());
    ExpectMemoryEqualsImage(m);
  }
}

}  // namespace
