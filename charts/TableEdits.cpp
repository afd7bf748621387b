#include "charts/TableEdits.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "controller/Multiplier.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

constexpr int kSize = setting::kMapSize;
// Change-nearest reaches this many rings around the block; ring d moves on every 2^d-th press.
constexpr int kNearestRings = 4;
constexpr double kSmoothingShare = 0.2;

size_t Index(int column, int row) {
  return static_cast<size_t>(column * kSize + row);
}

// One step up or down within the kind's key-edit range; true when the cell moved.
bool Step(uint8_t& cell, int step, const GridKind& kind) {
  if (step > 0 && cell < kind.top) {
    ++cell;
    return true;
  }
  if (step < 0 && cell > kind.bottom) {
    --cell;
    return true;
  }
  return false;
}

// The larger of the column and the row distance; 0 inside the block.
int Distance(const Block& block, int column, int row) {
  const int dc = std::max({block.left - column, column - block.right, 0});
  const int dr = std::max({block.bottom - row, row - block.top, 0});
  return std::max(dc, dr);
}

// Counts the press; the counter of the press's direction.
int CountPress(PressCounters& presses, int step) {
  if (step > 0) {
    presses.down = 0;
    return ++presses.up;
  }
  presses.up = 0;
  return ++presses.down;
}

bool Reaches(int press, int distance) {
  return distance <= kNearestRings && (press & 0xFF) % (1 << distance) == 0;
}

TableEdit Store(TSterownik& link, const TableView& view, const TableBytes& table, bool changed) {
  if (!changed) return TableEdit::None;
  StoreTable(link, view, table);
  return TableEdit::Refill;
}

int StepOf(BlockKey key) {
  return key == BlockKey::Increase || key == BlockKey::IncreaseAll ? 1 : -1;
}

}  // namespace

TableEdit EditBlock(TSterownik& link, const GridKind& kind, const Block& block, BlockKey key,
                    bool changeNearest, PressCounters& presses) {
  const TableView view = MainTableInView(link, kind);
  TableBytes table = TableOf(link, view);
  bool changed = false;
  if (key == BlockKey::Delete) {
    for (int c = block.left; c <= block.right; ++c)
      for (int r = block.bottom; r <= block.top; ++r) {
        uint8_t& cell = table[Index(c, r)];
        changed |= cell != kind.deleteValue;
        cell = kind.deleteValue;
      }
    return Store(link, view, table, changed);
  }
  const bool whole = key == BlockKey::IncreaseAll || key == BlockKey::DecreaseAll;
  const int step = StepOf(key);
  const bool nearest = !whole && changeNearest && kind.kind == kRpmCorrectionKind;
  const int press = nearest ? CountPress(presses, step) : 0;
  for (int c = 0; c < kSize; ++c)
    for (int r = 0; r < kSize; ++r) {
      const int distance = whole ? 0 : Distance(block, c, r);
      if (distance == 0)
        changed |= Step(table[Index(c, r)], step, kind);
      else if (nearest && Reaches(press, distance))
        Step(table[Index(c, r)], step, kind);
    }
  // Without a change in the block the surrounding cells' changes are dropped with the rest.
  return Store(link, view, table, changed);
}

TableEdit ZmienZaznaczone(TSterownik& link, const GridKind& kind, const Block& block, int code,
                          bool changeNearest, PressCounters& presses) {
  if (code != kIncreaseCode && code != kDecreaseCode) return TableEdit::None;
  return EditBlock(link, kind, block,
                   code == kIncreaseCode ? BlockKey::Increase : BlockKey::Decrease, changeNearest,
                   presses);
}

TableEdit StepLiveCell(TSterownik& link, const std::optional<GridCell>& cell, int step) {
  if (!cell) return TableEdit::None;
  const GridKind& kind = *GridKindOf(kRpmCorrectionKind);
  const TableView view = MainTableInView(link, kind);
  TableBytes table = TableOf(link, view);
  return Store(link, view, table, Step(table[Index(cell->column, cell->row)], step, kind));
}

TableEdit WygladzKorekty(TSterownik& link) {
  const TableView view = MainTableInView(link, *GridKindOf(kRpmCorrectionKind));
  TableBytes table = TableOf(link, view);
  const int mean = std::accumulate(table.begin(), table.end(), 0) / static_cast<int>(table.size());
  bool changed = false;
  for (uint8_t& v : table) {
    const int difference = mean - v;
    if (difference == 0) continue;
    const int share = std::max(1, static_cast<int>(std::abs(difference) * kSmoothingShare));
    v = static_cast<uint8_t>(v + (difference > 0 ? share : -share));
    changed = true;
  }
  return Store(link, view, table, changed);
}

void KasujKorektyObrotowBanku(TSterownik& link) {
  link.KasujKorOdObr(multiplier::ResetMask(link.AktalnyBank()));
}

}  // namespace chart
