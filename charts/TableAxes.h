#pragma once

#include <optional>
#include <string>

#include "charts/TableKinds.h"

class TSterownik;

// The axes of the 16 x 16 tables: the RPM breakpoints over the columns, the row breakpoints by
// kind and settings, the corner between them, what the installer may type into a grid, and the
// commits of typed breakpoints.
namespace chart {

// Where a row axis comes from: settings the installer can type into, or steps the controller
// fixes.
enum class RowStore { Load, Time, Voltage, Fixed };

struct RowAxis {
  RowStore store = RowStore::Load;
  int firstSetting = 0;  // the breakpoint of row 0; none for a fixed axis
  double unit = 0.01;    // value of one stored unit; a fixed axis: the step, row k at (k + 1)
  int decimals = 2;
  int cornerTextId = 961;
};

// upper: the learned maps above the RPM corrections.
RowAxis RowAxisOf(const TSterownik& link, int kind, bool upper);
RowAxis RowAxisOf(const TSterownik& link, const TableView& view);

// Column 0..15: the rpm of setting 240 + column.
std::string ColumnHeaderText(const TSterownik& link, int column);
// Row 0..15 (row 0 = lowest load).
std::string RowHeaderText(const TSterownik& link, const RowAxis& axis, int row);
// The number a row header shows, rounded as its text is.
double RowHeaderValue(const TSterownik& link, const RowAxis& axis, int row);

// What the main grid lets the installer type into.
struct Typeable {
  bool columnHeaders = false;
  bool rowHeaders = false;
  bool cells = false;
};
Typeable TypeableOf(const TSterownik& link, int kind);

// The text read as the cell editor takes it: the first "," is a decimal point; what does not
// read as a number counts as 0. Nothing for a number too large or too small for a double, which
// is refused rather than taken for 0.
std::optional<double> TypedNumber(const std::string& text);

// A typed rpm into column 0..15: a whole number, else the old rpm stays; held to 50..10000.
TableEdit CommitColumnHeader(TSterownik& link, int column, const std::string& text);
// A typed breakpoint into row 0..15 of a kind's main grid, into the store its header shows,
// in the header's unit, held to 0..255 units. 0 keeps the old breakpoint except in the bottom
// row. A fixed axis takes nothing (Beep), nor does a number beyond a double.
TableEdit CommitRowHeader(TSterownik& link, int kind, int row, const std::string& text);

// Re-spaces the row axis of the kind's main grid evenly between its first and last breakpoint
// (swapped when the last is below the first): the voltage breakpoints when the grid shows
// them, else the load breakpoints.
void AutomaticRange(TSterownik& link, int kind);

}  // namespace chart
