#include "scope/ScopeFile.h"

#include <algorithm>

#include "controller/TableBlock.h"
#include "controller/Tsterownik.h"

namespace scope_file {

namespace {

constexpr int kLevelByte = 8;
constexpr int kRecordCodeByte = 9;

bool MagicMatches(std::span<const uint8_t> file) {
  return std::equal(kMagic.begin(), kMagic.end(), file.begin());
}

}  // namespace

int RecordsStart(int level) {
  const int block = table_block::Size(level);
  return block == 0 ? 0 : kHeaderSize + block;
}

Contents Parse(std::span<const uint8_t> file) {
  Contents c;
  if (file.size() < static_cast<size_t>(kHeaderSize)) {
    c.refusal = Refusal::BadHeader;
    return c;
  }
  // The record size follows the header's code even in a file refused for another reason.
  c.recordSize = file[kRecordCodeByte] == kLongRecordCode ? 256 : 128;
  c.level = file[kLevelByte];
  const uint8_t code = file[kRecordCodeByte];
  if (!MagicMatches(file) || RecordsStart(c.level) == 0 ||
      (code != kShortRecordCode && code != kLongRecordCode)) {
    c.refusal = Refusal::BadHeader;
    return c;
  }
  const size_t start = static_cast<size_t>(RecordsStart(c.level));
  if (file.size() < start) {
    c.refusal = Refusal::ShortTableBlock;
    return c;
  }
  c.tableBlock = file.subspan(kHeaderSize, start - kHeaderSize);
  const size_t recordBytes = file.size() - start;
  const size_t size = static_cast<size_t>(c.recordSize);
  c.recordCount = static_cast<int>(recordBytes / size);
  c.trailingBytes = static_cast<int>(recordBytes % size);
  c.records = file.subspan(start, static_cast<size_t>(c.recordCount) * size);
  return c;
}

std::vector<uint8_t> Header(int recordSize) {
  std::vector<uint8_t> header(kMagic.begin(), kMagic.end());
  header.push_back(kWrittenLevel);
  header.push_back(recordSize == 256 ? kLongRecordCode : kShortRecordCode);
  header.resize(kHeaderSize, 0);
  return header;
}

std::vector<uint8_t> Bytes(const TSterownik& link, const RecordSpan& records) {
  std::vector<uint8_t> file = Header(records.size);
  table_block::Write(link.ObrazSterownika(), kWrittenLevel, file);
  const size_t recorded = static_cast<size_t>(records.count) * static_cast<size_t>(records.size);
  file.insert(file.end(), records.bytes.begin(), records.bytes.begin() + recorded);
  return file;
}

}  // namespace scope_file
