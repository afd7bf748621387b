#include "scope/ScopeFile.h"

#include <algorithm>

#include "controller/NumberText.h"
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

Contents ParseHeader(std::span<const uint8_t> header, size_t size) {
  Contents c;
  if (size < static_cast<size_t>(kHeaderSize) || header.size() < static_cast<size_t>(kHeaderSize)) {
    c.refusal = Refusal::BadHeader;
    return c;
  }
  // The record size follows the header's code even in a file refused for another reason.
  c.recordSize = header[kRecordCodeByte] == kLongRecordCode ? 256 : 128;
  c.level = header[kLevelByte];
  const uint8_t code = header[kRecordCodeByte];
  if (!MagicMatches(header) || RecordsStart(c.level) == 0 ||
      (code != kShortRecordCode && code != kLongRecordCode)) {
    c.refusal = Refusal::BadHeader;
    return c;
  }
  const size_t start = static_cast<size_t>(RecordsStart(c.level));
  if (size < start) {
    c.refusal = Refusal::ShortTableBlock;
    return c;
  }
  const size_t recordBytes = size - start;
  const size_t recordSize = static_cast<size_t>(c.recordSize);
  c.recordCount = static_cast<int>(recordBytes / recordSize);
  c.trailingBytes = static_cast<int>(recordBytes % recordSize);
  return c;
}

Contents Parse(std::span<const uint8_t> file) {
  Contents c = ParseHeader(file, file.size());
  if (c.refusal != Refusal::None) return c;
  const size_t start = static_cast<size_t>(RecordsStart(c.level));
  c.tableBlock = file.subspan(kHeaderSize, start - kHeaderSize);
  c.records = file.subspan(start, static_cast<size_t>(c.recordCount) * c.recordSize);
  return c;
}

std::string RefusalText(const Contents& contents, size_t size) {
  switch (contents.refusal) {
    case Refusal::BadHeader:
      return "not a scope recording: it must begin with \"osc file\", a table level of 1, 2 or 3 "
             "and a record-size code of 1 or 2";
    case Refusal::ShortTableBlock:
      return CountOf(size, "byte") + ", shorter than the header and the level-" +
             std::to_string(contents.level) + " table block (" +
             std::to_string(RecordsStart(contents.level)) + " bytes)";
    case Refusal::None:
      break;
  }
  return {};
}

FileKind Kind() {
  return {.name = "a scope recording",
          .largest = kLargestFile,
          .headerSize = kHeaderSize,
          .refuse = [](std::span<const uint8_t> header, size_t size) {
            return RefusalText(ParseHeader(header, size), size);
          }};
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
