#pragma once

#include <array>
#include <cstdint>

#include "controller/ImageLayout.h"
#include "controller/Protocol.h"

// The controller corrects the gas dose by three curves: against gas pressure, reducer
// temperature and gas temperature. Each is one 256-byte record: its code, up to eight nodes
// (position, value) and the curve's value at every position from offset 50 on. A value of 128 is
// no correction; one unit is 0.78125 %.
namespace curve {

inline constexpr int kNodes = 8;
inline constexpr int kLastNode = kNodes - 1;
// Offsets 0 .. 49 hold the code and the nodes; the curve's values start here.
inline constexpr int kFirstValue = 50;
inline constexpr int kLastValue = img::kAreaSize - 1;
inline constexpr uint8_t kNeutral = 128;
inline constexpr double kPerCentPerUnit = 0.78125;
// A node's value keeps within -50 .. +50 %.
inline constexpr int kLowestValue = 64;
inline constexpr int kHighestValue = 192;
inline constexpr int kValueSpan = kHighestValue - kLowestValue;  // what a chart's height shows

// Node i's position and value; a value of 0 means the node is absent.
constexpr int NodeX(int i) {
  return 2 + 2 * i;
}
constexpr int NodeY(int i) {
  return 3 + 2 * i;
}

struct Curve {
  uint8_t code;  // byte 0 of the record; KodKrzywej while the curve is shown
  int area;      // img offset of the record
  uint32_t write;
  int axisMin;  // where node 0 sits
  int axisMax;  // where node 7 sits
};

// clang-format off
inline constexpr Curve kPressure{8, img::KorOdCis, AreaBit::PressureCorrection, 50, 250};
inline constexpr Curve kReducerTemperature{9, img::KorOdTempRed, AreaBit::ReducerTempCorrection,
                                           98, 228};
inline constexpr Curve kGasTemperature{10, img::KorOdTempGazu, AreaBit::GasTempCorrection,
                                       98, 228};
// clang-format on
inline constexpr const Curve* kCurves[] = {&kPressure, &kReducerTemperature, &kGasTemperature};

using Record = std::array<uint8_t, img::kAreaSize>;

// A curve at rest: its code, node 0 and node 7 at the ends of the axis without correction, and
// no correction anywhere.
Record NeutralRecord(const Curve& curve);

}  // namespace curve
