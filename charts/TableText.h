#pragma once

#include <optional>
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

// A field as a number: optional sign, digits with one decimal point ("." or, when
// decimalComma, ","), nothing else. Nothing for anything else, empty text included.
std::optional<double> ReadNumber(const std::string& field, bool decimalComma);

}  // namespace chart
