#include "settings/NozzleSize.h"

#include <algorithm>
#include <cstdio>

#include "controller/Tsterownik.h"
#include "settings/SettingVisibility.h"

namespace nozzle {

namespace {

constexpr double kHpPerKw = 1.3596;
constexpr int kPressures = 14;
constexpr int kHighestPreselected = 5;  // "1.40"

// Correction (mm) by working pressure, 0.90 .. 2.20 bar.
constexpr double kTableB[kPressures] = {0.40, 0.35, 0.30, 0.25,  0.20,  0.15,  0.10,
                                        0.05, 0.00, 0.00, -0.05, -0.05, -0.10, -0.10};
constexpr double kTableA[kPressures] = {0.15,  0.10,  0.00,  -0.05, -0.10, -0.15, -0.20,
                                        -0.20, -0.25, -0.25, -0.25, -0.30, -0.30, -0.30};

constexpr int kBarracuda = 1;
constexpr int kLastTableB = 4;  // injector types 1..4 follow table B
constexpr int kFirstHana = 8, kLastHana = 10;

std::string Format(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string HanaCode(double d) {
  if (d < 2) return "C black";
  if (d < 2.4) return "B red";
  if (d < 3) return "A green";
  return "A+ blue";
}

}  // namespace

Result Compute(const Inputs& in) {
  const double hp = in.kilowatts ? in.power * kHpPerKw : in.power;
  const double q = hp / std::max(in.cylinders, 1);
  const int p = std::clamp(in.pressureIndex, 0, kPressures - 1);
  const bool tableB = in.injector >= 1 && in.injector <= kLastTableB;
  double d = tableB ? (q * 0.3 + 14) * 0.1 + kTableB[p] : q * 0.0625 + 0.2 + kTableA[p];
  if (in.fuel != 0) d += 0.2;
  if (in.petrolType == 1) d -= 0.1;
  if (in.petrolType == 2) d -= 0.2;
  if (in.injector == kBarracuda) d += 0.2;
  if (in.injector >= kFirstHana && in.injector <= kLastHana) return {d, HanaCode(d), false};
  return {d, Format(d, 1), true};
}

const std::vector<int>& CylinderCounts() {
  static const std::vector<int> counts = {1, 2, 3, 4, 5, 6, 8, 10, 12};
  return counts;
}

std::vector<std::string> PressureItems() {
  std::vector<std::string> items;
  for (int i = 0; i < kPressures; ++i)
    items.push_back(Format(0.9 + 0.1 * i, 2));
  return items;
}

// Index 0 stands for 0.90 bar, so a tenth of a bar is the index + 9.
int PressureIndexOf(int setting86) {
  return std::clamp(setting86 / 10 - 9, 0, kHighestPreselected);
}

Inputs FromSettings(const TSterownik& link, Inputs engine) {
  const uint8_t* s = link.Nastawy();
  engine.pressureIndex = PressureIndexOf(s[86]);
  engine.fuel = s[20];
  // The KAVI family has no petrol injection type: its injectors are sequential.
  engine.petrolType = IsListed(link, 8) ? s[8] : 0;
  engine.injector = s[24];
  return engine;
}

}  // namespace nozzle
