// The CSV export of a recording: the columns the scope lists, one line per record, every
// value as the readings show it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "scope/ScopeCsv.h"
#include "tests/support/MemoryLink.h"

namespace scope {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
    lines.push_back(text.substr(from, end - from));
  if (from < text.size()) lines.push_back(text.substr(from) + " <- no CR LF at the end");
  return lines;
}

// Five records of a family-2 controller whose definitions a real identification built. The
// expected file was worked out by hand from these bytes.
class FamilyTwoRecordingTest : public ::testing::Test {
 protected:
  FamilyTwoRecordingTest() : recording(5 * 128, 0) {
    Texts().LanguageIndex = 0;
    struct Byte {
      int record, offset;
      uint8_t value;
    };
    const Byte bytes[] = {
        {1, 17, 85},   {1, 44, 100},  {1, 48, 0x04}, {1, 49, 0x01}, {1, 40, 128},  {1, 42, 150},
        {1, 58, 0xE8}, {1, 59, 0x03}, {1, 50, 80},   {1, 52, 0x18}, {1, 53, 0x0B}, {1, 97, 2},
        {1, 99, 160},  {1, 100, 140}, {1, 98, 8},    {1, 95, 42},   {1, 60, 0x20}, {1, 61, 0x03},
        {1, 62, 0x84}, {1, 63, 0x03}, {1, 51, 250},  {2, 17, 0x2C}, {2, 18, 0x01}, {2, 44, 0x2C},
        {2, 45, 0x01}, {2, 48, 5},    {2, 46, 0x68}, {2, 47, 0x01}, {2, 40, 183},  {2, 42, 90},
        {2, 58, 0x10}, {2, 59, 0x27}, {2, 52, 0xA0}, {2, 53, 0x0F}, {2, 97, 1},    {2, 99, 128},
        {2, 98, 16},   {2, 101, 255}, {2, 64, 0xE8}, {2, 65, 0x03}, {2, 74, 0xFF}, {2, 75, 0xFF},
        {3, 17, 0xFF}, {3, 18, 0xFF}, {3, 44, 7},    {3, 40, 255},  {3, 42, 1},    {3, 58, 122},
        {3, 50, 255},  {3, 97, 4},    {3, 99, 96},   {3, 51, 1},    {4, 17, 1},    {4, 44, 0x39},
        {4, 45, 0x05}, {4, 48, 255},  {4, 40, 100},  {4, 42, 128},  {4, 97, 3},    {4, 99, 1},
        {4, 96, 255},
    };
    for (const Byte& b : bytes)
      recording[static_cast<size_t>(b.record * 128 + b.offset)] = b.value;
  }

  RecordSpan Records() const { return {recording, 128, 5}; }

  std::vector<uint8_t> recording;
};

TEST_F(FamilyTwoRecordingTest, MatchesTheHandCheckedFile) {
  MemoryLink line(2);
  ASSERT_TRUE(line.ReadOut());
  const std::string csv = ScopeCsv(Records(), line.link.ListaWykresow(), line.link.Nastawy(), '.');

  std::vector<uint8_t> file;
  const FileResult read = ReadWholeFile(SCOPE_TEST_FOLDER "/family2_recording.csv", file);
  ASSERT_TRUE(read.ok) << read.error;
  const std::vector<std::string> expected = Lines(std::string(file.begin(), file.end()));
  const std::vector<std::string> actual = Lines(csv);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
}

TEST_F(FamilyTwoRecordingTest, HeaderAndLinesBuiltOneByOne) {
  const std::vector<Wykres> definitions = {
      {0, 0, 10, 11, 1.0, 0, 0, 1.0, 0x00},  // not listed
      {1400, 1056, 17, 11, 10.0, 0, 0, 1.0, 0x33},
      {1452, 1057, 99, 22, 1.0, 1, 0, 1.0, 0x03},
      {920, 0, 11, 0, 1.0, 0, 0, 1.0, 0x04},  // administrators' extra: not exported
  };
  EXPECT_EQ(CsvHeader(definitions), "sec;Revolutions;SHRT FT 1;\r\n");
  std::string out;
  AppendCsvLine(out, 1, Records().At(1), definitions, nullptr, ',');
  AppendCsvLine(out, 123, Records().At(3), definitions, nullptr, ',');
  EXPECT_EQ(out, "0,1;850;25,0;\r\n12,3;655350;-25,0;\r\n");
}

