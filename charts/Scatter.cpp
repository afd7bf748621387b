#include "charts/Scatter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace chart {

std::optional<int> Truncated(double value) {
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  const double whole = std::trunc(value);
  if (!(whole >= kLowest && whole <= kHighest)) return std::nullopt;  // NaN fails too
  return static_cast<int>(whole);
}

Scatter::Scatter(int width, int height, std::vector<uint32_t> colours)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), colours_(std::move(colours)) {
  cells_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
  firstRow_ = height_;
}

void Scatter::Set(int x, int y, int colour) {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
  if (colour < 0 || colour >= static_cast<int>(colours_.size())) return;
  cells_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] =
      static_cast<uint8_t>(colour + 1);
  firstRow_ = std::min(firstRow_, y);
  lastRow_ = std::max(lastRow_, y);
}

std::vector<Pixels> Scatter::Layers() const {
  std::vector<Pixels> layers(colours_.size());
  for (size_t c = 0; c < colours_.size(); ++c)
    layers[c].colour = colours_[c];
  for (int y = firstRow_; y <= lastRow_; ++y) {
    const uint8_t* row = &cells_[static_cast<size_t>(y) * static_cast<size_t>(width_)];
    for (int x = 0; x < width_; ++x)
      if (row[x] != 0) layers[row[x] - 1u].points.push_back({x, y});
  }
  return layers;
}

void AddPixels(Picture& picture, const std::vector<Pixels>& layers) {
  for (const Pixels& layer : layers)
    if (!layer.points.empty()) picture.Add(layer);
}

}  // namespace chart
