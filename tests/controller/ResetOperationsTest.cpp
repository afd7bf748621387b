// The reset operations and the factory settings, on a link read out from a simulated
// controller: what each puts in the image and which writes it asks for.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using namespace AreaBit;

// A controller read out, nothing waiting to be written, every table byte at 0x33 so that a
// reset shows where it wrote.
struct ReadOutController {
  explicit ReadOutController(const sim::Identity& identity) : m(identity) {
    EXPECT_TRUE(m.ReadOut());
    auto& image = LinkTestAccess::ObrazSterownika(m.link);
    std::fill(image.begin() + img::MapaEcuBen, image.begin() + img::Nastawy, 0x33);
    std::fill(image.begin() + img::Mnoznik1, image.begin() + img::HistoriaZmian, 0x33);
    std::fill(image.begin() + img::KorOdCis, image.begin() + img::OpisSterownika, 0x33);
    LinkTestAccess::FlagiZapisu(m.link) = 0;
    LinkTestAccess::FlagiRozkazow(m.link) = 0;
  }
  const uint8_t* Area(int offset) const { return &m.link.ObrazSterownika()[offset]; }
  bool Filled(int offset, uint8_t value) const {
    return std::all_of(Area(offset), Area(offset) + img::kAreaSize,
                       [value](uint8_t b) { return b == value; });
  }
  uint8_t Setting(int i) const { return m.link.Nastawy()[i]; }

  MemoryLink m;
};

class ResetTest : public ::testing::Test, protected ReadOutController {
 protected:
  explicit ResetTest(int family = 2) : ReadOutController(sim::DefaultIdentity(family)) {}
};

struct PlainReset {
  const char* name;
  std::function<void(TSterownik&)> reset;
  std::vector<int> areas;
  uint8_t value;
  uint32_t writes;
};

const PlainReset kPlainResets[] = {
    {"GasMap", [](TSterownik& l) { l.KasujMapeEcuGaz(); }, {img::MapaEcuGaz}, 0, GasMap},
    {"ObdPetrolMaps",
     [](TSterownik& l) { l.KasujMapeOdbBen(); },
     {img::MapaObdBen1, img::MapaObdBen2},
     0,
     ObdPetrolMap1 | ObdPetrolMap2},
    {"ObdGasMaps",
     [](TSterownik& l) { l.KasujMapeObdGaz(); },
     {img::MapaObdGaz1, img::MapaObdGaz2},
     0,
     ObdGasMap1 | ObdGasMap2},
    {"EmulationHiNeutral",
     [](TSterownik& l) { l.KasujEmulacjeHi(true); },
     {img::EmulacjaHi},
     128,
     EmulatorHi},
    {"EmulationHiZero",
     [](TSterownik& l) { l.KasujEmulacjeHi(false); },
     {img::EmulacjaHi},
     0,
     EmulatorHi},
    {"EmulationLo", [](TSterownik& l) { l.KasujEmulacjeLo(); }, {img::EmulacjaLo}, 128, EmulatorLo},
    {"GasAdvance", [](TSterownik& l) { l.KasujPrzesGaz(); }, {img::PrzesGaz}, 72, GasAdvance},
    {"PetrolDose", [](TSterownik& l) { l.KasujDawkeBen(); }, {img::DawkaBen}, 50, PetrolDose},
    {"Enrichment", [](TSterownik& l) { l.KasujWzbogacenie(); }, {img::MapaCis}, 128, PressureMap},
    {"ExtraInjections", [](TSterownik& l) { l.KasujDotrysk(); }, {img::MapaCis}, 0, PressureMap},
    {"PressureMap", [](TSterownik& l) { l.KasujMapeCis(); }, {img::MapaCis}, 0, PressureMap},
    {"Admixture", [](TSterownik& l) { l.KasujDomieszke(); }, {img::Domieszka}, 5, Admixture},
    {"RpmCorrection1",
     [](TSterownik& l) { l.KasujKorOdObr(1); },
     {img::KorOdObr1},
     100,
     RpmCorrection1},
    {"RpmCorrection2",
     [](TSterownik& l) { l.KasujKorOdObr(2); },
     {img::KorOdObr2},
     100,
     RpmCorrection2},
};

void PrintTo(const PlainReset& c, std::ostream* out) {
  *out << c.name;
}

class PlainResetTest : public ResetTest, public ::testing::WithParamInterface<PlainReset> {};

TEST_P(PlainResetTest, FillsItsAreasAloneAndAsksForTheirWrite) {
  const PlainReset& c = GetParam();
  const auto before = m.link.ObrazSterownika();
  c.reset(m.link);
  auto expected = before;
  for (int area : c.areas) {
    EXPECT_TRUE(Filled(area, c.value)) << "area at img " << area;
    std::fill_n(expected.begin() + area, img::kAreaSize, c.value);
  }
  EXPECT_EQ(m.link.ObrazSterownika(), expected) << "nothing else changes";
  EXPECT_EQ(m.link.FlagiZapisu(), c.writes);
}

