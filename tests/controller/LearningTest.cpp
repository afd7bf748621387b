// What the link learns from status frames (the rail-pressure emulator's table, the KAVI
// pressure map), the redraw its changes ask of the map view, and the adaptation command.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/CalibrationSettings.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/StatusFrames.h"

namespace {

using namespace calibration_setting;
using namespace status_frame;

class LearningTest : public ::testing::Test {
 protected:
  explicit LearningTest(int family = 2) : m(family) {
    EXPECT_TRUE(m.ReadOut());
    m.controller.silent = true;
    m.Tick();
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }
  uint8_t Image(int offset) const { return m.link.ObrazSterownika()[offset]; }
  // A frame on petrol in the emulator's cell (row 2, column 3) with the lambda value given.
  static StatusFrame EmulatorFrame(int value, int row = 2) {
    return {.code = code::Poll,
            .bytes = {{kMapRow, row}, {kEmulationHigh, 0x35}},
            .words = {{kLambda, value}}};
  }
  void Feed(const StatusFrame& frame) {
    m.Inject(frame.Reply());
    m.link.OdbiorRx();
  }

  MemoryLink m;
};

constexpr int kEmulatorCell = img::EmulacjaHi + 2 * 16 + 3;

TEST_F(LearningTest, EmulatorCellTakesTheAverageOfFiveSamplesInARow) {
  Setting(Emulation) = kEmulationLearned;
  m.link.SetUczenieEmulacji(true);
  Feed(EmulatorFrame(400));  // the first frame in a cell only names it
  for (int value : {404, 408, 412, 416}) {
    Feed(EmulatorFrame(value));
    EXPECT_EQ(Image(kEmulatorCell), 0);
    EXPECT_FALSE(m.link.LastStatus().mapsChanged);
  }
  Feed(EmulatorFrame(420));
  EXPECT_EQ(Image(kEmulatorCell), (101 + 102 + 103 + 104 + 105) / 5);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::EmulatorHi);
  EXPECT_TRUE(m.link.LastStatus().mapsChanged);
  Feed(EmulatorFrame(420));
  EXPECT_FALSE(m.link.LastStatus().mapsChanged) << "counting again";
}

TEST_F(LearningTest, AnotherCellOrAZeroSampleStartsTheCountAgain) {
  Setting(Emulation) = kEmulationLearned;
  m.link.SetUczenieEmulacji(true);
  struct Case {
    const char* what;
    StatusFrame interruption;
    int framesToLearn;  // back in the cell: a frame to name it again, unless it never left
  };
  const Case cases[] = {{"another cell", EmulatorFrame(400, 5), 6},
                        {"a zero sample", EmulatorFrame(0), 5}};
  for (const Case& c : cases) {
    for (int i = 0; i < 4; ++i)
      Feed(EmulatorFrame(400));
    Feed(c.interruption);
    for (int i = 1; i < c.framesToLearn; ++i)
      Feed(EmulatorFrame(400));
    EXPECT_EQ(Image(kEmulatorCell), 0) << c.what << ": one sample short";
    Feed(EmulatorFrame(400));
    EXPECT_EQ(Image(kEmulatorCell), 100) << c.what;
    LinkTestAccess::ObrazSterownika(m.link)[kEmulatorCell] = 0;
  }
}

TEST_F(LearningTest, EmulatorLearnsOnlyWhenAskedOnPetrolWithTheTableInUse) {
  struct Case {
    const char* what;
    bool learning;
    uint8_t emulation;
    uint8_t workState;
  };
  const Case cases[] = {
      {"learning off", false, kEmulationLearned, fuel_state::Petrol},
      {"emulation not by the table", true, 2, fuel_state::Petrol},
      {"on gas", true, kEmulationLearned, fuel_state::Gas},
  };
  for (const Case& c : cases) {
    m.link.SetUczenieEmulacji(c.learning);
    Setting(Emulation) = c.emulation;
    StatusFrame frame = EmulatorFrame(400);
    frame.workState = c.workState;
    for (int i = 0; i < 12; ++i)
      Feed(frame);
    EXPECT_EQ(Image(kEmulatorCell), 0) << c.what;
    EXPECT_EQ(m.link.FlagiZapisu(), 0u) << c.what;
  }
}

class RailEmulatorLearningTest : public LearningTest {
 protected:
  RailEmulatorLearningTest() : LearningTest(8) {}
};

