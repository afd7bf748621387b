#include "charts/TableText.h"

#include <cctype>
#include <charconv>

#include "files/PrintableText.h"

namespace chart {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Trimmed(std::string_view field) {
  const size_t first = field.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = field.find_last_not_of(" \t\r");
  return std::string(field.substr(first, last - first + 1));
}

std::vector<std::string> Fields(std::string_view line, char separator) {
  std::vector<std::string> fields;
  for (;;) {
    const size_t end = line.find(separator);
    fields.push_back(Trimmed(line.substr(0, end)));
    if (end == std::string_view::npos) return fields;
    line.remove_prefix(end + 1);
  }
}

}  // namespace

TextRows SplitRows(std::string_view text, char separator) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  TextRows rows;
  if (text.empty()) return rows;
  for (;;) {
    const size_t end = text.find('\n');
    rows.push_back(Fields(text.substr(0, end), separator));
    if (end == std::string_view::npos) return rows;
    text.remove_prefix(end + 1);
  }
}

FieldNumber ReadNumber(const std::string& field, bool decimalComma) {
  std::string text = field;
  size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    char& c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digits = true;
    } else if ((c == '.' || (decimalComma && c == ',')) && !point) {
      point = true;
      c = '.';
    } else {
      return {0, NumberProblem::NotANumber};
    }
  }
  if (!digits) return {0, NumberProblem::NotANumber};
  // from_chars takes no "+" and ignores the locale.
  const size_t start = text[0] == '+' ? 1 : 0;
  double value = 0;
  // Beyond what a double holds from_chars leaves the value as it was and only says so: taken
  // as it stands, a "1" with 400 zeros would be stored as 0.
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc()) return {0, NumberProblem::OutOfRange};
  return {value, NumberProblem::None};
}

std::string NumberRefusal(const std::string& field, NumberProblem problem) {
  const std::string quoted = "\"" + Printable(field) + "\"";
  if (problem == NumberProblem::OutOfRange) return quoted + " is too large or too small a number";
  return quoted + " is not a number";
}

}  // namespace chart
