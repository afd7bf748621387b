// Calibrations against the simulated controller over a pseudo-terminal: whole runs of both
// families, an engine that stalls, and a line that falls silent in the middle of a run. What
// counts is what the controller keeps in its memory.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/CalibrationSettings.h"
#include "lang/Langtext.h"
#include "tests/support/SimLink.h"

namespace {

using namespace calibration_setting;

constexpr int kAreas[] = {img::Nastawy, img::Mnoznik1, img::Mnoznik2};

class CalibrationLinkTest : public ::testing::TestWithParam<int> {
 protected:
  explicit CalibrationLinkTest(int family) : s(family) {
    Texts().LanguageIndex = 0;
    EXPECT_TRUE(s.Open());
    EXPECT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
    before = s.controller.memory;
  }
  CalibrationLinkTest() : CalibrationLinkTest(GetParam()) {}

  bool WritesDone() { return (s.link.FlagiZapisu() | s.link.FlagiZapisuWToku()) == 0; }
  // Runs until the first gas pass has tuned for a while: the controller holds a half-tuned
  // multiplier and settings page.
  void RunIntoTheGasPass() {
    ASSERT_TRUE(s.link.StartStopKalibracji());
    ASSERT_TRUE(s.TickUntil([&] { return s.link.KrokKalibracji() == 112; }, 5000));
    ASSERT_TRUE(s.TickUntil([&] { return s.controller.memory[img::Mnoznik1] > 104; }, 500));
    ASSERT_FALSE(MemoryAsBefore());
  }
  bool MemoryAsBefore() const {
    return std::all_of(std::begin(kAreas), std::end(kAreas), [&](int area) {
      return std::equal(&before[area], &before[area] + img::kAreaSize, &s.controller.memory[area]);
    });
  }
  // What the desktop program does when the link counts the controller lost.
  void Reconnect() {
    s.link.KasujFlagiTransmisji("LiczDoBrakuPolaczenia > 8");
    s.link.ZamknijPortComm();
    ASSERT_TRUE(s.Open());
    ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone() && WritesDone(); }));
  }

  SimLink s;
  std::array<uint8_t, img::kSize> before{};
};

TEST_P(CalibrationLinkTest, WholeRunTunesTheController) {
  ASSERT_TRUE(s.link.StartStopKalibracji());
  ASSERT_TRUE(s.TickUntil([&] { return !s.link.KalibracjaTrwa(); }, 20000));
  EXPECT_EQ(s.link.KrokKalibracji(), calibration_state::Finished);
  ASSERT_TRUE(s.TickUntil([&] { return WritesDone(); }));
  const auto& memory = s.controller.memory;
  if (GetParam() == static_cast<int>(Family::Kavi)) {
    EXPECT_NEAR(memory[img::Nastawy + IdleCorrection1], sim::IdleEngine::kRightIdleCorrection, 2);
    EXPECT_EQ(memory[img::Nastawy + IdleCorrection2], memory[img::Nastawy + IdleCorrection1]);
  } else {
    EXPECT_NEAR(memory[img::Mnoznik1], sim::IdleEngine::kRightMultiplier, 2);
    EXPECT_EQ(memory[img::Mnoznik2 + 150], memory[img::Mnoznik1]);
  }
  for (int area : kAreas)
    EXPECT_TRUE(std::equal(&memory[area + 1], &memory[area] + img::kAreaSize,
                           &s.link.ObrazSterownika()[area + 1]))
        << "the controller holds the result, area at img " << area;
  EXPECT_FALSE(s.controller.engine().OnGas()) << "left on petrol";
}

INSTANTIATE_TEST_SUITE_P(Families, CalibrationLinkTest, ::testing::Values(2, 255));

class CalibrationFailureTest : public CalibrationLinkTest {
 protected:
  CalibrationFailureTest() : CalibrationLinkTest(2) {}
};

TEST_F(CalibrationFailureTest, StalledEngineLeavesTheControllerAsItWas) {
  RunIntoTheGasPass();
  s.controller.stallAfter = 0;
  ASSERT_TRUE(s.TickUntil([&] { return !s.link.KalibracjaTrwa(); }));
  EXPECT_EQ(s.link.KrokKalibracji(), calibration_state::Aborted);
  EXPECT_EQ(s.link.PreviousValues(), CalibrationRestore::Restored);
  ASSERT_TRUE(s.TickUntil([&] { return WritesDone() && s.link.FlagiRozkazow() == 0; }));
  EXPECT_TRUE(MemoryAsBefore());
  EXPECT_EQ(s.controller.engine().InjectorMask(), 0xFF);
}

// Silent in the middle of a run: the run ends with the values waiting; another controller on
// the line does not get them; the same one, read out again, does.
TEST_F(CalibrationFailureTest, ControllerBackAfterSilenceGetsItsValuesBack) {
  RunIntoTheGasPass();
  s.controller.silent = true;
  ASSERT_TRUE(s.TickUntil([&] { return s.link.ConnectionLost(); }));
  EXPECT_FALSE(s.link.KalibracjaTrwa());
  EXPECT_EQ(s.link.PreviousValues(), CalibrationRestore::Pending);
  s.controller.silent = false;

  const std::string barcode = s.controller.identity.barcode;
  s.controller.identity.barcode = "MV0000999999999";
  Reconnect();
  EXPECT_EQ(s.link.PreviousValues(), CalibrationRestore::Pending);
  EXPECT_FALSE(MemoryAsBefore()) << "another controller's values are not written";

  s.controller.identity.barcode = barcode;
  s.ui.messages.clear();
  Reconnect();
  EXPECT_EQ(s.link.PreviousValues(), CalibrationRestore::Restored);
  EXPECT_TRUE(MemoryAsBefore());
  ASSERT_FALSE(s.ui.messages.empty());
  EXPECT_EQ(s.ui.messages.back().text, LangText(6152));
}

}  // namespace
