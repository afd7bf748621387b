#include "charts/TableTyping.h"

#include "charts/MapSettings.h"
#include "charts/TableAxes.h"

namespace chart {

TableEdit CommitCell(TSterownik& link, const TableView& view, int column, int row,
                     const std::string& text) {
  if (column < 0 || column >= setting::kMapSize || row < 0 || row >= setting::kMapSize)
    return TableEdit::Beep;
  TableBytes table = TableOf(link, view);
  uint8_t& cell = table[static_cast<size_t>(column * setting::kMapSize + row)];
  const std::optional<double> number = TypedNumber(text);
  if (!number) return TableEdit::Beep;  // the cell keeps its value
  const uint8_t typed = StoredByteOf(view, *number, cell).value;
  if (typed == cell) return TableEdit::Refill;  // the cell shows its value again
  cell = typed;
  StoreTable(link, view, table);
  return TableEdit::Refill;
}

}  // namespace chart
