#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileIo.h"
#include "scope/Records.h"

class TSterownik;

// The scope recording file: a 16-byte header ("osc file", table level, record-size code, six
// zeros), the table block of that level (as in settings files), then the records, oldest
// first. A trailing partial record (a recording cut off by a power cut) is not a record.
namespace scope_file {

inline constexpr std::string_view kMagic = "osc file";
inline constexpr int kHeaderSize = 16;
inline constexpr int kWrittenLevel = 3;
inline constexpr uint8_t kShortRecordCode = 1;  // 128-byte records
inline constexpr uint8_t kLongRecordCode = 2;   // 256-byte records
// Days of long records; a larger file is refused rather than read in part.
inline constexpr size_t kLargestFile = size_t{4} << 30;

// Why a file is not a scope recording.
enum class Refusal { None, BadHeader, ShortTableBlock };

struct Contents {
  Refusal refusal = Refusal::None;
  int level = 0;
  int recordSize = 128;
  std::span<const uint8_t> tableBlock;  // of the level's size
  std::span<const uint8_t> records;     // whole records only
  int recordCount = 0;
  int trailingBytes = 0;  // of a record cut off at the end
};

// Checks and splits a file's bytes; nothing is copied.
Contents Parse(std::span<const uint8_t> file);
// The same judged from the file's first bytes and its size alone, without the spans.
Contents ParseHeader(std::span<const uint8_t> header, size_t size);
// Why a file of size bytes is refused, in plain words; empty when it is not.
std::string RefusalText(const Contents& contents, size_t size);
// Scope recordings for ReadWholeFile: another kind of file is refused before it is read whole.
FileKind Kind();
// The header of a file the program writes.
std::vector<uint8_t> Header(int recordSize);
// A whole file of the records, with the link's identity and tables in a level-3 block.
std::vector<uint8_t> Bytes(const TSterownik& link, const RecordSpan& records);
// Where a level's records start: 4096, 5120 or 6144; 0 for another level.
int RecordsStart(int level);

}  // namespace scope_file