// Every line carries every column of the header, whatever a definition's decimals count; a
// count the readings do not know takes the shortest form.
TEST_F(FamilyTwoRecordingTest, EveryColumnInEveryLine) {
  const std::vector<Wykres> definitions = {
      {1404, 1051, 44, 11, 0.01, 5, 0, 1.0, 0x01},   {1406, 1051, 48, 11, 0.01, -1, 0, 1.0, 0x01},
      {1400, 1056, 17, 11, 10.0, 0, 0, 1.0, 0x01},   {1452, 1057, 99, 22, 1.0, 7, 0, 1.0, 0x01},
      {1420, 1050, 127, 11, 0.005, 2, 0, 1.0, 0x01},  // beyond the record: an empty cell
  };
  const std::vector<std::string> lines = Lines(ScopeCsv(Records(), definitions, nullptr, '.'));
  const std::vector<std::string> expected = {
      "sec;Vacuum;Gas pressure;Revolutions;SHRT FT 1;Lambda 1;",
      "0.0;0;0;0;-;;",
      "0.1;1;2.6;850;25;;",
      "0.2;3;0.05;3000;0;;",
      "0.3;0.07;0;655350;-25;;",
      "0.4;13.37;2.55;10;-99.21875;;",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

// A long recording's CSV goes out in pieces of a bounded size, so its export needs no memory in
// proportion to its length; together they are the header and every line as they always were.
TEST_F(FamilyTwoRecordingTest, LongRecordingIsExportedInBoundedPieces) {
  const std::vector<Wykres> definitions = {{1400, 1056, 17, 11, 10.0, 0, 0, 1.0, 0x01},
                                           {1452, 1057, 99, 22, 1.0, 1, 0, 1.0, 0x01}};
  constexpr int kRecords = 40000;
  std::vector<uint8_t> bytes;
  for (int i = 0; i < kRecords; ++i)
    bytes.insert(bytes.end(), recording.begin() + (i % 5) * 128,
                 recording.begin() + (i % 5 + 1) * 128);
  const RecordSpan records{bytes, 128, kRecords};

  std::string expected = CsvHeader(definitions);
  for (int i = 0; i < kRecords; ++i)
    AppendCsvLine(expected, i, records.At(i), definitions, nullptr, ',');
  std::string streamed;
  size_t pieces = 0;
  StreamCsv(records, definitions, nullptr, ',', [&](std::string_view piece) {
    ++pieces;
    EXPECT_LE(piece.size(), kCsvPieceBytes + 100) << "a piece is at most one line over";
    streamed += piece;
    return true;
  });
  EXPECT_GT(pieces, 5u);
  EXPECT_EQ(streamed, expected);
  EXPECT_EQ(ScopeCsv(records, definitions, nullptr, ','), expected);
}

TEST_F(FamilyTwoRecordingTest, ExportStopsWhenAPieceIsNotTaken) {
  const std::vector<Wykres> definitions = {{1400, 1056, 17, 11, 10.0, 0, 0, 1.0, 0x01}};
  std::vector<uint8_t> bytes(size_t{100000} * 128, 0);
  int pieces = 0;
  StreamCsv({bytes, 128, 100000}, definitions, nullptr, '.', [&](std::string_view) {
    ++pieces;
    return false;
  });
  EXPECT_EQ(pieces, 1);
}

TEST(ScopeCsvTest, DecimalSeparatorIsOnePrintableMark) {
  for (const char* usable : {".", ",", "'", "_", "/"})
    EXPECT_TRUE(IsCsvDecimalSeparator(usable)) << usable;
  for (const char* unusable : {"\n", ";", "", ",,", "5", "x", "-", "+", " ", "\t", "\x7f"})
    EXPECT_FALSE(IsCsvDecimalSeparator(unusable)) << unusable;
}

TEST(ScopeCsvTest, EmptyRecordingIsTheHeaderAlone) {
  Texts().LanguageIndex = 0;
  const std::vector<Wykres> definitions = {{1400, 1056, 17, 11, 10.0, 0, 0, 1.0, 0x01}};
  EXPECT_EQ(ScopeCsv({}, definitions, nullptr, '.'), "sec;Revolutions;\r\n");
}

}  // namespace
}  // namespace scope
