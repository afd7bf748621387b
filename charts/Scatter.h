#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "charts/Picture.h"

// Where the single pixels of the diagnostic charts land.
namespace chart {

// A computed value as a pixel coordinate, truncated toward zero; nothing when it is not a
// finite number an int holds.
std::optional<int> Truncated(double value);

// Pixels set one after another on a bitmap of the given size: where two land on one spot the
// later one's colour stays, as it would on the bitmap itself. Pixels off the bitmap are dropped.
class Scatter {
 public:
  Scatter(int width, int height, std::vector<uint32_t> colours);
  // colour: an index into the colours.
  void Set(int x, int y, int colour);
  // One layer per colour, in the order the colours were given.
  std::vector<Pixels> Layers() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> colours_;
  std::vector<uint8_t> cells_;  // 0 empty, else the colour's index + 1
  int firstRow_ = 0;            // the rows any pixel was set in
  int lastRow_ = -1;
};

// The layers that hold any pixel.
void AddPixels(Picture& picture, const std::vector<Pixels>& layers);

}  // namespace chart
