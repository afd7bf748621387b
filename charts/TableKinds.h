#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "charts/MapCells.h"
#include "controller/ImageLayout.h"

class TSterownik;

// The 16 x 16 tables the grid kinds show: where each lives, how a cell reads, and the limits of
// the installer's key edits.
namespace chart {

struct GridKind {
  int kind = -1;
  int area = 0;  // img offset; kind 1 follows the bank in view (TableInView)
  // A cell reads (v + offset) x scale with `decimals` decimals, or nothing for a 0 when
  // emptyWhenZero.
  double scale = 1.0;
  int offset = 0;
  int decimals = 0;
  bool emptyWhenZero = false;
  int top = 255;   // key edits raise a cell only while it is below top,
  int bottom = 0;  // and lower it only while it is above bottom
  uint8_t deleteValue = 0;
};

// Nothing for the plot kinds.
const GridKind* GridKindOf(int kind);

// The table a grid kind edits now and the write that sends it. The RPM corrections follow the
// bank in view; while both banks are edited together bank 2 is written as a copy of bank 1.
struct TableArea {
  int offset = 0;
  uint32_t writeFlag = 0;
};
TableArea TableInView(const TSterownik& link, const GridKind& kind);

std::string CellText(const GridKind& kind, uint8_t value, char decimalSeparator = '.');

// ---- One table as a grid shows it, for typing, pasting and loading ----

using TableBytes = std::array<uint8_t, img::kAreaSize>;

// How a byte reads: (v + offset) x scale with `decimals` decimals; nothing for a 0 when
// emptyWhenZero.
struct CellFormat {
  double scale = 1.0;
  int offset = 0;
  int decimals = 0;
  bool emptyWhenZero = false;
};
CellFormat FormatOf(const GridKind& kind);
std::string CellText(const CellFormat& format, uint8_t value, char decimalSeparator = '.');
// The number a cell shows, rounded as its text is.
double ShownValue(const CellFormat& format, uint8_t value);

// What the grid above the RPM corrections holds (GornaTabela).
enum class UpperTable { None = 0, InjectionTimes = 1, ObdCorrections = 2 };

// A table in a grid: kind and grid pick its axes; area and write where it goes; the cells'
// format and the bytes a typed, pasted or loaded value is held to.
struct TableView {
  int kind = -1;
  bool upper = false;  // the learned maps above the RPM corrections
  int area = 0;
  uint32_t write = 0;  // RPM corrections of both banks: bank 2 is stored as a copy of bank 1
  CellFormat cells;
  int lowest = 0;  // key-edit range for the main grid, the typing limits for the upper one
  int highest = 255;
};
// The main grid's table of a grid kind, for the bank in view.
TableView MainTableInView(const TSterownik& link, const GridKind& kind);
// The upper grid's petrol or gas map: the injection-time maps, or the bank's OBD maps.
// Petrol unless shown is Gas; the deviation is no table of its own.
TableView UpperTableInView(const TSterownik& link, UpperTable table, MapShown shown);
// The upper grid's cell text, the deviation included.
std::string UpperCellText(const TSterownik& link, UpperTable table, MapShown shown, int column,
                          int row);

TableBytes TableOf(const TSterownik& link, const TableView& view);
// The RPM corrections of both banks edited together.
bool WritesBothBanks(const TableView& view);
// Stores an edited table and asks for its write; with both banks edited together the same
// bytes go to bank 2 too.
void StoreTable(TSterownik& link, const TableView& view, const TableBytes& bytes);

// A byte worked out from a shown value: clamped when the value lay outside lowest..highest.
struct StoredByte {
  uint8_t value = 0;
  bool clamped = false;
};
// The byte nearest to the shown value, held to the view's range. A value that is what `old`
// shows already keeps `old`, so that a table read back from its own texts stays as it was
// even where several bytes read alike or a byte lies outside the range.
StoredByte StoredByteOf(const TableView& view, double shown, uint8_t old);

// What the view must do after an edit.
enum class TableEdit { None, Refill, Beep };

// Table coordinates: columns 0..15 (RPM), rows 0..15 (row 0 = lowest load); both ends included.
struct Block {
  int left = 0;
  int right = 0;
  int bottom = 0;
  int top = 0;
  bool Contains(int column, int row) const {
    return column >= left && column <= right && row >= bottom && row <= top;
  }
};
// A grid selection (grid columns and rows 1..16, grid row 1 = highest load) in table
// coordinates; headers in the selection count as their nearest cells.
Block BlockFromGrid(int left, int right, int top, int bottom);

}  // namespace chart
