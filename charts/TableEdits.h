#pragma once

#include <optional>

#include "charts/LiveCursor.h"
#include "charts/TableKinds.h"

class TSterownik;

// The installer's block edits of a grid kind's table with the keys, the RPM corrections'
// live-cell keys, smoothing and clearing.
namespace chart {

enum class BlockKey {
  Increase,     // Ctrl+Up, the "+" button (code 151)
  Decrease,     // Ctrl+Down, the "-" button (code 152)
  IncreaseAll,  // Alt+Up: every cell of the table
  DecreaseAll,  // Alt+Down
  Delete,       // the block to the kind's delete value
};
inline constexpr int kIncreaseCode = 151;
inline constexpr int kDecreaseCode = 152;

// Presses of the increase and decrease keys since the last press the other way; owned by the
// view, which resets them on every press on a grid.
struct PressCounters {
  int up = 0;
  int down = 0;
};

// Changes the block of the kind's table in view. With changeNearest (kind 1 only) an increase
// or decrease also moves the cells around the block, less the farther they are. The table is
// stored and written only when a cell inside the block (or any cell on the whole-table keys)
// changed; otherwise nothing changes at all.
TableEdit EditBlock(TSterownik& link, const GridKind& kind, const Block& block, BlockKey key,
                    bool changeNearest, PressCounters& presses);
// ZmienZaznaczone: code 151 increases, 152 decreases; other codes do nothing.
TableEdit ZmienZaznaczone(TSterownik& link, const GridKind& kind, const Block& block, int code,
                          bool changeNearest, PressCounters& presses);

// The RPM corrections' "+" (step 1) and "-" (step -1) on the live cell: held to 50..150;
// nothing while no live cell is known.
TableEdit StepLiveCell(TSterownik& link, const std::optional<GridCell>& cell, int step);

// Moves every RPM correction of the bank in view a fifth of the way towards their mean.
TableEdit WygladzKorekty(TSterownik& link);
// Clears the RPM corrections of the bank in view (both while both are edited together).
void KasujKorektyObrotowBanku(TSterownik& link);

}  // namespace chart
