// The nozzle size calculator against values worked out by hand.

#include <gtest/gtest.h>

#include "settings/NozzleSize.h"
#include "tests/support/IdentifiedLinkTest.h"

namespace {

TEST(NozzleSize, HandComputedSizes) {
  struct Case {
    nozzle::Inputs in;
    double millimetres;
    std::string text;
    bool unit;
  };
  // power, kW, cylinders, pressure index, fuel, petrol type, injector
  const Case cases[] = {
      {{100, false, 4, 1, 0, 0, 3}, 2.50, "2.5", true},
      {{100, true, 4, 1, 0, 0, 12}, 2.4244, "2.4", true},
      {{100, false, 4, 1, 1, 0, 3}, 2.70, "2.7", true},     // CNG
      {{100, false, 4, 1, 0, 1, 3}, 2.40, "2.4", true},     // semi-sequential
      {{100, false, 4, 1, 0, 2, 3}, 2.30, "2.3", true},     // full group
      {{100, false, 4, 1, 0, 0, 1}, 2.70, "2.7", true},     // Barracuda adds its own
      {{100, false, 4, 10, 0, 0, 2}, 2.10, "2.1", true},    // 1.90 bar, table B
      {{100, false, 4, 13, 0, 0, 5}, 1.4625, "1.5", true},  // table A
      {{200, false, 5, 0, 0, 0, 9}, 2.85, "A green", false},
      {{160, false, 4, 0, 0, 0, 8}, 2.85, "A green", false},
      {{100, false, 4, 0, 0, 0, 10}, 1.9125, "C black", false},
      {{100, false, 2, 0, 0, 0, 9}, 3.475, "A+ blue", false},
      {{120, false, 4, 0, 0, 0, 8}, 2.225, "B red", false},
  };
  for (const Case& c : cases) {
    const nozzle::Result r = nozzle::Compute(c.in);
    EXPECT_NEAR(r.millimetres, c.millimetres, 1e-3) << c.in.power << " " << c.in.injector;
    EXPECT_EQ(r.text, c.text) << c.in.power << " " << c.in.injector;
    EXPECT_EQ(r.showsUnit, c.unit);
  }
}

TEST(NozzleSize, PressureListAndItsPreselection) {
  const auto items = nozzle::PressureItems();
  ASSERT_EQ(items.size(), 14u);
  EXPECT_EQ(items.front(), "0.90");
  EXPECT_EQ(items[5], "1.40");
  EXPECT_EQ(items.back(), "2.20");
  struct Case {
    int setting86, index;
  };
  const Case cases[] = {{180, 5}, {140, 5}, {139, 4}, {100, 1},
                        {95, 0},  {0, 0},   {110, 2}, {255, 5}};
  for (const Case& c : cases)
    EXPECT_EQ(nozzle::PressureIndexOf(c.setting86), c.index) << c.setting86;
}

class NozzleFromSettings : public IdentifiedLinkTest {};

TEST_F(NozzleFromSettings, TheControllersSettingsPreselectTheLists) {
  Identify(2, 17);
  S(86) = 120;
  S(20) = 1;
  S(8) = 2;
  S(24) = 9;
  const nozzle::Inputs in = nozzle::FromSettings(link, {150, true, 6});
  EXPECT_EQ(in.pressureIndex, 3);
  EXPECT_EQ(in.fuel, 1);
  EXPECT_EQ(in.petrolType, 2);
  EXPECT_EQ(in.injector, 9);
  EXPECT_EQ(in.power, 150);
  EXPECT_TRUE(in.kilowatts);
  EXPECT_EQ(in.cylinders, 6);

  Identify(255, 17);
  S(8) = 2;  // another setting of the KAVI list
  EXPECT_EQ(nozzle::FromSettings(link, {}).petrolType, 0);
}

}  // namespace
