// The correction curves' nodes edited with the keys, the arrow buttons and the mouse.

#include <algorithm>
#include <cstdlib>

#include "charts/ArrowButtons.h"
#include "charts/CorrectionCurve.h"

namespace chart {
namespace {

using curve::kLastNode;

constexpr int kLastInner = kLastNode - 1;
constexpr int kPickDistance = 5;
constexpr int kMargin = 5;  // presses this close outside the plot still reach the nodes

bool Inner(int node) {
  return node >= 1 && node <= kLastInner;
}

Edit Selects(int& selected, int node) {
  selected = node;
  return Edit::Redraw;
}

Edit Stores(CorrectionCurve& c, int& selected) {
  PorzadkujPunkty(c, selected);
  return Edit::Store;
}

// A node placed on the curve where it stands, so that the line does not jump; kept a node
// (value 0 would make it absent) within the values a node may take.
void PlaceOnCurve(CorrectionCurve& c, int node, int x) {
  x = std::clamp(x, c.AxisMin(), c.AxisMax());
  c.Set(node, x, std::clamp(c.ValueAt(x), curve::kLowestValue, curve::kHighestValue));
}

int FirstAbsentFrom(const CorrectionCurve& c, int from) {
  for (int i = from; i <= kLastNode; ++i)
    if (!c.Present(i)) return i;
  return kLastNode + 1;
}

Edit PageUp(CorrectionCurve& c, int& selected) {
  if (selected > kLastInner) return Edit::Beep;
  for (int i = selected + 1; i <= kLastNode; ++i)
    if (c.Present(i)) return Selects(selected, i);
  return Edit::Beep;
}

Edit PageDown(CorrectionCurve& c, int& selected) {
  if (selected <= 0) return Edit::Beep;
  for (int i = selected - 1; i >= 0; --i)
    if (c.Present(i)) return Selects(selected, i);
  return Edit::Beep;
}

// One position along the axis; onto a neighbour's position it selects the neighbour instead.
Edit Step(CorrectionCurve& c, int& selected, int step) {
  if (!Inner(selected) || !c.Present(selected)) return Edit::Beep;
  const int target = c.X(selected) + step;
  if (target < c.AxisMin() || target > c.AxisMax()) return Edit::Beep;
  if (step < 0) {
    for (int i = 0; i < selected; ++i)
      if (c.Present(i) && c.X(i) == target) return Selects(selected, i);
  } else {
    for (int i = kLastNode; i > selected; --i)
      if (c.Present(i) && c.X(i) == target) return Selects(selected, i);
  }
  c.Set(selected, target, c.Y(selected));
  return Stores(c, selected);
}

// A new node in the first free inner slot, half-way between the nodes on either side of it.
Edit Insert(CorrectionCurve& c, int& selected) {
  const int free = FirstAbsentFrom(c, 1);
  if (free > kLastInner) return Edit::Beep;
  int next = free + 1;
  while (next <= kLastNode && !c.Present(next))
    ++next;
  if (next > kLastNode) return Edit::Beep;
  PlaceOnCurve(c, free, (c.X(free - 1) + c.X(next)) / 2);
  selected = free;
  return Stores(c, selected);
}

// The nearest present node below the removed one takes the selection.
Edit Delete(CorrectionCurve& c, int& selected) {
  if (!Inner(selected) || !c.Present(selected)) return Edit::Beep;
  c.Set(selected, 0, 0);
  int below = selected - 1;
  while (below >= 0 && !c.Present(below))
    --below;
  selected = below;
  return Stores(c, selected);
}

bool NearPlot(const PlotGeometry& plot, int x, int y) {
  return x >= plot.x0 - kMargin && x <= plot.Right() + kMargin && y >= plot.Top() - kMargin &&
         y <= plot.yb + kMargin;
}

Edit PressInPlot(CorrectionCurve& c, int& selected, const PlotGeometry& plot, int px, int py,
                 bool rightButton) {
  const int span = c.AxisMax() - c.AxisMin();
  // A press just left or right of the plot stands for the end of the axis.
  const int x = std::clamp((px - plot.x0) * span / plot.w + c.AxisMin(), c.AxisMin(), c.AxisMax());
  if (rightButton) {
    const int free = FirstAbsentFrom(c, 1);
    if (free > kLastNode) return Edit::None;
    PlaceOnCurve(c, free, x);
    selected = free;
    return Stores(c, selected);
  }
  const int y = (plot.yb - py) * curve::kValueSpan / plot.h + curve::kLowestValue;
  int nearest = -1;
  for (int i = 0; i <= kLastNode; ++i)
    if (c.Present(i) && (nearest < 0 || std::abs(c.X(i) - x) < std::abs(c.X(nearest) - x)))
      nearest = i;
  const bool close = nearest >= 0 && std::abs(c.X(nearest) - x) < kPickDistance &&
                     std::abs(c.Y(nearest) - y) < kPickDistance;
  return Selects(selected, close ? nearest : -1);
}

}  // namespace

Edit ZmienPunkty(CorrectionCurve& c, int& selected, int delta) {
  for (int i = 0; i <= kLastNode; ++i) {
    if (!c.Present(i) || (selected >= 0 && i != selected)) continue;
    c.Set(i, c.X(i), std::clamp(c.Y(i) + delta, curve::kLowestValue, curve::kHighestValue));
  }
  return Stores(c, selected);
}

Edit KeyOnCurve(CorrectionCurve& c, int& selected, NodeKey key, bool ctrl) {
  switch (key) {
    case NodeKey::PageUp:
      return PageUp(c, selected);
    case NodeKey::PageDown:
      return PageDown(c, selected);
    case NodeKey::Home:
      return Selects(selected, 0);
    case NodeKey::End:
      return Selects(selected, kLastNode);
    case NodeKey::Left:
      return ctrl ? PageDown(c, selected) : Step(c, selected, -1);
    case NodeKey::Right:
      return ctrl ? PageUp(c, selected) : Step(c, selected, +1);
    case NodeKey::Up:
      return ZmienPunkty(c, selected, +1);
    case NodeKey::Down:
      return ZmienPunkty(c, selected, -1);
    case NodeKey::Insert:
      return Insert(c, selected);
    case NodeKey::Delete:
      return Delete(c, selected);
  }
  return Edit::None;
}

CurvePress PressOnCurve(CorrectionCurve& c, int& selected, const PlotGeometry& plot, int x, int y,
                        bool rightButton) {
  if (plot.w <= 0 || plot.h <= 0) return {};
  if (const int step = ArrowButtonAt(plot, x, y); step != 0)
    return {false, ZmienPunkty(c, selected, step)};
  if (!NearPlot(plot, x, y)) return {};
  return {true, PressInPlot(c, selected, plot, x, y, rightButton)};
}

}  // namespace chart
