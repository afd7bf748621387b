#include "charts/MultiplierNodes.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "controller/Tsterownik.h"

namespace chart {
namespace {

using multiplier::kLastNode;
using multiplier::kNodes;

constexpr int kInsertStep = 10;  // a new node from Insert, 1 ms after the selected one
constexpr int kPickDistance = 5;

int& X(MultiplierNodes& n, int i) {
  return n.x[static_cast<size_t>(i)];
}

// The first pair out of order (node 0 stays first) changes places, until none is left; absent
// nodes thereby gather in the lowest slots.
void SortNodes(MultiplierNodes& n, int& selected) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int j = 1; j < kLastNode && !swapped; ++j) {
      for (int k = j + 1; k <= kLastNode && !swapped; ++k) {
        if (X(n, k) >= X(n, j)) continue;
        std::swap(X(n, j), X(n, k));
        if (selected == j)
          selected = k;
        else if (selected == k)
          selected = j;
        swapped = true;
      }
    }
  }
}

int FirstSharedPosition(const MultiplierNodes& n) {
  for (int k = 0; k < kLastNode; ++k)
    if (n.x[static_cast<size_t>(k)] != 0 &&
        n.x[static_cast<size_t>(k)] == n.x[static_cast<size_t>(k + 1)])
      return k;
  return -1;
}

// Nudging shared positions upwards can push a node past the end of the axis, into node 25's
// slot; the end node keeps the end and the nodes below it make room.
void KeepBelowEnd(MultiplierNodes& n, int& selected) {
  if (X(n, kLastNode) > n.range && (selected == kLastNode || selected == kLastNode - 1))
    selected = selected == kLastNode ? kLastNode - 1 : kLastNode;
  X(n, kLastNode) = n.range;
  for (int k = kLastNode - 1; k >= 1; --k)
    if (X(n, k) != 0 && X(n, k) >= X(n, k + 1)) X(n, k) = std::max(X(n, k + 1) - 1, 0);
}

Edit Selects(int& selected, int node) {
  selected = node;
  return Edit::Redraw;
}

Edit Stores(MultiplierNodes& n, int& selected) {
  PorzadkujWezly(n, selected);
  return Edit::Store;
}

// The nearest node below `from` that is present (node 0 always is).
int PresentBelow(const MultiplierNodes& n, int from) {
  for (int i = from - 1; i > 0; --i)
    if (n.Present(i)) return i;
  return 0;
}

int PresentAbove(const MultiplierNodes& n, int from) {
  for (int i = std::max(from + 1, 1); i < kLastNode; ++i)
    if (n.Present(i)) return i;
  return kLastNode;
}

bool Inner(int node) {
  return node >= 1 && node < kLastNode;
}

Edit PageUp(MultiplierNodes& n, int& selected) {
  if (selected >= kLastNode) return Edit::Beep;
  return Selects(selected, PresentAbove(n, selected));
}

Edit PageDown(MultiplierNodes& n, int& selected) {
  if (selected <= 0) return Edit::Beep;
  return Selects(selected, PresentBelow(n, selected));
}

// A node moved onto a neighbour's position selects the neighbour instead.
Edit Left(MultiplierNodes& n, int& selected) {
  if (selected == kLastNode) return Selects(selected, PresentBelow(n, selected));
  if (!Inner(selected)) return Edit::None;
  const int target = X(n, selected) - 1;
  for (int i = 0; i < selected; ++i)
    if (X(n, i) == target) {
      selected = i;
      return Stores(n, selected);
    }
  X(n, selected) = target;
  return Stores(n, selected);
}

Edit Right(MultiplierNodes& n, int& selected) {
  if (selected == 0) return Selects(selected, PresentAbove(n, 0));
  if (!Inner(selected)) return Edit::None;
  const int target = X(n, selected) + 1;
  for (int i = kLastNode - 1; i > selected; --i)
    if (X(n, i) == target) {
      selected = i;
      return Stores(n, selected);
    }
  X(n, selected) = target;
  return Stores(n, selected);
}

// A new node 1 ms after the selected one (after node 0 when none is selected), in the first free
// slot.
Edit Insert(MultiplierNodes& n, int& selected) {
  int free = 1;
  while (free < kLastNode && X(n, free) != 0)
    ++free;
  const int base = selected >= 0 ? selected : 0;
  if (free == kLastNode || X(n, base) >= n.range - kInsertStep) return Edit::Beep;
  X(n, free) = X(n, base) + kInsertStep;
  selected = free;
  return Stores(n, selected);
}

