#pragma once

#include <cstdint>

// Colours as the program keeps them: 0x00BBGGRR, red in the low byte.
constexpr uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}
