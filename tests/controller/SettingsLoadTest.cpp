// Settings files loaded into a connected controller: the family rule, the write question, the
// areas written and read back, and the write verified against the simulated controller.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/WriteCheck.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/SettingsFiles.h"

namespace {

using namespace AreaBit;
using Bytes = std::vector<uint8_t>;

// A controller read out and on gas, the file's question not yet answered.
class ConnectedLoad {
 public:
  explicit ConnectedLoad(const sim::Identity& identity) : m(identity) {
    Texts().LanguageIndex = 0;
    EXPECT_TRUE(m.ReadOut());
    LinkTestAccess::StanPaliwa(m.link) = 6;
    m.events.clear();
  }
  bool Load(const Bytes& file, int answer) {
    m.ui.answers = {answer};
    return m.link.LoadSettings(file, "loaded.set");
  }
  bool Asked(int textId) const {
    return std::any_of(m.ui.messages.begin(), m.ui.messages.end(),
                       [&](const FakeUi::Message& msg) { return msg.text == LangText(textId); });
  }

  MemoryLink m;
};

struct FamilyCase {
  const char* name;
  int family;
  int firmware;
  uint32_t written;   // on Yes
  uint32_t readBack;  // either way
};

constexpr uint32_t kGasWrites = Settings | Multiplier1 | Multiplier2 | RpmCorrection1 |
                                RpmCorrection2 | PressureCorrection | ReducerTempCorrection |
                                GasTempCorrection | Admixture | PressureMap | PetrolMap | GasMap |
                                ObdPetrolMap1 | ObdGasMap1 | ObdPetrolMap2 | ObdGasMap2;
static_assert(kGasWrites == 0xF03371F);
constexpr uint32_t kKaviExtras = Settings2 | EmulatorLo | GasAdvance | PetrolDose;
static_assert(kKaviExtras == 0x1C0020);

const FamilyCase kFamilyCases[] = {
    {"Rumo15", 2, 15, kGasWrites, kGasWrites | Settings2},
    {"Rumo13", 2, 13, kGasWrites, kGasWrites},
    {"Fortix16", 5, 16, kGasWrites | EmulatorHi, kGasWrites | EmulatorHi | Settings2},
    {"Fortix5", 5, 5, kGasWrites, kGasWrites},
    {"Lumo14", 6, 14, kGasWrites, kGasWrites | Settings2},
    {"Kavi17", 255, 17, kGasWrites | EmulatorHi | kKaviExtras,
     kGasWrites | EmulatorHi | kKaviExtras},
    {"Kavi14", 255, 14, kGasWrites | EmulatorHi, kGasWrites | EmulatorHi},
    {"RailEmulator", 8, 10, Settings | EmulatorHi, Settings | EmulatorHi},
};

void PrintTo(const FamilyCase& c, std::ostream* out) {
  *out << c.name;
}

class FamilyLoadTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyLoadTest, YesWritesAndReadsBackTheFilesAreas) {
  const FamilyCase& c = GetParam();
  const sim::Identity identity = IdentityOf(c.family, c.firmware);
  ConnectedLoad load(identity);
  ASSERT_TRUE(load.Load(SettingsFileOf(identity), mb::kIdYes));
  ASSERT_EQ(load.m.ui.messages.size(), 1u);
  EXPECT_EQ(load.m.ui.messages[0].text, "Do you want to write settings to device ?");
  EXPECT_EQ(load.m.ui.messages[0].flags, mb::kYesNo | mb::kIconExclamation);
  EXPECT_EQ(load.m.link.FlagiZapisu(), c.written);
  EXPECT_EQ(load.m.link.FlagiCzytania(), c.readBack);
  EXPECT_TRUE(load.m.link.PolaczonyPortComm());
  EXPECT_EQ(load.m.link.LoadedFileName(), "") << "the name is kept only without a controller";
}

