#include <gtest/gtest.h>

#include <limits>

#include "serial/LineSettings.h"
#include "serial/Tserial.h"

namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

TEST(BaudRateTest, RateAndDivisorStayWithinTheConvertersReach) {
  struct Case {
    int asked;
    int rate;
    int divisor;
  };
  const Case cases[] = {
      {kIntMin, 46, 65217},  {-100, 46, 65217},     {0, 46, 65217},
      {45, 46, 65217},       {46, 46, 65217},       {38400, 38400, 78},
      {3000000, 3000000, 1}, {3000001, 3000000, 1}, {kIntMax, 3000000, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClampBaudRate(c.asked), c.rate) << c.asked;
    EXPECT_EQ(FtdiDivisor(c.asked), c.divisor) << c.asked;
  }
}

TEST(BaudRateTest, AdministratorsStepStopsAtTheEnds) {
  struct Case {
    int from;
    int delta;
    int to;
  };
  const Case cases[] = {
      {38400, 100, 38500}, {38400, -100, 38300},    {120, -100, 46},
      {46, -100, 46},      {2999950, 100, 3000000}, {3000000, 100, 3000000},
      {0, 100, 100},       {38400, kIntMin, 46},    {3000000, kIntMax, 3000000},
  };
  for (const Case& c : cases) {
    TSerial port("no-ftdi-library-here.so");
    port.BaudRate = c.from;
    EXPECT_EQ(port.StepBaudRate(c.delta), c.to) << c.from << " " << c.delta;
    EXPECT_EQ(port.BaudRate, c.to);
  }
}

}  // namespace
