#pragma once

#include <cstdint>

#include "charts/Tools.h"

// The map view's colour roles, 0x00BBGGRR. The window, text, check-frame and secondary-text
// colours come from the colour scheme; the others follow whether the scheme is light or dark.
namespace chart {

constexpr uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

struct ChartColours {
  uint32_t plotBackground = Rgb(240, 240, 240);
  uint32_t window = Rgb(240, 240, 240);
  uint32_t frame = Rgb(128, 128, 128);
  uint32_t grid = Rgb(192, 192, 192);
  uint32_t text = 0;
  uint32_t cursor = Rgb(255, 255, 0);
  uint32_t curve = Rgb(128, 0, 128);
  uint32_t button = Rgb(255, 255, 255);
  uint32_t checkFrame = Rgb(128, 128, 128);
  uint32_t diagnosticText = Rgb(0, 0, 180);
  uint32_t secondaryText = Rgb(0, 0, 128);
  uint32_t headerText = 0;
  uint32_t headerBackground = Rgb(225, 225, 225);
  uint32_t upperCellBackground = Rgb(235, 235, 235);
  uint32_t mainCellBackground = Rgb(255, 255, 255);
  uint32_t disabledText = Rgb(192, 192, 192);
};

// Colours every scheme shares.
inline constexpr uint32_t kPetrol = Rgb(255, 0, 0);
inline constexpr uint32_t kGas = Rgb(0, 160, 0);
inline constexpr uint32_t kDeviation = Rgb(2, 115, 253);
inline constexpr uint32_t kGasPressure = Rgb(0, 112, 253);
inline constexpr uint32_t kSelectedNode = Rgb(255, 255, 0);
inline constexpr uint32_t kLabelBox = Rgb(255, 255, 221);
inline constexpr uint32_t kTick = Rgb(0, 128, 0);
inline constexpr uint32_t kLiveCell = Rgb(255, 0, 255);
inline constexpr uint32_t kWhite = Rgb(255, 255, 255);
inline constexpr uint32_t kBlack = 0;

inline ChartColours ChartColoursFor(bool dark, uint32_t window, uint32_t text, uint32_t checkFrame,
                                    uint32_t secondaryText) {
  ChartColours c;
  c.window = window;
  c.text = text;
  c.checkFrame = checkFrame;
  c.secondaryText = secondaryText;
  c.button = dark ? window : Lighten(window, 30);
  if (!dark) return c;
  c.plotBackground = Rgb(50, 50, 50);
  c.grid = Rgb(128, 128, 128);
  c.cursor = Rgb(255, 255, 255);
  c.curve = Rgb(209, 1, 254);
  c.diagnosticText = Rgb(255, 128, 64);
  c.headerText = Rgb(192, 192, 192);
  c.headerBackground = Rgb(80, 80, 80);
  c.upperCellBackground = Rgb(200, 200, 200);
  c.mainCellBackground = Rgb(200, 200, 200);
  c.disabledText = Rgb(128, 128, 128);
  return c;
}

}  // namespace chart