// The node below the removed one takes the selection; node 0 when none is left.
Edit Delete(MultiplierNodes& n, int& selected) {
  if (!Inner(selected)) return Edit::Beep;
  X(n, selected) = 0;
  selected = PresentBelow(n, selected);
  return Stores(n, selected);
}

}  // namespace

MultiplierNodes NodesInView(const TSterownik& link) {
  const multiplier::Bank& bank = multiplier::InView(link.AktalnyBank());
  const uint8_t* settings = link.Nastawy();
  const auto& image = link.ObrazSterownika();
  MultiplierNodes n;
  for (int i = 0; i < kNodes; ++i)
    X(n, i) = settings[bank.firstNode + i];
  std::copy_n(image.begin() + bank.table, img::kAreaSize, n.table.begin());
  n.range = link.ZakresMnoznika();
  n.values = multiplier::ValueRange(settings);
  n.extended = multiplier::ExtendedRange(settings);
  n.offset = image[static_cast<size_t>(bank.adaptation)] - 128;
  return n;
}

void PorzadkujWezly(MultiplierNodes& n, int& selected) {
  X(n, 0) = 0;
  X(n, kLastNode) = n.range;
  for (int& x : n.x)
    x = std::min(x, n.range);
  SortNodes(n, selected);
  for (int k = FirstSharedPosition(n); k >= 0; k = FirstSharedPosition(n)) {
    ++X(n, k);
    SortNodes(n, selected);
  }
  KeepBelowEnd(n, selected);
}

Edit ZmienWezly(MultiplierNodes& n, int& selected, int delta) {
  for (int i = 0; i < kNodes; ++i) {
    if (selected >= 0 ? i != selected : !n.Present(i)) continue;
    uint8_t& value = n.table[static_cast<size_t>(X(n, i))];
    value = static_cast<uint8_t>(std::clamp(value + delta, n.values.lowest, n.values.highest));
  }
  return Stores(n, selected);
}

Edit KeyOnNodes(MultiplierNodes& n, int& selected, NodeKey key, bool ctrl) {
  switch (key) {
    case NodeKey::PageUp:
      return PageUp(n, selected);
    case NodeKey::PageDown:
      return PageDown(n, selected);
    case NodeKey::Home:
      return Selects(selected, 0);
    case NodeKey::End:
      return Selects(selected, kLastNode);
    case NodeKey::Left:
      return ctrl ? PageDown(n, selected) : Left(n, selected);
    case NodeKey::Right:
      return ctrl ? PageUp(n, selected) : Right(n, selected);
    case NodeKey::Up:
      return ZmienWezly(n, selected, +1);
    case NodeKey::Down:
      return ZmienWezly(n, selected, -1);
    case NodeKey::Insert:
      return Insert(n, selected);
    case NodeKey::Delete:
      return Delete(n, selected);
  }
  return Edit::None;
}

Edit PressOnNodes(MultiplierNodes& n, int& selected, const PlotGeometry& plot, int x, int y,
                  bool rightButton) {
  if (plot.w <= 0 || plot.h <= 0 || n.range <= 0) return Edit::None;
  const int t = std::max((x - plot.x0) * n.range / plot.w, 0);
  if (rightButton) {
    int free = 1;
    while (free < kLastNode && X(n, free) != 0)
      ++free;
    if (free == kLastNode) return Edit::Beep;
    X(n, free) = std::max(t, 1);  // position 0 would make it an absent node
    selected = free;
    return Stores(n, selected);
  }
  // The value under the pointer, on the same scale the nodes are drawn with.
  const int v = n.extended ? (plot.yb - y) * 250 / plot.h : (plot.yb - y) * 100 / plot.h + 50;
  int nearest = 0;
  for (int i = 1; i < kNodes; ++i)
    if (n.Present(i) && std::abs(X(n, i) - t) < std::abs(X(n, nearest) - t)) nearest = i;
  const bool close =
      std::abs(X(n, nearest) - t) < kPickDistance && std::abs(n.Shown(nearest) - v) < kPickDistance;
  selected = close ? nearest : -1;
  return Edit::Redraw;
}

void StoreNodes(TSterownik& link, const MultiplierNodes& n) {
  WezlyMnoznika stored;
  for (int i = 0; i < kNodes; ++i) {
    const size_t slot = static_cast<size_t>(i);
    stored.x[slot] = static_cast<uint8_t>(std::clamp(n.x[slot], 0, img::kAreaSize - 1));
    stored.value[slot] = n.table[stored.x[slot]];
  }
  link.UstawWezlyMnoznika(stored);
}

}  // namespace chart
