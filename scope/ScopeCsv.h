#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "controller/Wykres.h"
#include "scope/Records.h"

// The CSV export of a recording: "sec;" and the name of every definition the scope lists,
// then one line per record with its time and every column's value; CR LF line ends.
namespace scope {

// A decimal separator the CSV can use: one printable mark that is neither the field separator
// ";", nor a digit, a letter, a sign or a blank, so that every number reads back as one.
bool IsCsvDecimalSeparator(std::string_view separator);

std::string CsvHeader(std::span<const Wykres> definitions);
// Appends the line of one record.
void AppendCsvLine(std::string& out, int recordIndex, std::span<const uint8_t> record,
                   std::span<const Wykres> definitions, const uint8_t* settings,
                   char decimalSeparator);
// Hands the CSV to write in pieces of at most about kCsvPieceBytes, so that exporting a long
// recording never holds more than one piece; stops early when write returns false.
inline constexpr size_t kCsvPieceBytes = 64 * 1024;
void StreamCsv(const RecordSpan& records, std::span<const Wykres> definitions,
               const uint8_t* settings, char decimalSeparator,
               const std::function<bool(std::string_view piece)>& write);
// The whole CSV at once, for a short recording.
std::string ScopeCsv(const RecordSpan& records, std::span<const Wykres> definitions,
                     const uint8_t* settings, char decimalSeparator);

}  // namespace scope
