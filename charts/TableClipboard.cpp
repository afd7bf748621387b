#include "charts/TableClipboard.h"

#include "charts/MapSettings.h"
#include "charts/TableText.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

constexpr int kSize = setting::kMapSize;

size_t Index(int column, int row) {
  return static_cast<size_t>(column * kSize + row);
}

PasteResult Refused(const std::string& why) {
  return {TableEdit::Beep, why, 0};
}

}  // namespace

std::string CopyBlock(const TSterownik& link, const TableView& view, const Block& block) {
  const TableBytes table = TableOf(link, view);
  std::string text;
  for (int r = block.top; r >= block.bottom; --r) {
    for (int c = block.left; c <= block.right; ++c) {
      if (c > block.left) text += '\t';
      text += CellText(view.cells, table[Index(c, r)], link.DecimalSeparator());
    }
    text += '\n';
  }
  return text;
}

PasteResult PasteBlock(TSterownik& link, const TableView& view, int column, int row,
                       const std::string& text) {
  const TextRows rows = SplitRows(text, '\t');
  if (rows.empty()) return Refused("Nothing to paste.");
  const size_t width = rows[0].size();
  for (size_t i = 1; i < rows.size(); ++i)
    if (rows[i].size() != width)
      return Refused("Line " + std::to_string(i + 1) + " has " + std::to_string(rows[i].size()) +
                     " values, line 1 has " + std::to_string(width) + ".");
  const int columns = static_cast<int>(width);
  const int lines = static_cast<int>(rows.size());
  if (column < 0 || row >= kSize || column + columns > kSize || row - lines + 1 < 0)
    return Refused("A block of " + std::to_string(lines) + " x " + std::to_string(columns) +
                   " values does not fit from the cell.");
  TableBytes table = TableOf(link, view);
  PasteResult result;
  for (int i = 0; i < lines; ++i)
    for (int j = 0; j < columns; ++j) {
      const std::string& field = rows[static_cast<size_t>(i)][static_cast<size_t>(j)];
      uint8_t& cell = table[Index(column + j, row - i)];
      if (field.empty() && view.cells.emptyWhenZero) {
        cell = 0;
        continue;
      }
      const FieldNumber shown = ReadNumber(field, true);
      if (!shown)
        return Refused("Line " + std::to_string(i + 1) + ", value " + std::to_string(j + 1) + ": " +
                       NumberRefusal(field, shown.problem) + ".");
      const StoredByte stored = StoredByteOf(view, shown.value, cell);
      cell = stored.value;
      result.clamped += stored.clamped;
    }
  if (table == TableOf(link, view)) return result;
  StoreTable(link, view, table);
  result.edit = TableEdit::Refill;
  return result;
}

TableSnapshot SnapshotOf(const TSterownik& link, const TableView& view) {
  TableSnapshot snapshot;
  if (!WritesBothBanks(view)) {
    snapshot.areas.push_back({view.area, view.write, TableOf(link, view)});
    return snapshot;
  }
  TableView bank = view;
  for (const auto& [offset, write] : {std::pair{img::KorOdObr1, AreaBit::RpmCorrection1},
                                      std::pair{img::KorOdObr2, AreaBit::RpmCorrection2}}) {
    bank.area = offset;
    snapshot.areas.push_back({offset, write, TableOf(link, bank)});
  }
  return snapshot;
}

void TableUndo::Record(TableSnapshot before, TableEdit result) {
  if (result == TableEdit::Refill) last_ = std::move(before);
}

TableEdit TableUndo::Undo(TSterownik& link) {
  if (!last_) return TableEdit::None;
  for (const TableSnapshot::Area& area : last_->areas)
    link.ZapiszObszar(area.offset, area.bytes, area.write);
  last_.reset();
  return TableEdit::Refill;
}

}  // namespace chart
