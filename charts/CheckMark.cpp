#include "charts/CheckMark.h"

namespace chart {

namespace {

constexpr int kHalfSide = 8;
constexpr int kCornerRadius = 2;
constexpr int kTickWidth = 3;
constexpr int kHitLeft = 10;
constexpr int kHitRight = 80;  // the caption beside the mark
constexpr int kHitHalfHeight = 10;

}  // namespace

void AddCheckMark(Picture& picture, Point centre, bool ticked, const ChartColours& colours) {
  const auto [cx, cy] = centre;
  picture.Add(Rect{cx - kHalfSide, cy - kHalfSide, cx + kHalfSide, cy + kHalfSide, kWhite, true,
                   colours.checkFrame, kCornerRadius});
  if (!ticked) return;
  picture.Add(Polyline{{{cx - 6, cy - 1}, {cx - 1, cy + 5}, {cx + 6, cy - 8}}, kTick, kTickWidth});
}

bool CheckMarkHit(Point centre, int x, int y) {
  return x >= centre.x - kHitLeft && x <= centre.x + kHitRight && y >= centre.y - kHitHalfHeight &&
         y <= centre.y + kHitHalfHeight;
}

}  // namespace chart
