// The calibration's state machines driven by scripted status frames through the link's receive
// path: the whole run of each family, its aborts, the steps with limits of their own, and the
// values an unfinished run puts back.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "controller/CalibrationSettings.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/StatusFrames.h"

namespace {

using namespace calibration_setting;

// The engine behind the scripted frames: it changes fuel as soon as the link asks, and the
// petrol computer's time on gas is what the test makes of the link's tuning.
struct ScriptedEngine {
  bool onGas = false;
  int rpmTens = 85;
  int petrolTime = 800;  // on petrol, 0.004 ms: 64 in the calibration's 0.05 ms
  std::function<int(const TSterownik&)> petrolTimeOnGas = [](const TSterownik&) { return 800; };
};

class CalibrationTest : public ::testing::Test {
 protected:
  explicit CalibrationTest(int family = 2) : m(family) {
    Texts().LanguageIndex = 0;
    EXPECT_TRUE(m.ReadOut());
    m.controller.silent = true;  // from now on the test's frames are all that arrive
    m.Tick();
    m.events.clear();
    before = m.link.ObrazSterownika();
  }

  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }
  uint8_t& Image(int offset) { return LinkTestAccess::ObrazSterownika(m.link)[offset]; }
  CalibrationRun& Run() { return LinkTestAccess::Kalibracja(m.link); }

  void Feed(StatusFrame frame) {
    frame.injectors = m.link.IleWtryskiwaczy();
    m.Inject(frame.Reply());
    m.link.OdbiorRx();
  }
  // One frame of the scripted engine; the controller then carries out the link's commands.
  void Frame() {
    StatusFrame frame;
    frame.rpmTens = engine.rpmTens;
    frame.workState = engine.onGas ? fuel_state::Gas : fuel_state::Petrol;
    frame.petrolTime = engine.onGas ? engine.petrolTimeOnGas(m.link) : engine.petrolTime;
    frame.injectorMask = m.link.ZalaczoneWtryskiwacze();
    Feed(frame);
    uint32_t& commands = LinkTestAccess::FlagiRozkazow(m.link);
    if (commands & CommandBit::FuelChangeAuto) engine.onGas = !engine.onGas;
    commands &= ~(CommandBit::FuelChangeAuto | CommandBit::SendInjectorMask);
  }
  // Frames until the run ends; the states it went through, in order.
  std::vector<int> RunToTheEnd(int maxFrames = 20000) {
    std::vector<int> states{m.link.KrokKalibracji()};
    for (int i = 0; i < maxFrames && m.link.KalibracjaTrwa(); ++i) {
      Frame();
      if (m.link.KrokKalibracji() != states.back()) states.push_back(m.link.KrokKalibracji());
    }
    return states;
  }
  // Feeds frames of the same kind; false as soon as the run ends.
  bool Feed(const StatusFrame& frame, int count) {
    for (int i = 0; i < count && m.link.KalibracjaTrwa(); ++i)
      Feed(frame);
    return m.link.KalibracjaTrwa();
  }
  // A run placed at a state with the petrol reference set, as if it had got there.
  void StartAt(int state, uint8_t petrolReference) {
    ASSERT_TRUE(m.link.StartStopKalibracji());
    Run().state = state;
    Setting(PetrolReference) = petrolReference;
    m.events.clear();
  }
  int CalibrationEvents(CalibrationState state) const {
    return static_cast<int>(std::count_if(m.events.begin(), m.events.end(), [&](const auto& e) {
      return e.kind == EventKind::Calibration && e.code == static_cast<int>(state);
    }));
  }
  const SimLink::Event& LastCalibrationEvent() const {
    return *std::find_if(m.events.rbegin(), m.events.rend(),
                         [](const auto& e) { return e.kind == EventKind::Calibration; });
  }
  bool AreaAsBefore(int offset) const {
    return std::equal(&before[offset], &before[offset] + img::kAreaSize,
                      &m.link.ObrazSterownika()[offset]);
  }
  std::vector<std::string> Questions() const {
    std::vector<std::string> texts;
    for (const FakeUi::Message& message : m.ui.messages)
      if (message.flags == (mb::kYesNo | mb::kIconExclamation)) texts.push_back(message.text);
    return texts;
  }