INSTANTIATE_TEST_SUITE_P(Resets, PlainResetTest, ::testing::ValuesIn(kPlainResets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResetTest, MultiplierBanksTakeTheirBreakpointsAlong) {
  m.link.KasujMnoznik(1);
  EXPECT_TRUE(Filled(img::Mnoznik1, 100));
  EXPECT_TRUE(Filled(img::Mnoznik2, 0x33)) << "bank 2 untouched";
  for (int i = 190; i <= 214; ++i)
    EXPECT_EQ(Setting(i), 0) << "setting " << i;
  EXPECT_EQ(Setting(215), 200) << "the multiplier's range of the MALVER family";
  EXPECT_EQ(m.link.FlagiZapisu(), Settings | Multiplier1);

  LinkTestAccess::FlagiZapisu(m.link) = 0;
  LinkTestAccess::Nastawy(m.link)[164] = 9;
  m.link.KasujMnoznik(2);
  EXPECT_TRUE(Filled(img::Mnoznik2, 100));
  EXPECT_EQ(Setting(164), 0);
  EXPECT_EQ(Setting(188), 0);
  EXPECT_EQ(Setting(189), 200);
  EXPECT_EQ(m.link.FlagiZapisu(), Settings | Multiplier2);
}

TEST_F(ResetTest, CorrectionCurvesRestAsFlatLines) {
  struct Curve {
    int offset;
    uint8_t number, first, last;
  };
  const Curve curves[] = {{img::KorOdCis, 8, 50, 250},
                          {img::KorOdTempRed, 9, 98, 228},
                          {img::KorOdTempGazu, 10, 98, 228}};
  m.link.KasujKorekty();
  for (const Curve& c : curves) {
    std::array<uint8_t, img::kAreaSize> expected{};
    std::fill(expected.begin() + 50, expected.end(), 128);
    expected[0] = c.number;
    expected[2] = c.first;
    expected[3] = 128;
    expected[16] = c.last;
    expected[17] = 128;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), Area(c.offset)))
        << "curve " << int(c.number);
  }
  EXPECT_EQ(m.link.FlagiZapisu(), PressureCorrection | ReducerTempCorrection | GasTempCorrection);
}

TEST_F(ResetTest, PetrolMapTakesTheBlockadeAlong) {
  LinkTestAccess::Nastawy(m.link)[79] = 0;
  m.link.KasujMapeEcuBen();
  EXPECT_TRUE(Filled(img::MapaEcuBen, 0));
  EXPECT_EQ(m.link.FlagiZapisu(), PetrolMap) << "the settings page is left alone";

  LinkTestAccess::FlagiZapisu(m.link) = 0;
  LinkTestAccess::Nastawy(m.link)[79] = 1;
  m.link.KasujMapeEcuBen();
  EXPECT_EQ(Setting(79), 0);
  EXPECT_EQ(m.link.FlagiZapisu(), PetrolMap | Settings);
}

TEST_F(ResetTest, DefaultDelaysGrowAboveTheDiagonal) {
  m.link.KasujOpoznienia();
  auto delay = [&](int row, int column) { return Area(img::Domieszka)[column * 16 + row]; };
  EXPECT_EQ(delay(0, 0), 2);
  EXPECT_EQ(delay(15, 0), 2) << "below the diagonal";
  EXPECT_EQ(delay(3, 4), 4) << "just above it";
  EXPECT_EQ(delay(2, 5), 10);
  EXPECT_EQ(delay(0, 15), 34);
  EXPECT_EQ(m.link.FlagiZapisu(), Admixture);
}

