#include "scope/ScopeCsv.h"

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

std::string ScopeCsv(const RecordSpan& records, std::span<const Wykres> definitions,
                     const uint8_t* settings, char decimalSeparator) {
  std::string csv = CsvHeader(definitions);
  for (int i = 0; i < records.count; ++i)
    AppendCsvLine(csv, i, records.At(i), definitions, settings, decimalSeparator);
  return csv;
}

}  // namespace scope