  MemoryLink m;
  ScriptedEngine engine;
  std::array<uint8_t, img::kSize> before{};
};

// The petrol computer lengthens its time on gas in proportion to the gas missing: 112 is the
// multiplier this engine needs.
int MalverEnginePetrolTime(const TSterownik& link) {
  const int multiplier = link.ObrazSterownika()[img::Mnoznik1];
  return 800 + 800 * (112 - multiplier) / 112;
}

TEST_F(CalibrationTest, MalverRunGoesThroughEveryStateOfTheAllInjectorPasses) {
  engine.petrolTimeOnGas = MalverEnginePetrolTime;
  ASSERT_TRUE(m.link.StartStopKalibracji());
  const std::vector<int> expected = {0,   1,   80,  81,  82,  96,  97,  98,  112, 128, 129,
                                     144, 145, 146, 160, 161, 162, 176, 192, 193, 254};
  EXPECT_EQ(RunToTheEnd(), expected);
  EXPECT_NEAR(m.link.ObrazSterownika()[img::Mnoznik1], 112, 1) << "tuned to what the engine needs";
  EXPECT_EQ(m.link.ObrazSterownika()[img::Mnoznik2 + 200], m.link.ObrazSterownika()[img::Mnoznik1]);
  EXPECT_EQ(Setting(ExtraInjection), 60);
  EXPECT_EQ(Setting(IdleCorrection1), 113);
  EXPECT_EQ(Setting(215), m.link.ZakresMnoznika()) << "no breakpoints";
  EXPECT_EQ(Setting(190), 0);
  EXPECT_EQ(Setting(PetrolReference), 64) << "3.2 ms on petrol";
  EXPECT_EQ(CalibrationEvents(CalibrationState::Started), 1);
  EXPECT_EQ(CalibrationEvents(CalibrationState::Finished), 1);
  EXPECT_EQ(m.link.PreviousValues(), CalibrationRestore::None);
  EXPECT_EQ(Questions(), (std::vector<std::string>{LangText(2103), LangText(2102)}))
      << "the simulated controller's multipliers are not all 100 and its gas map is learned";
  EXPECT_TRUE(m.link.FlagiZapisu() & AreaBit::Settings) << "the result goes out whole";
  for (const SimLink::Event& e : m.events) {
    if (e.kind != EventKind::Calibration) continue;
    EXPECT_TRUE(e.aux >= 0 && e.aux <= 1023) << e.aux;
  }
}

TEST_F(CalibrationTest, PerInjectorRunTunesWithOneInjectorMoreEachTime) {
  engine.petrolTimeOnGas = MalverEnginePetrolTime;
  Setting(PerInjector) = 1;
  ASSERT_EQ(m.link.IleWtryskiwaczy(), 4);
  ASSERT_TRUE(m.link.StartStopKalibracji());
  std::vector<uint8_t> masks;
  std::vector<int> states{0};
  for (int i = 0; i < 20000 && m.link.KalibracjaTrwa(); ++i) {
    Frame();
    if (m.link.KrokKalibracji() == states.back()) continue;
    states.push_back(m.link.KrokKalibracji());
    if (states.back() == 48) masks.push_back(m.link.ZalaczoneWtryskiwacze());
  }
  const std::vector<int> expected = {0,   1,   16,  17,  18,  32,  33,  34,  48,
                                     64,  48,  64,  48,  64,  48,  64,  65,  144,
                                     145, 146, 160, 161, 162, 176, 192, 193, 254};
  EXPECT_EQ(states, expected);
  EXPECT_EQ(masks, (std::vector<uint8_t>{0x01, 0x03, 0x07, 0x0F}));
}

