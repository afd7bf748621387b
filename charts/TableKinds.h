#pragma once

#include <cstdint>
#include <string>

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

}  // namespace chart
