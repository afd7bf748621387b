#include "charts/CheckMark.h"

namespace chart {

Picture CheckMark(Point centre, bool on, const ChartColours& colours) {
  const int cx = centre.x, cy = centre.y;
  Picture p;
  p.Add(Rect{cx - 8, cy - 8, cx + 8, cy + 8, kWhite, true, colours.checkFrame, 2});
  if (on) p.Add(Polyline{{{cx - 6, cy - 1}, {cx - 1, cy + 5}, {cx + 6, cy - 8}}, kTick, 3});
  return p;
}

bool OnCheckMark(Point centre, int x, int y) {
  return x >= centre.x - 10 && x <= centre.x + 80 && y >= centre.y - 10 && y <= centre.y + 10;
}

}  // namespace chart
