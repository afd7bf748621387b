#include "sim/ElmEngine.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

// A smooth swing between low and high over `period` steps.
int Swing(int clock, int period, int low, int high) {
  const double phase = 2 * 3.14159265358979 * (clock % period) / period;
  return low + static_cast<int>(std::lround((high - low) * (1 - std::cos(phase)) / 2));
}

std::vector<int> Word(int value) {
  return {value >> 8 & 0xFF, value & 0xFF};
}

}  // namespace

std::vector<int> EngineData(int pid, int count, int clock) {
  const int rpm = Swing(clock, 40, 780, 2600);
  switch (pid) {
    case 0x03:
      return {2, 0};  // closed loop
    case 0x04:
      return {Swing(clock, 40, 50, 110)};
    case 0x05:
      return {std::min(40 + 40 + clock / 10, 40 + 92)};  // warming up to 92 °C
    case 0x06:
    case 0x08:
      return {Swing(clock, 12, 120, 137)};
    case 0x07:
    case 0x09:
      return {Swing(clock, 90, 126, 131)};
    case 0x0B:
      return {Swing(clock, 40, 32, 70)};
    case 0x0C:
      return Word(rpm * 4);
    case 0x0D:
      return {0};
    case 0x0E:
      return {128 + Swing(clock, 40, 16, 40)};
    case 0x0F:
      return {40 + 24};
    case 0x10:
      return Word(Swing(clock, 40, 290, 1100));
    case 0x11:
      return {Swing(clock, 40, 38, 70)};
    case 0x13:
      return {0x03};  // bank 1 sensors 1 and 2
    case 0x14:
      return {Swing(clock, 6, 20, 170), Swing(clock, 12, 120, 137)};
    case 0x15:
      return {Swing(clock, 50, 120, 150), 0xFF};
    case 0x1C:
      return {6};  // EOBD
    case 0x1F:
      return Word(clock / 5);
    default: {
      std::vector<int> data(static_cast<size_t>(count));
      for (int i = 0; i < count; ++i)
        data[static_cast<size_t>(i)] = (pid + 17 * i + clock) & 0xFF;
      return data;
    }
  }
}

}  // namespace sim
