#include "scope/ScopeCsv.h"

#include <cctype>

#include "controller/NumberText.h"
#include "controller/Protocol.h"
#include "controller/StatusDecoding.h"
#include "lang/Langtext.h"
#include "scope/TimeBase.h"

namespace scope {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool IsColumn(const Wykres& definition) {
  return definition.flagi & ChartPlace::ScopeList;
}

// The cell as the readings show the value; a decimals count the readings do not know takes
// the shortest form, so that every line keeps every column of the header.
void AppendCell(std::string& out, std::string& cell, const Wykres& definition,
                std::span<const uint8_t> record, const uint8_t* settings, char decimalSeparator) {
  const LiveValue value = DecodeLiveValue(definition, record, settings, decimalSeparator);
  const bool ownDecimals = definition.miejsca >= 0 && definition.miejsca <= 3;
  if (value.numeric && !ownDecimals) {
    FormatNumberInto(cell, value.value, 0, decimalSeparator);
    out += cell;
  } else {
    out += value.text;
  }
  out += ';';
}

}  // namespace

bool IsCsvDecimalSeparator(std::string_view separator) {
  if (separator.size() != 1) return false;
  const char c = separator[0];
  return std::ispunct(static_cast<unsigned char>(c)) && c != ';' && c != '-' && c != '+';
}

std::string CsvHeader(std::span<const Wykres> definitions) {
  std::string header = "sec;";
  for (const Wykres& definition : definitions)
    if (IsColumn(definition)) header += LangText(definition.nazwa) + ";";
  return header + kLineEnd;
}

void AppendCsvLine(std::string& out, int recordIndex, std::span<const uint8_t> record,
                   std::span<const Wykres> definitions, const uint8_t* settings,
                   char decimalSeparator) {
  std::string cell;
  FormatNumberInto(cell, recordIndex * kSecondsPerRecord, 1, decimalSeparator);
  out += cell;
  out += ';';
  for (const Wykres& definition : definitions)
    if (IsColumn(definition)) AppendCell(out, cell, definition, record, settings, decimalSeparator);
  out += kLineEnd;
}

void StreamCsv(const RecordSpan& records, std::span<const Wykres> definitions,
               const uint8_t* settings, char decimalSeparator,
               const std::function<bool(std::string_view piece)>& write) {
  std::string piece = CsvHeader(definitions);
  for (int i = 0; i < records.count; ++i) {
    AppendCsvLine(piece, i, records.At(i), definitions, settings, decimalSeparator);
    if (piece.size() < kCsvPieceBytes) continue;
    if (!write(piece)) return;
    piece.clear();
  }
  if (!piece.empty()) write(piece);
}

std::string ScopeCsv(const RecordSpan& records, std::span<const Wykres> definitions,
                     const uint8_t* settings, char decimalSeparator) {
  std::string csv;
  StreamCsv(records, definitions, settings, decimalSeparator, [&csv](std::string_view piece) {
    csv += piece;
    return true;
  });
  return csv;
}

}  // namespace scope
