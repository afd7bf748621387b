#pragma once

#include <string>

class TSterownik;

// The learned injection-time maps and the multiplier's nodes as texts: what the tables over the
// RPM corrections and the command line show.
namespace chart {

// The byte of a 16 x 16 table at img offset `area`, stored column by column (column = RPM
// index, row = load index).
int MapCell(const TSterownik& link, int area, int column, int row);

// What a map shows: Widok 0 petrol, 1 gas, 2 deviation (petrol less gas).
enum class MapShown { Petrol = 0, Gas = 1, Deviation = 2 };

// Milliseconds with one decimal; the deviation with "+" when positive; empty without data.
std::string InjectionMapCellText(const TSterownik& link, MapShown shown, int column, int row);
// The axes: a row's load breakpoint (bar, or volt for a MAF signal) and a column's RPM.
std::string LoadBreakpointText(const TSterownik& link, int row);
std::string RpmBreakpointText(const TSterownik& link, int column);
// The corner over both axes: "bar\rpm", or "V\rpm" for a MAF signal.
std::string LoadAxisCorner(const TSterownik& link);

// The cylinders of bank 1 or 2 that run on gas, each followed by a blank: "1 3 ".
std::string BankCylinders(const TSterownik& link, int bank);

// A node's position in milliseconds and its value as a factor.
std::string NodePositionText(int position, char decimalSeparator);
std::string NodeValueText(int value, char decimalSeparator);

}  // namespace chart
