// The gas-pressure correction of the diagnostic charts against values worked out by hand from
// the pressure table (entry i = 17920 / i, at most 255).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "controller/ReferenceCorrection.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

namespace {

class PressureCorrectionTest : public testing::Test {
 protected:
  void Calibrated(int engineType, int workingPressure) {
    LinkTestAccess::Nastawy(offline.link)[10] = static_cast<uint8_t>(engineType);
    LinkTestAccess::Nastawy(offline.link)[86] = static_cast<uint8_t>(workingPressure);
  }
  double At(double pressure) const { return offline.link.ObliczKorekteCis(pressure); }

  OfflineLink offline;
};

TEST_F(PressureCorrectionTest, WorkingPressureEntryOverPressureEntry) {
  Calibrated(0, 40);  // entry 140: 128
  struct Case {
    double bar;
    double factor;
  };
  const Case cases[] = {
      {1.40, 1.0},          // the working pressure itself
      {0.50, 128.0 / 255},  // entries up to 70 are capped at 255
      {2.56, 128.0 / 70},   // 17920 / 256
      {3.00, 128.0 / 59},   // 17920 / 300 = 59.7
      {5.11, 128.0 / 35},   // the last entry
      {9.99, 128.0 / 35},   // beyond the table: the last entry
      {0.0, 128.0 / 255},   // no pressure: entry 0
      {-1.0, 128.0 / 255}, {std::numeric_limits<double>::quiet_NaN(), 128.0 / 255},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(At(c.bar), c.factor) << c.bar;
}

TEST_F(PressureCorrectionTest, EngineTypeMovesTheWorkingPressureIntoItsRange) {
  Calibrated(1, 40);  // entry 240: 74
  EXPECT_DOUBLE_EQ(At(1.40), 74.0 / 128);
  Calibrated(2, 40);  // every type but 0 takes the charged range
  EXPECT_DOUBLE_EQ(At(1.40), 74.0 / 128);
  Calibrated(0, 255);  // entry 355: 50
  EXPECT_DOUBLE_EQ(At(1.40), 50.0 / 128);
}

TEST(PressureTableTest, NoEntryIsZero) {
  EXPECT_EQ(*std::min_element(TablicaCisnienia.begin(), TablicaCisnienia.end()), 35);
  EXPECT_EQ(TablicaCisnienia[511], 35);
  EXPECT_EQ(TablicaCisnienia[0], 255);
}

}  // namespace
