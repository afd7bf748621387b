#pragma once

#include <cstdint>
#include <span>

// Settings that fill in others when chosen: the injector types and the level sensor types.
namespace options {

// An injector type (setting 24) and what choosing it writes into settings 25..29: peak current
// time, opening-closing time, slope, PWM duty, switch-off time after the peak.
struct InjectorType {
  const char* name;
  int settings[5];
};
std::span<const InjectorType> InjectorTypes();

// A level sensor type (setting 40): its LED thresholds, written into settings 44, 43, 42 and 41
// (the 1/4, 1/2, 3/4 and 4/4 LEDs), and whether the voltage rises with the level.
struct LevelPreset {
  uint8_t thresholds[4];
  bool rising;
};
std::span<const LevelPreset> LevelPresets();

}  // namespace options
