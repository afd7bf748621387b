#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "charts/LiveCursor.h"
#include "charts/TableKinds.h"

class TSterownik;

// A table as comma-separated values: the corner, the 16 column headers, then the 16 rows from
// the highest load to the lowest, each row header followed by its 16 cells, numbers with ".".
namespace chart {

// The texts of the table as its grid shows them, line by line in that order.
std::vector<std::vector<std::string>> TableTexts(const TSterownik& link, const TableView& view,
                                                 char decimalSeparator);
std::string TableCsv(const TSterownik& link, const TableView& view);

struct CsvLoad {
  bool ok = false;
  std::string message;  // why the file was refused, with its line and column
  TableBytes bytes{};   // the table to store; the view's table where the file says the same
  std::vector<GridCell> clamped;  // cells held to the view's range
};
// Reads a CSV of the view's table against the link's axes: "," separated with "." decimals, or
// ";" separated with "," or "." decimals. 17 lines of 17 fields (a last empty line aside); the
// headers must be those the controller has now, or the table would land on other breakpoints;
// every cell a number, or empty where the table shows 0 as nothing. Refused input names its
// line and column and changes nothing; the link is only read.
CsvLoad ReadTableCsv(const TSterownik& link, const TableView& view, std::string_view text);

}  // namespace chart
