#pragma once

#include <string>
#include <vector>

class TSterownik;

// The nozzle size calculator: an estimate of the nozzle bore from the engine's power per
// cylinder, the working pressure, the fuel, the petrol injection and the injector type.
namespace nozzle {

struct Inputs {
  double power = 100;  // in the unit below
  bool kilowatts = false;
  int cylinders = 4;
  int pressureIndex = 5;  // into PressureItems()
  int fuel = 0;           // setting 20: 0 LPG, 1 CNG
  int petrolType = 0;     // setting 8
  int injector = 1;       // setting 24, whose list starts at 1
};

struct Result {
  double millimetres = 0;
  std::string text;       // "2.5", or a colour code for the Hana injectors
  bool showsUnit = true;  // the millimetre label
};
Result Compute(const Inputs& inputs);

inline constexpr int kMinPower = 25;
inline constexpr int kMaxPower = 1000;
const std::vector<int>& CylinderCounts();
// "0.90" .. "2.20" bar.
std::vector<std::string> PressureItems();
// The pressure entry that setting 86 (0.01 bar) preselects: at most "1.40".
int PressureIndexOf(int setting86);

// The inputs the controller's settings preselect, with the engine left as given; a setting the
// family does not have counts as its first option.
Inputs FromSettings(const TSterownik& link, Inputs engine);

}  // namespace nozzle
