#pragma once

#include <span>
#include <string>

#include "controller/Wykres.h"
#include "scope/Records.h"

// The CSV export of a recording: "sec;" and the name of every definition the scope lists,
// then one line per record with its time and every column's value; CR LF line ends.
namespace scope {

std::string CsvHeader(std::span<const Wykres> definitions);
// Appends the line of one record.
void AppendCsvLine(std::string& out, int recordIndex, std::span<const uint8_t> record,
                   std::span<const Wykres> definitions, const uint8_t* settings,
                   char decimalSeparator);
std::string ScopeCsv(const RecordSpan& records, std::span<const Wykres> definitions,
                     const uint8_t* settings, char decimalSeparator);

}  // namespace scope
