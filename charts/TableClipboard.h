#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/TableKinds.h"

class TSterownik;

// A block of a table as a spreadsheet takes it, a spreadsheet's block pasted back, and the undo
// of the last edit.
namespace chart {

// The shown values of the block, tab-separated, the highest row first, each line ending in
// "\n"; numbers with the link's decimal separator.
std::string CopyBlock(const TSterownik& link, const TableView& view, const Block& block);

struct PasteResult {
  TableEdit edit = TableEdit::None;
  std::string message;  // why the paste was refused; empty when it was taken
  int clamped = 0;      // cells held to the view's range
};
// Pastes tab-separated shown values with their top left cell at (column, row) of the table,
// lines going down to lower rows. Each value becomes the nearest byte in the view's range; an
// empty cell of a table that shows 0 as nothing is 0. Lines of unequal length, a block larger
// than the room from the cell, a value that is no number and an empty paste are refused with
// the message and change nothing.
PasteResult PasteBlock(TSterownik& link, const TableView& view, int column, int row,
                       const std::string& text);

// The bytes of the areas an edit may write, taken before it.
struct TableSnapshot {
  struct Area {
    int offset = 0;
    uint32_t write = 0;
    TableBytes bytes{};
  };
  std::vector<Area> areas;
};
// The table in view; with both banks edited together, both banks.
TableSnapshot SnapshotOf(const TSterownik& link, const TableView& view);

// The last edit's table as it was before, for one undo.
class TableUndo {
 public:
  // Keeps `before` when the edit changed the table (its result is Refill). Take `before` in a
  // statement of its own ahead of the edit: a call's arguments are evaluated in no fixed order.
  void Record(TableSnapshot before, TableEdit result);
  bool Available() const { return last_.has_value(); }
  // Puts the tables back and asks for their writes, so that the controller ends with them as
  // they were; Refill, or None when there is nothing to undo.
  TableEdit Undo(TSterownik& link);
  void Forget() { last_.reset(); }

 private:
  std::optional<TableSnapshot> last_;
};

}  // namespace chart