TEST_F(RailEmulatorLearningTest, CellAndValueComeFromTheEmulatorsOwnBytes) {
  m.link.SetUczenieEmulacji(true);
  const StatusFrame frame{
      .code = code::Poll,
      .bytes = {{rail_emulator_frame::kMapRow, 4}, {rail_emulator_frame::kMapColumn, 20}},
      .words = {{rail_emulator_frame::kRailSensor, 2000}}};
  for (int i = 0; i < 6; ++i)
    Feed(frame);
  EXPECT_EQ(Image(img::EmulacjaHi + 4 * 16 + 15), 255) << "column and value capped";
  EXPECT_TRUE(m.link.FlagiZapisu() & AreaBit::EmulatorHi);
}

class PressureMapLearningTest : public LearningTest {
 protected:
  PressureMapLearningTest() : LearningTest(255) {
    Setting(PressureMapBlocked) = 0;
    Setting(PressureMapSource) = 0;
  }
  static StatusFrame MapFrame(uint8_t workFlags = WorkFlag::IgnitionOn | WorkFlag::EngineTurning) {
    return {.code = code::Poll,
            .workFlags = workFlags,
            .bytes = {{kMapRow, 3}, {kMapColumn, 7}},
            .words = {{kRailPressure, 600}}};
  }
};

constexpr int kPressureCell = img::MapaCis + 3 * 16 + 7;

TEST_F(PressureMapLearningTest, LearnedCellIsWrittenOnlyWhenItChanges) {
  LinkTestAccess::ObrazSterownika(m.link)[kPressureCell] = 0;
  for (int i = 0; i < 6; ++i)
    Feed(MapFrame());
  EXPECT_EQ(Image(kPressureCell), 150);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::PressureMap);
  EXPECT_TRUE(m.link.LastStatus().mapsChanged);

  LinkTestAccess::FlagiZapisu(m.link) = 0;
  for (int i = 0; i < 6; ++i)
    Feed(MapFrame());
  EXPECT_EQ(m.link.FlagiZapisu(), 0u) << "the same average again";
  EXPECT_FALSE(m.link.LastStatus().mapsChanged);
}

TEST_F(PressureMapLearningTest, NothingIsLearnedWithTheMapBlockedOrTheEngineStanding) {
  LinkTestAccess::ObrazSterownika(m.link)[kPressureCell] = 0;
  for (int i = 0; i < 6; ++i)
    Feed(MapFrame(WorkFlag::IgnitionOn));
  Setting(PressureMapBlocked) = 1;
  for (int i = 0; i < 6; ++i)
    Feed(MapFrame());
  EXPECT_EQ(Image(kPressureCell), 0);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

// A cell the controller reports redraws the maps; a report of nothing does not.
TEST_F(LearningTest, MapCellReportsAskForARedraw) {
  struct Case {
    int table, offset, value;
    int changedArea;  // -1: none
    bool redraw;
  };
  const Case cases[] = {
      {3, 0x25, 77, img::MapaEcuGaz, true},
      {0, 0x10, 0, -1, false},
      {7, 0x10, 5, -1, true},
  };
  for (const Case& c : cases) {
    const auto before = m.link.ObrazSterownika();
    Feed({.code = code::Poll,
          .bytes = {{kSubRecord, sub_record::MapCellReport},
                    {kSubData, c.table},
                    {kSubData + 1, c.offset},
                    {kSubData + 2, c.value}}});
    EXPECT_EQ(m.link.LastStatus().mapsChanged, c.redraw) << "table " << c.table;
    auto expected = before;
    if (c.changedArea >= 0) expected[c.changedArea + c.offset] = static_cast<uint8_t>(c.value);
    EXPECT_TRUE(m.link.ObrazSterownika() == expected) << "table " << c.table;
  }
}

TEST_F(LearningTest, AdaptationFoldsInOnlyTrimsThatAreThere) {
  const auto before = m.link.ObrazSterownika();
  m.link.WykonajAdaptacje();
  EXPECT_TRUE(m.link.ObrazSterownika() == before);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);

  Feed({.code = code::Poll,
        .bytes = {{kSubRecord, sub_record::TrimsBank1}, {kSubData, 128}, {kSubData + 1, 138}}});
  m.link.WykonajAdaptacje();
  EXPECT_EQ(Image(img::Mnoznik1), before[img::Mnoznik1] + 10);
  EXPECT_EQ(Image(img::Mnoznik2), before[img::Mnoznik2]);
  EXPECT_EQ(Image(img::Eeprom1 + 1), 128) << "used up";
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::Settings | AreaBit::Multiplier1 | AreaBit::Multiplier2);
}

}  // namespace