TEST_P(FamilyLoadTest, NoOnlyReadsBack) {
  const FamilyCase& c = GetParam();
  const sim::Identity identity = IdentityOf(c.family, c.firmware);
  ConnectedLoad load(identity);
  ASSERT_TRUE(load.Load(SettingsFileOf(identity), mb::kIdNo));
  EXPECT_EQ(load.m.link.FlagiZapisu(), 0u);
  EXPECT_EQ(load.m.link.FlagiCzytania(), c.readBack);
  EXPECT_EQ(load.m.link.FlagiRozkazow() & CommandBit::FuelChangeAuto, 0u);
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyLoadTest, ::testing::ValuesIn(kFamilyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsLoadTest, PumpEmulatorIsNotAskedAndGetsNothing) {
  ConnectedLoad load(sim::DefaultIdentity(13));
  ASSERT_TRUE(load.Load(SettingsFileOf(13), mb::kIdYes));
  EXPECT_TRUE(load.m.ui.messages.empty());
  EXPECT_EQ(load.m.link.FlagiZapisu() | load.m.link.FlagiCzytania(), 0u);
}

TEST(SettingsLoadTest, YesOnGasChangesFuelAndFoldsTheTrimsIn) {
  ConnectedLoad load(sim::DefaultIdentity(2));
  Bytes file = SettingsFileOf(2);
  file[16 + 496 + 90] = 113;
  LinkTestAccess::ObrazSterownika(load.m.link)[img::Eeprom1] = 138;  // the controller's trim
  ASSERT_TRUE(load.Load(file, mb::kIdYes));
  EXPECT_NE(load.m.link.FlagiRozkazow() & CommandBit::FuelChangeAuto, 0u);
  EXPECT_EQ(load.m.link.Nastawy()[90], 123);
  EXPECT_EQ(load.m.link.ObrazSterownika()[img::Eeprom1], 128);

  ConnectedLoad onPetrol(sim::DefaultIdentity(2));
  LinkTestAccess::StanPaliwa(onPetrol.m.link) = 0;
  ASSERT_TRUE(onPetrol.Load(file, mb::kIdYes));
  EXPECT_EQ(onPetrol.m.link.FlagiRozkazow() & CommandBit::FuelChangeAuto, 0u);
}

// A KAVI or emulator file means nothing to another family's controller, and the reverse: the
// port closes and the file is shown on its own.
TEST(SettingsLoadTest, AnotherFamilyAboveTheMalverOnesClosesThePort) {
  ConnectedLoad load(sim::DefaultIdentity(255));
  ASSERT_TRUE(load.Load(SettingsFileOf(2), mb::kIdYes));
  EXPECT_FALSE(load.m.link.PolaczonyPortComm());
  ASSERT_EQ(load.m.ui.messages.size(), 1u);
  EXPECT_EQ(load.m.ui.messages[0].text,
            "Closing the communication port (various types of devices).");
  EXPECT_EQ(load.m.ui.messages[0].flags, mb::kIconInformation);
  EXPECT_GE(load.m.ui.eventPumps, 1) << "the window settles before the box";
  EXPECT_EQ(load.m.link.Model(), Family::Rumo) << "the file's controller is shown";
  EXPECT_EQ(load.m.link.LoadedFileName(), "loaded.set");
  EXPECT_EQ(std::count_if(load.m.events.begin(), load.m.events.end(),
                          [](const auto& e) { return e.kind == EventKind::FileLoaded; }),
            1);
  EXPECT_EQ(load.m.link.FlagiZapisu(), 0u);
}

TEST(SettingsLoadTest, MalverFamiliesTakeOneAnothersFiles) {
  ConnectedLoad load(sim::DefaultIdentity(2));
  ASSERT_TRUE(load.Load(SettingsFileOf(5), mb::kIdYes));
  EXPECT_TRUE(load.m.link.PolaczonyPortComm());
  EXPECT_FALSE(load.Asked(2153));
  EXPECT_TRUE(load.Asked(2107));
  EXPECT_EQ(load.m.link.Model(), Family::Rumo) << "the connected controller stays";
}

TEST(SettingsLoadTest, UnidentifiedControllerIsClosedSilently) {
  ConnectedLoad load(sim::DefaultIdentity(2));
  LinkTestAccess::ObrazSterownika(load.m.link)[img::Schemat] = 0;
  ASSERT_TRUE(load.Load(SettingsFileOf(2), mb::kIdYes));
  EXPECT_FALSE(load.m.link.PolaczonyPortComm());
  EXPECT_TRUE(load.m.ui.messages.empty());
  EXPECT_EQ(load.m.link.Model(), Family::Rumo);
}

// Writing areas a level-1 or level-2 file does not carry would send the controller whatever
// the link held there: they are neither written nor read back.
TEST(SettingsLoadTest, LowerLevelsWriteOnlyWhatTheyCarry) {
  struct Level {
    int level;
    uint32_t areas;
  };
  const uint32_t level1 = kGasWrites & ~(Admixture | PressureMap);
  const Level levels[] = {{1, level1},
                          {2, level1 | Admixture | PressureMap | EmulatorHi | EmulatorLo},
                          {3, kGasWrites | EmulatorHi | kKaviExtras}};
  for (const Level& l : levels) {
    ConnectedLoad load(sim::DefaultIdentity(255));
    ASSERT_TRUE(load.Load(AtLevel(SettingsFileOf(255), l.level), mb::kIdYes));
    EXPECT_EQ(load.m.link.FlagiZapisu(), l.areas) << "level " << l.level;
    EXPECT_EQ(load.m.link.FlagiCzytania(), l.areas) << "level " << l.level;
  }
  ConnectedLoad malver(sim::DefaultIdentity(2));
  ASSERT_TRUE(malver.Load(AtLevel(SettingsFileOf(2), 1), mb::kIdNo));
  EXPECT_EQ(malver.m.link.FlagiCzytania(), level1) << "page 1 is the controller's own anyway";
}

// The whole way: the file's areas reach the controller, are acknowledged and read back equal.
TEST(SettingsLoadTest, WrittenAreasReachTheControllerAndReadBackEqual) {
  ConnectedLoad load(sim::DefaultIdentity(255));
  Bytes file = SettingsFileOf(255);
  file[16 + 496 + 3] = 77;       // a setting
  file[16 + 752 + 40] = 123;     // a multiplier entry
  file[16 + 5104 + 9] = 66;      // the gas advance, a level-3 table
  file[16 + 5616 + 20] ^= 0x01;  // settings page 1
  // The loading switches the engine to petrol, where the link would go on learning the pressure
  // map over what was loaded; blocked, the map stays as the file has it.
  file[16 + 496 + 39] = 1;
  ASSERT_TRUE(load.Load(file, mb::kIdYes));
  const WriteCheck check(load.m.link);
  EXPECT_EQ(check.Areas(), kGasWrites | EmulatorHi | kKaviExtras);
  ASSERT_TRUE(load.m.TickUntil([&] {
    return load.m.link.ReadOutComplete() && load.m.link.FlagiZapisu() == 0 &&
           load.m.link.FlagiZapisuWToku() == 0;
  }));
  const auto& memory = load.m.controller.memory;
  EXPECT_EQ(memory[img::Nastawy + 3], 77);
  EXPECT_EQ(memory[img::Mnoznik1 + 40], 123);
  EXPECT_EQ(memory[img::PrzesGaz + 9], 66);
  EXPECT_EQ(memory[img::Nastawy2 + 20], file[16 + 5616 + 20]);
  EXPECT_EQ(check.Differing(load.m.link), 0u);
}

TEST(SettingsLoadTest, AreaTheControllerDidNotKeepShowsInTheCheck) {
  ConnectedLoad load(sim::DefaultIdentity(2));
  ASSERT_TRUE(load.Load(SettingsFileOf(2), mb::kIdYes));
  const WriteCheck check(load.m.link);
  ASSERT_TRUE(load.m.TickUntil(
      [&] { return load.m.link.FlagiZapisu() == 0 && load.m.link.FlagiZapisuWToku() == 0; }));
  load.m.controller.memory[img::MapaEcuGaz + 5] ^= 0xFF;  // acknowledged, then lost
  load.m.controller.memory[img::Nastawy + 7] ^= 0xFF;
  ASSERT_TRUE(load.m.TickUntil([&] { return load.m.link.ReadOutComplete(); }));
  EXPECT_EQ(check.Differing(load.m.link), GasMap | Settings);
}

// A controller that learns while it runs changes map cells between the write and the read-back
// and reports them: they are its own news, named as such, and the rest must still equal.
TEST(SettingsLoadTest, CellsTheControllerReportedLearningAreItsOwnNews) {
  ConnectedLoad load(sim::DefaultIdentity(2));
  load.m.controller.learnEvery = 3;
  Bytes file = SettingsFileOf(2);
  // Cells no idling engine would learn: the controller's learning shows in them.
  for (const size_t map : {16u + 2544u, 16u + 2544u + 256u})
    file[map] = 1;
  ASSERT_TRUE(load.Load(file, mb::kIdYes));
  const WriteCheck check(load.m.link);
  ASSERT_TRUE(load.m.TickUntil([&] {
    return load.m.link.ReadOutComplete() && load.m.link.FlagiZapisu() == 0 &&
           load.m.link.FlagiZapisuWToku() == 0;
  }));
  const std::vector<LearnedCell> learned = check.LearnedMeanwhile(load.m.link);
  ASSERT_FALSE(learned.empty()) << "the controller learned while it was written";
  for (const LearnedCell& cell : learned) {
    EXPECT_TRUE(cell.area == PetrolMap || cell.area == GasMap);
    EXPECT_EQ(cell.column, 0);
    EXPECT_EQ(cell.row, 0);
  }
  EXPECT_EQ(check.Differing(load.m.link), 0u);
  EXPECT_EQ(LearnedCellNames({{GasMap, 3, 5}, {PetrolMap, 0, 15}}),
            "MapaEcuGaz RPM column 3 load row 5, MapaEcuBen RPM column 0 load row 15");

  // A cell it did not report is a write it lost, learning or not.
  const WriteCheck again(load.m.link, GasMap);
  load.m.controller.memory[img::MapaEcuGaz + 17] ^= 0xFF;
  load.m.link.CzytajZeSterownika(GasMap);
  ASSERT_TRUE(load.m.TickUntil([&] { return load.m.link.FlagiCzytania() == 0; }));
  EXPECT_EQ(again.Differing(load.m.link), GasMap);
}

}  // namespace
