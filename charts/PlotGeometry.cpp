#include "charts/PlotGeometry.h"

#include <cstdlib>

namespace chart {

PlotGeometry PlotGeometryFor(int width, int height, int kind) {
  PlotGeometry g;
  g.width = width;
  g.height = height;
  g.w = width - (kind == kInjectionMapKind ? 120 : 80);
  g.h = static_cast<int>(height - 62.5);
  g.yb = g.h + 25;
  return g;
}

// Close enough to the default sans face for placing texts where no font is at hand.
int TextWidthEstimate(std::string_view text, int points) {
  int characters = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++characters;  // count UTF-8 characters, not bytes
  return characters * points * 3 / 4;
}

}  // namespace chart
