#include "charts/TableCsv.h"

#include <cmath>

#include "charts/MapSettings.h"
#include "charts/TableAxes.h"
#include "charts/TableText.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

constexpr int kSize = setting::kMapSize;
constexpr size_t kLines = kSize + 1;   // the column headers, then a line per row
constexpr size_t kFields = kSize + 1;  // the row header, then a field per column
// Header values read back equal when they differ by less than their texts' last digit could.
constexpr double kHeaderTolerance = 1e-6;

size_t Index(int column, int row) {
  return static_cast<size_t>(column * kSize + row);
}

// The table's row shown on a line of the file: line 1 holds the highest load.
int RowOnLine(size_t line) {
  return kSize - static_cast<int>(line);
}

std::string Where(size_t line, size_t field) {
  return "line " + std::to_string(line + 1) + ", column " + std::to_string(field + 1);
}

CsvLoad Refused(std::string why) {
  CsvLoad load;
  load.message = std::move(why);
  return load;
}

std::string CheckShape(const TextRows& rows) {
  if (rows.size() != kLines)
    return "The file has " + CountOf(rows.size(), "line") + "; a table has " +
           std::to_string(kLines) + ": the column headers and " + std::to_string(kSize) + " rows.";
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].size() != kFields)
      return "Line " + std::to_string(i + 1) + " has " + CountOf(rows[i].size(), "field") +
             "; every line has " + std::to_string(kFields) + ".";
  return {};
}

// A header must name the breakpoint the controller has, or the values would land on others.
std::string CheckHeader(const std::string& field, double expected, const std::string& shown,
                        bool decimalComma, size_t line, size_t column) {
  const FieldNumber value = ReadNumber(field, decimalComma);
  if (!value)
    return Where(line, column) + ": the header " + NumberRefusal(field, value.problem) + ".";
  if (std::fabs(value.value - expected) > kHeaderTolerance)
    return Where(line, column) + ": the header is " + Printable(field) +
           " but the controller's is " + shown + "; the table would land on other breakpoints.";
  return {};
}

std::string CheckHeaders(const TSterownik& link, const TableView& view, const TextRows& rows,
                         bool decimalComma) {
  for (int c = 0; c < kSize; ++c) {
    const size_t field = static_cast<size_t>(c) + 1;
    const std::string shown = ColumnHeaderText(link, c);
    const std::string why =
        CheckHeader(rows[0][field], std::stod(shown), shown, decimalComma, 0, field);
    if (!why.empty()) return why;
  }
  const RowAxis axis = RowAxisOf(link, view);
  for (size_t line = 1; line < kLines; ++line) {
    const int row = RowOnLine(line);
    const double expected = RowHeaderValue(link, axis, row);
    const std::string why = CheckHeader(
        rows[line][0], expected, FormatNumber(expected, axis.decimals, '.'), decimalComma, line, 0);
    if (!why.empty()) return why;
  }
  return {};
}

}  // namespace

TextRows TableTexts(const TSterownik& link, const TableView& view, char decimalSeparator) {
  const RowAxis axis = RowAxisOf(link, view);
  const TableBytes table = TableOf(link, view);
  TextRows rows{{LangText(axis.cornerTextId)}};
  for (int c = 0; c < kSize; ++c)
    rows[0].push_back(ColumnHeaderText(link, c));
  for (int r = kSize - 1; r >= 0; --r) {
    std::vector<std::string>& line = rows.emplace_back(
        1, FormatNumber(RowHeaderValue(link, axis, r), axis.decimals, decimalSeparator));
    for (int c = 0; c < kSize; ++c)
      line.push_back(CellText(view.cells, table[Index(c, r)], decimalSeparator));
  }
  return rows;
}

std::string TableCsv(const TSterownik& link, const TableView& view) {
  std::string text;
  for (const std::vector<std::string>& line : TableTexts(link, view, '.')) {
    for (size_t i = 0; i < line.size(); ++i)
      text += (i > 0 ? "," : "") + line[i];
    text += '\n';
  }
  return text;
}

CsvLoad ReadTableCsv(const TSterownik& link, const TableView& view, std::string_view text) {
  const std::string_view firstLine = text.substr(0, text.find('\n'));
  const char separator = firstLine.find(';') != std::string_view::npos ? ';' : ',';
  const bool decimalComma = separator == ';';
  const TextRows rows = SplitRows(text, separator);
  if (std::string why = CheckShape(rows); !why.empty()) return Refused(why);
  if (std::string why = CheckHeaders(link, view, rows, decimalComma); !why.empty())
    return Refused(why);
  CsvLoad load;
  load.bytes = TableOf(link, view);
  for (size_t line = 1; line < kLines; ++line)
    for (size_t field = 1; field < kFields; ++field) {
      const int column = static_cast<int>(field) - 1;
      const int row = RowOnLine(line);
      uint8_t& cell = load.bytes[Index(column, row)];
      const std::string& value = rows[line][field];
      if (value.empty() && view.cells.emptyWhenZero) {
        cell = 0;
        continue;
      }
      const FieldNumber shown = ReadNumber(value, decimalComma);
      if (!shown)
        return Refused(Where(line, field) + ": " + NumberRefusal(value, shown.problem) + ".");
      const StoredByte stored = StoredByteOf(view, shown.value, cell);
      cell = stored.value;
      if (stored.clamped) load.clamped.push_back({column, row});
    }
  load.ok = true;
  return load;
}

}  // namespace chart
