// The adaptation trims folded into the settings and multipliers, and the reference correction
// with its two constant tables.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/ReferenceCorrection.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/OfflineLink.h"

namespace {

using namespace AreaBit;

class AdaptationTest : public ::testing::Test {
 protected:
  AdaptationTest() : m(5) {
    EXPECT_TRUE(m.ReadOut());
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  uint8_t& Image(int offset) { return LinkTestAccess::ObrazSterownika(m.link)[offset]; }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }

  MemoryLink m;
};

TEST_F(AdaptationTest, NeutralTrimsOnlyLiftEntriesOfZero) {
  const uint8_t entries[] = {0, 1, 100, 128, 255};
  for (int bank : {img::Mnoznik1, img::Mnoznik2})
    std::copy(std::begin(entries), std::end(entries), &Image(bank));
  std::fill_n(&Image(img::Eeprom1), 4, 128);
  Setting(90) = 113;
  Setting(92) = 120;

  m.link.DodajAdaptacje();
  const uint8_t expected[] = {1, 1, 100, 128, 255};
  for (int bank : {img::Mnoznik1, img::Mnoznik2})
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), &Image(bank)));
  EXPECT_EQ(Setting(90), 113);
  EXPECT_EQ(Setting(92), 120);
  EXPECT_EQ(m.link.FlagiZapisu(), Settings | Multiplier1 | Multiplier2);
}

// A trim above 128 adds, below 128 takes away; results stay within a byte, entries above 0.
TEST_F(AdaptationTest, TrimsFoldIntoTheirOwnBankAndAreUsedUp) {
  struct Entry {
    uint8_t entry, trim, expected;
  };
  const Entry cases[] = {{100, 138, 110}, {250, 138, 255}, {20, 118, 10},  {10, 118, 1},
                         {0, 255, 127},   {128, 1, 1},     {255, 255, 255}};
  for (const Entry& c : cases) {
    Image(img::Mnoznik1) = c.entry;
    Image(img::Mnoznik2) = 100;
    Image(img::Eeprom1 + 1) = c.trim;
    Image(img::Eeprom1 + 3) = 128;
    m.link.DodajAdaptacje();
    EXPECT_EQ(Image(img::Mnoznik1), c.expected) << int(c.entry) << " with trim " << int(c.trim);
    EXPECT_EQ(Image(img::Mnoznik2), 100) << "bank 2 has its own trim";
    EXPECT_EQ(Image(img::Eeprom1 + 1), 128) << "used up";
  }

  struct Idle {
    uint8_t setting, trim, expected;
  };
  const Idle idle[] = {{113, 138, 123}, {250, 138, 255}, {5, 118, 0}, {100, 128, 100}};
  for (const Idle& c : idle) {
    Setting(92) = c.setting;
    Setting(90) = 50;
    Image(img::Eeprom1 + 2) = c.trim;
    Image(img::Eeprom1) = 128;
    m.link.DodajAdaptacje();
    EXPECT_EQ(Setting(92), c.expected) << int(c.setting) << " with trim " << int(c.trim);
    EXPECT_EQ(Setting(90), 50);
    EXPECT_EQ(Image(img::Eeprom1 + 2), 128);
  }
}

TEST(ReferenceCorrectionTablesTest, KnownEntries) {
  EXPECT_TRUE(std::all_of(TablicaCisnienia.begin(), TablicaCisnienia.begin() + 71,
                          [](uint8_t v) { return v == 255; }));
  EXPECT_EQ(TablicaCisnienia[71], 252);
  EXPECT_EQ(TablicaCisnienia[140], 128);
  EXPECT_EQ(TablicaCisnienia[200], 89);
  EXPECT_EQ(TablicaCisnienia[511], 35);

  EXPECT_TRUE(std::all_of(TablicaTemperatury.begin(), TablicaTemperatury.begin() + 80,
                          [](uint8_t v) { return v == 65; }));
  EXPECT_EQ(TablicaTemperatury[80], 66);
  EXPECT_EQ(TablicaTemperatury[159], 128);
  EXPECT_TRUE(std::all_of(TablicaTemperatury.begin() + 160, TablicaTemperatury.begin() + 176,
                          [](uint8_t v) { return v == 128; }));
  EXPECT_EQ(TablicaTemperatury[200], 137);
  EXPECT_EQ(TablicaTemperatury[255], 159);
  EXPECT_TRUE(std::is_sorted(TablicaTemperatury.begin(), TablicaTemperatury.end()));
}

TEST(ReferenceCorrectionTest, SettingFromPressureAndTemperature) {
  struct Case {
    uint8_t engineType, pressure, temperature, expected;
  };
  const Case cases[] = {
      {0, 40, 160, 128},  // pressure entry 140 and temperature entry 160: both 128
      {0, 40, 0, 252},    // 128 x 128 / 65, truncated
      {0, 0, 160, 91},    // entry 100: 179
      {1, 0, 160, 184},   // entry 200: 89
      {2, 71, 160, 65},   // no offset: entry 71, 252
      {1, 255, 0, 255},   // 827, at most 255
  };
  OfflineLink offline;
  for (const Case& c : cases) {
    uint8_t* settings = LinkTestAccess::Nastawy(offline.link);
    settings[10] = c.engineType;
    settings[86] = c.pressure;
    settings[85] = c.temperature;
    offline.link.ObliczKorekteOdniesienia();
    EXPECT_EQ(offline.link.Nastawy()[94], c.expected)
        << "engine type " << int(c.engineType) << ", pressure " << int(c.pressure)
        << ", temperature " << int(c.temperature);
  }
}

}  // namespace
