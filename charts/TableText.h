#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading tables of numbers that came from outside: a spreadsheet's clipboard or a CSV file.
namespace chart {

using TextRows = std::vector<std::vector<std::string>>;

// Lines (LF or CR LF, a last line end optional, a leading UTF-8 byte-order mark dropped) split
// at `separator`; each field trimmed of blanks. Nothing is dropped besides: an empty line in
// the middle stays an empty row.
TextRows SplitRows(std::string_view text, char separator);

// What a field is as a number.
enum class NumberProblem {
  None,
  NotANumber,  // anything but an optional sign and digits with at most one decimal point
  OutOfRange,  // a number, but too large or too small for a double to hold
};
struct FieldNumber {
  double value = 0;
  NumberProblem problem = NumberProblem::None;
  explicit operator bool() const { return problem == NumberProblem::None; }
};

// A field as a number: optional sign, digits with one decimal point ("." or, when
// decimalComma, ","), nothing else; empty text is no number. The one reader of every number
// that comes from outside into a table: a CSV file, a pasted block, a typed cell.
FieldNumber ReadNumber(const std::string& field, bool decimalComma);
// Why a field is no number, for a message: "\"ten\" is not a number".
std::string NumberRefusal(const std::string& field, NumberProblem problem);

}  // namespace chart