TEST_F(CalibrationTest, MultipliersAllAtOneHundredAskNothing) {
  std::fill_n(&Image(img::Mnoznik1), 2 * img::kAreaSize, 100);
  Image(img::Mnoznik1 + 255) = 100;
  ASSERT_TRUE(m.link.StartStopKalibracji());
  Frame();
  EXPECT_TRUE(Questions().empty());

  ASSERT_FALSE(m.link.StartStopKalibracji());
  Image(img::Mnoznik2 + 255) = 101;  // the last entry counts too
  m.ui.answers = {mb::kIdNo};
  ASSERT_TRUE(m.link.StartStopKalibracji());
  Frame();
  EXPECT_EQ(Questions(), std::vector<std::string>{LangText(2103)});
  EXPECT_EQ(m.link.ObrazSterownika()[img::Mnoznik2 + 255], 101) << "No keeps the multiplier";
}

// Every fifth frame of a gas pass the multipliers move against the difference to the petrol
// reference: by up to 2 in the coarse pass, by exactly 1 in the fine one.
TEST_F(CalibrationTest, MultiplierStepsOfEachPass) {
  struct Case {
    int state;
    int petrolTime;  // 0.004 ms; the reference is 64 (3.2 ms)
    uint8_t multiplier, expected;
  };
  const Case cases[] = {
      {112, 875, 100, 102},                        // lean by 6: +2
      {176, 875, 100, 101},                        // fine: +1
      {112, 725, 100, 98},                         // rich by 6: -2
      {176, 725, 100, 99},  {112, 787, 100, 99},   // rich by 1: -1
      {112, 725, 6, 5},                            // never below 5
      {112, 875, 254, 255}, {112, 800, 100, 100},  // on the mark: nothing moves
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << " time " << c.petrolTime);
    StartAt(c.state, 64);
    Image(img::Mnoznik1) = c.multiplier;
    StatusFrame onGas{.workState = fuel_state::Gas, .petrolTime = c.petrolTime};
    Feed(onGas, 4);
    EXPECT_EQ(m.link.ObrazSterownika()[img::Mnoznik1], c.multiplier) << "four frames: no step";
    LinkTestAccess::FlagiZapisu(m.link) = 0;
    Feed(onGas);
    EXPECT_EQ(m.link.ObrazSterownika()[img::Mnoznik1], c.expected);
    const bool moved = c.expected != c.multiplier;
    EXPECT_EQ(m.link.ObrazSterownika()[img::Mnoznik2 + 77],
              moved ? c.expected : before[img::Mnoznik2 + 77])
        << "both tables, whole";
    EXPECT_EQ((m.link.FlagiZapisu() & AreaBit::Multiplier1) != 0, moved);
    m.link.StartStopKalibracji();
  }
}

// Points of a gas pass: 5 a frame near the reference, else 1; a step of one taken counts as
// near.
TEST_F(CalibrationTest, FinePassCountsItsOwnStepsAsSettled) {
  StartAt(176, 64);
  Feed({.workState = fuel_state::Gas, .petrolTime = 875}, 5);
  EXPECT_EQ(Run().counter, 4 * 1 + 5);
  EXPECT_EQ(m.link.PostepKalibracji(), 9 / 2 + 768);
}

TEST_F(CalibrationTest, PetrolReferenceOfTheFinePassStartsHalfway) {
  StartAt(146, 0);
  Run().wzorzecBenzyny = 64;
  Feed({.petrolTime = 800}, 3);
  EXPECT_EQ(Run().counter, 15);
  EXPECT_EQ(m.link.PostepKalibracji(), 15 + 512);
  EXPECT_EQ(Setting(PetrolReference), 64);

  // Back on gas before the reference is found: two states back, and no progress to show.
  m.events.clear();
  Feed({.workState = fuel_state::Gas});
  EXPECT_EQ(m.link.KrokKalibracji(), 144);
  EXPECT_EQ(CalibrationEvents(CalibrationState::Progress), 0);
}

