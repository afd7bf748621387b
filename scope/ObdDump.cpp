#include "scope/ObdDump.h"

#include <algorithm>
#include <cstdio>

#include "controller/Protocol.h"

namespace {

using namespace status_frame;

constexpr int kEcuBytes = 16;  // four addresses, whatever the length byte says
constexpr int kTroubleCodeExtra = 2;

struct KindLabel {
  uint8_t kind;
  const char* label;
};
constexpr KindLabel kLabels[] = {
    {obd_kind::Transmission, " TRAN  "}, {obd_kind::Variables, " PID:  "},
    {obd_kind::Ecus, " ECU:  "},         {obd_kind::Supported, " SUP:  "},
    {obd_kind::Pid, " LST:  "},          {obd_kind::TroubleCodes, " DTC:  "},
};

void AppendHex(std::string& line, uint8_t byte) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", byte);
  line += text;
}

std::string Line(std::span<const uint8_t> record) {
  std::string line;
  for (int i = kObdRecord; i <= kObdKind; ++i) {
    AppendHex(line, record[static_cast<size_t>(i)]);
    line += ' ';
  }
  const uint8_t kind = record[kObdKind];
  const auto label = std::find_if(std::begin(kLabels), std::end(kLabels),
                                  [kind](const KindLabel& l) { return l.kind == kind; });
  if (label == std::end(kLabels)) return line;
  line += label->label;
  int length = record[kObdCount];
  if (kind == obd_kind::Ecus) length = kEcuBytes;
  if (kind == obd_kind::TroubleCodes) length += kTroubleCodeExtra;
  if (length == 0) return line;
  line += ' ';
  const int last = std::min(kObdCount + length, static_cast<int>(record.size()) - 1);
  for (int i = kObdCount; i <= last; ++i) {
    line += ' ';
    AppendHex(line, record[static_cast<size_t>(i)]);
  }
  return line;
}

}  // namespace

std::vector<std::string> ObdDumpLines(const RecordSpan& records) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(records.count));
  for (int r = 0; r < records.count; ++r)
    lines.push_back(Line(records.At(r)));
  return lines;
}