TEST_F(ResetTest, WritesAreDroppedWhileTheConnectionCountsLostButTheImageChanges) {
  LinkTestAccess::LiczDoBrakuPolaczenia(m.link) = TSterownik::kLostConnectionThreshold + 1;
  m.link.KasujMapeEcuGaz();
  m.link.KasujMnoznik(3);
  EXPECT_TRUE(Filled(img::MapaEcuGaz, 0));
  EXPECT_TRUE(Filled(img::Mnoznik2, 100));
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

class KaviResetTest : public ResetTest {
 protected:
  KaviResetTest() : ResetTest(255) {}
};

TEST_F(KaviResetTest, MultiplierRangeOfTheKaviFamily) {
  m.link.KasujMnoznik(3);
  EXPECT_EQ(Setting(215), 80);
  EXPECT_EQ(Setting(189), 80);
  EXPECT_EQ(m.link.FlagiZapisu(), Settings | Multiplier1 | Multiplier2);
}

// Factory settings: the tables each family and firmware gets back, and the writes.
struct FactoryCase {
  const char* name;
  int family;
  int firmware;
  std::vector<std::pair<int, uint8_t>> filled;  // area, the value of all its bytes
  uint32_t writes;
};

constexpr uint32_t kCommonWrites = Settings | Multiplier1 | Multiplier2 | RpmCorrection1 |
                                   RpmCorrection2 | PressureCorrection | ReducerTempCorrection |
                                   GasTempCorrection | EmulatorHi | Admixture | PressureMap;

const FactoryCase kFactoryCases[] = {
    {"Malver15",
     2,
     15,
     {{img::Mnoznik1, 100}, {img::KorOdObr2, 100}, {img::EmulacjaHi, 0}, {img::MapaCis, 0}},
     kCommonWrites | Settings2},
    {"Malver12",
     2,
     12,
     {{img::Mnoznik2, 100}, {img::EmulacjaHi, 0}, {img::MapaCis, 128}},
     kCommonWrites},
    {"Kavi17",
     255,
     17,
     {{img::EmulacjaHi, 128},
      {img::Domieszka, 5},
      {img::MapaCis, 0},
      {img::PrzesGaz, 72},
      {img::DawkaBen, 50},
      {img::EmulacjaLo, 128}},
     kCommonWrites | Settings2 | EmulatorLo | GasAdvance | PetrolDose},
    {"Kavi14",
     255,
     14,
     {{img::EmulacjaHi, 128}, {img::Domieszka, 5}, {img::PrzesGaz, 0x33}, {img::DawkaBen, 0x33}},
     kCommonWrites},
    {"RailEmulator", 8, 10, {{img::EmulacjaHi, 0}, {img::Mnoznik1, 0x33}}, Settings | EmulatorHi},
};

void PrintTo(const FactoryCase& c, std::ostream* out) {
  *out << c.name;
}

class FactorySettingsTest : public ::testing::TestWithParam<FactoryCase> {
 protected:
  ReadOutController f{IdentityOf(GetParam().family, GetParam().firmware)};
};

TEST_P(FactorySettingsTest, TablesAndWrites) {
  const FactoryCase& c = GetParam();
  LinkTestAccess::StanPaliwa(f.m.link) = 6;  // on gas
  LinkTestAccess::Nastawy(f.m.link)[3] = 77;
  std::fill_n(&LinkTestAccess::ObrazSterownika(f.m.link)[img::Eeprom1], 4, 140);

  f.m.link.NastawyFabryczne();
  for (const auto& [area, value] : c.filled)
    EXPECT_TRUE(f.Filled(area, value)) << "area at img " << area;
  EXPECT_EQ(f.m.link.FlagiZapisu(), c.writes);

  MemoryLink defaults(IdentityOf(c.family, c.firmware));
  ASSERT_TRUE(defaults.ReadOut());
  defaults.link.WypelnijNastawyDomyslne();
  for (int i = 0; i < 512; ++i) {
    if (i >= 164 && i <= 215) continue;  // the breakpoints, which the multipliers' reset sets
    EXPECT_EQ(f.Setting(i), defaults.link.Nastawy()[i]) << "setting " << i;
  }

  const bool gasController = c.family != 8;
  const uint32_t commands = f.m.link.FlagiRozkazow();
  EXPECT_EQ((commands & CommandBit::FactorySettings) != 0, gasController);
  EXPECT_EQ((commands & CommandBit::FuelChangeAuto) != 0, gasController) << "off gas first";
  if (gasController) {
    EXPECT_TRUE(std::all_of(f.Area(img::Eeprom1), f.Area(img::Eeprom1) + 4, [](uint8_t b) {
      return b == 128;
    })) << "no adaptation trims";
  }
}

INSTANTIATE_TEST_SUITE_P(Families, FactorySettingsTest, ::testing::ValuesIn(kFactoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResetTest, FactorySettingsOnPetrolNeedNoFuelChange) {
  LinkTestAccess::StanPaliwa(m.link) = 0;
  m.link.NastawyFabryczne();
  EXPECT_EQ(m.link.FlagiRozkazow(), CommandBit::FactorySettings);
}

TEST(FactorySettingsPumpEmulatorTest, ChangesNothing) {
  MemoryLink m(13);
  ASSERT_TRUE(m.ReadOut());
  const auto before = m.link.ObrazSterownika();
  m.link.NastawyFabryczne();
  EXPECT_EQ(m.link.ObrazSterownika(), before);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
  EXPECT_EQ(m.link.FlagiRozkazow(), 0u);
}

}  // namespace
