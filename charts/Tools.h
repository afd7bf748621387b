#pragma once

#include <algorithm>
#include <cstdint>

// Adds delta to each of the red, green and blue bytes of a 0x00BBGGRR colour, clamped to
// 0..255: the shades of grids and charts.
inline uint32_t Lighten(uint32_t colour, int delta) {
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int channel = std::clamp(static_cast<int>((colour >> shift) & 0xFF) + delta, 0, 255);
    result |= static_cast<uint32_t>(channel) << shift;
  }
  return result;
}