TEST_F(CalibrationTest, AbortsOnAStalledEngineOrImplausiblePetrolTimes) {
  struct Case {
    const char* what;
    StatusFrame frame;
    int framesTolerated;
  };
  const Case cases[] = {
      {"no engine speed", {.rpmTens = 0}, 10},
      {"no petrol time", {.petrolTime = 0}, 50},
      {"petrol time above 10 ms", {.petrolTime = 2600}, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(m.link.StartStopKalibracji());
    EXPECT_TRUE(Feed(c.frame, c.framesTolerated));
    m.events.clear();
    Feed(c.frame);
    EXPECT_FALSE(m.link.KalibracjaTrwa());
    EXPECT_EQ(m.link.KrokKalibracji(), calibration_state::Aborted);
    EXPECT_EQ(CalibrationEvents(CalibrationState::Aborted), 1);
    EXPECT_EQ(CalibrationEvents(CalibrationState::Progress), 0) << "the run is over";
    EXPECT_EQ(LastCalibrationEvent().aux, static_cast<int>(CalibrationRestore::Restored));
  }
}

TEST_F(CalibrationTest, OneGoodFrameStartsTheFaultCountsAgain) {
  ASSERT_TRUE(m.link.StartStopKalibracji());
  Feed({.rpmTens = 0}, 10);
  Feed(StatusFrame{});
  EXPECT_TRUE(Feed({.rpmTens = 0}, 10));
}

// A run that ends unfinished, aborted or stopped by the installer, leaves the controller as
// it found it: settings page, both multipliers and the injectors on gas.
TEST_F(CalibrationTest, UnfinishedRunPutsBackWhatItChanged) {
  engine.petrolTimeOnGas = [](const TSterownik&) { return 900; };  // lean: more gas
  for (const bool stop : {false, true}) {
    SCOPED_TRACE(stop ? "stopped" : "aborted");
    const uint8_t maskBefore = m.link.ZalaczoneWtryskiwacze();
    ASSERT_TRUE(m.link.StartStopKalibracji());
    for (int i = 0; i < 2000 && m.link.KrokKalibracji() != 112; ++i)
      Frame();
    for (int i = 0; i < 20; ++i)
      Frame();
    ASSERT_EQ(m.link.KrokKalibracji(), 112);
    ASSERT_FALSE(AreaAsBefore(img::Mnoznik1));
    ASSERT_FALSE(AreaAsBefore(img::Nastawy));
    LinkTestAccess::ZalaczoneWtryskiwacze(m.link) = 0x01;
    LinkTestAccess::FlagiZapisu(m.link) = 0;
    LinkTestAccess::FlagiRozkazow(m.link) = 0;
    m.events.clear();

    if (stop)
      EXPECT_FALSE(m.link.StartStopKalibracji());
    else
      Feed({.rpmTens = 0, .workState = fuel_state::Gas}, 11);
    EXPECT_FALSE(m.link.KalibracjaTrwa());
    EXPECT_TRUE(AreaAsBefore(img::Nastawy));
    EXPECT_TRUE(AreaAsBefore(img::Mnoznik1));
    EXPECT_TRUE(AreaAsBefore(img::Mnoznik2));
    EXPECT_EQ(m.link.FlagiZapisu() & 0x7u, 0x7u) << "written back";
    EXPECT_EQ(m.link.ZalaczoneWtryskiwacze(), maskBefore);
    EXPECT_TRUE(m.link.FlagiRozkazow() & CommandBit::SendInjectorMask);
    EXPECT_EQ(m.link.PreviousValues(), CalibrationRestore::Restored);
    const SimLink::Event& end = LastCalibrationEvent();
    EXPECT_EQ(end.code,
              static_cast<int>(stop ? CalibrationState::Stopped : CalibrationState::Aborted));
    EXPECT_EQ(end.aux, static_cast<int>(CalibrationRestore::Restored));
  }
}

// Nothing can be written while the link is lost: the values wait for the controller to return.
TEST_F(CalibrationTest, LostLinkEndsTheRunWithTheRestorePending) {
  engine.petrolTimeOnGas = [](const TSterownik&) { return 900; };
  ASSERT_TRUE(m.link.StartStopKalibracji());
  for (int i = 0; i < 2000 && m.link.KrokKalibracji() != 112; ++i)
    Frame();
  for (int i = 0; i < 20; ++i)
    Frame();
  const auto half = m.link.ObrazSterownika();
  m.events.clear();
  for (int i = 0; i < 100 && !m.link.ConnectionLost(); ++i)
    m.Tick();  // the controller stays silent
  EXPECT_TRUE(m.link.ConnectionLost());
  EXPECT_FALSE(m.link.KalibracjaTrwa());
  EXPECT_EQ(m.link.KrokKalibracji(), calibration_state::Aborted);
  EXPECT_EQ(m.link.PreviousValues(), CalibrationRestore::Pending);
  EXPECT_EQ(LastCalibrationEvent().code, static_cast<int>(CalibrationState::Aborted));
  EXPECT_EQ(LastCalibrationEvent().aux, static_cast<int>(CalibrationRestore::Pending));
  for (int area : {img::Nastawy, img::Mnoznik1, img::Mnoznik2})
    EXPECT_TRUE(
        std::equal(&half[area], &half[area] + img::kAreaSize, &m.link.ObrazSterownika()[area]))
        << "the image shows what the controller holds, area at img " << area;
}

TEST_F(CalibrationTest, OnlyFramesTheRunAskedForTakeSteps) {
  ASSERT_TRUE(m.link.StartStopKalibracji());
  Feed({.code = code::Poll});
  EXPECT_EQ(m.link.KrokKalibracji(), 0) << "a plain poll's answer";
  Feed(StatusFrame{});
  EXPECT_EQ(m.link.KrokKalibracji(), 1);
  m.link.StartStopKalibracji();
  Feed(StatusFrame{});
  EXPECT_EQ(m.link.KrokKalibracji(), 0) << "a late answer after the stop";
  EXPECT_EQ(CalibrationEvents(CalibrationState::Stopped), 1);
}

TEST_F(CalibrationTest, StartsOnlyWhenTheSettingsAndMultipliersAreRead) {
  LinkTestAccess::FlagiCzytania(m.link) = AreaBit::Multiplier2;
  EXPECT_FALSE(m.link.StartStopKalibracji());
  LinkTestAccess::FlagiCzytania(m.link) = 0;
  m.link.KasujFlagiTransmisji("test");  // not identified any more
  EXPECT_FALSE(m.link.StartStopKalibracji());
  EXPECT_EQ(CalibrationEvents(CalibrationState::Started), 0);
}

TEST(CalibrationStartTest, EmulatorsAreNotCalibrated) {
  for (int family : {8, 13}) {
    MemoryLink m(family);
    ASSERT_TRUE(m.ReadOut());
    EXPECT_FALSE(m.link.StartStopKalibracji()) << family;
    EXPECT_FALSE(m.link.KalibracjaTrwa());
  }
}

class KaviCalibrationTest : public CalibrationTest {
 protected:
  KaviCalibrationTest() : CalibrationTest(255) {}
};

// The KAVI engine wants idle corrections of 110.
int KaviEnginePetrolTime(const TSterownik& link) {
  const int correction = link.Nastawy()[IdleCorrection1];
  return 800 + 8 * (110 - correction);
}

TEST_F(KaviCalibrationTest, RunGoesThroughEveryStateAndTunesTheIdleCorrections) {
  engine.petrolTimeOnGas = KaviEnginePetrolTime;
  const uint8_t breakpoint = Setting(190);
  ASSERT_TRUE(m.link.StartStopKalibracji());
  const std::vector<int> expected = {0,   1,   80,  81,  82,  96,  97,  98,  112, 128, 129,
                                     144, 145, 146, 160, 161, 162, 176, 192, 193, 254};
  EXPECT_EQ(RunToTheEnd(), expected);
  EXPECT_NEAR(Setting(IdleCorrection1), 110, 2);
  EXPECT_EQ(Setting(IdleCorrection2), Setting(IdleCorrection1));
  EXPECT_EQ(Setting(ExtraInjection), 50);
  EXPECT_EQ(Setting(190), breakpoint) << "the KAVI family keeps its breakpoints";
  EXPECT_EQ(m.link.ZalaczoneWtryskiwacze(), 0xFF) << "all injectors at the end";
}

TEST_F(KaviCalibrationTest, LargeDifferenceGoesBackToThePetrolReference) {
  StartAt(112, 64);
  Setting(IdleCorrection1) = Setting(IdleCorrection2) = 100;
  LinkTestAccess::FlagiZapisu(m.link) = 0;
  Feed({.workState = fuel_state::Gas, .petrolTime = 725});  // 58: a difference of 6
  EXPECT_EQ(m.link.KrokKalibracji(), 80);
  EXPECT_EQ(Setting(IdleCorrection1), 94);
  EXPECT_EQ(Setting(IdleCorrection2), 94);
  EXPECT_TRUE(m.link.FlagiZapisu() & AreaBit::Settings);
  EXPECT_EQ(CalibrationEvents(CalibrationState::Progress), 0);
}

// Within 5 the corrections move on every sixteenth point: by half the difference at 5, else 1.
TEST_F(KaviCalibrationTest, SmallDifferencesMoveTheCorrectionsSlowly) {
  struct Case {
    int petrolTime;
    int counter;
    uint8_t expected;
  };
  const Case cases[] = {
      {737, 0, 98},    // 59: rich by 5, half of it
      {862, 0, 102},   // 69: lean by 5
      {775, 0, 99},    // 62: rich by 2
      {825, 0, 101},   // 66: lean by 2
      {775, 3, 100},   // not a sixteenth point
      {800, 16, 100},  // on the mark
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.petrolTime);
    StartAt(112, 64);
    Run().counter = c.counter;
    Setting(IdleCorrection1) = Setting(IdleCorrection2) = 100;
    Feed({.workState = fuel_state::Gas, .petrolTime = c.petrolTime});
    EXPECT_EQ(m.link.KrokKalibracji(), 112);
    EXPECT_EQ(Setting(IdleCorrection1), c.expected);
    EXPECT_EQ(Setting(IdleCorrection2), c.expected);
    m.link.StartStopKalibracji();
  }
}

TEST_F(KaviCalibrationTest, InjectorsOnGasFollowThePoints) {
  ASSERT_EQ(m.link.IleWtryskiwaczy(), 6);
  StartAt(112, 64);
  std::vector<uint8_t> masks;
  for (int i = 0; i < 80 && m.link.KrokKalibracji() == 112; ++i) {
    Feed({.workState = fuel_state::Gas, .petrolTime = 800});
    if (masks.empty() || masks.back() != m.link.ZalaczoneWtryskiwacze())
      masks.push_back(m.link.ZalaczoneWtryskiwacze());
  }
  EXPECT_EQ(masks, (std::vector<uint8_t>{1, 3, 7, 14, 28, 60, 62, 61, 59, 55, 47}));
  EXPECT_EQ(m.link.KrokKalibracji(), 128) << "the pass has its points";
}

TEST_F(KaviCalibrationTest, PetrolReferenceKeepsTheRailPressure) {
  StartAt(82, 0);
  Feed({.words = {{status_frame::kRailPressure, 503}}});
  EXPECT_EQ(Setting(RailPressure), 125);
  Feed({.words = {{status_frame::kRailPressure, 2000}}});
  EXPECT_EQ(Setting(RailPressure), 255) << "the most a setting holds";
}

}  // namespace
