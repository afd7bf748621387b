// Tables through a spreadsheet and back: the clipboard's blocks, the CSV of a table, their
// refusals, and the undo of the last edit, for every table a grid shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "charts/TableClipboard.h"
#include "charts/TableCsv.h"
#include "charts/TableEdits.h"
#include "charts/TableNames.h"
#include "charts/TableText.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using chart::Block;
using chart::TableEdit;
using chart::TableView;

constexpr Block kWhole{0, 15, 0, 15};

// A KAVI (every table kind but the MALVER's 5, 8, 10, 11) or a MALVER read out, every table
// holding each byte once, so that every text a cell can show is met.
class SpreadsheetTest : public ::testing::Test {
 protected:
  explicit SpreadsheetTest(int family = 255) : m(family) {
    EXPECT_TRUE(m.ReadOut());
    auto& image = LinkTestAccess::ObrazSterownika(m.link);
    for (const chart::NamedTable& t : chart::TableNames())
      for (int i = 0; i < 256; ++i)
        image[static_cast<size_t>(t.area + i)] = static_cast<uint8_t>(i * 7 + 3);
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  TableView View(int kind) { return chart::MainTableInView(m.link, *chart::GridKindOf(kind)); }
  chart::TableBytes Bytes(const TableView& view) { return chart::TableOf(m.link, view); }
  // Every table a grid shows on this controller: the main grid's kinds and the upper grid's.
  std::vector<TableView> Views(std::initializer_list<int> kinds) {
    std::vector<TableView> views;
    for (int kind : kinds)
      views.push_back(View(kind));
    for (auto upper : {chart::UpperTable::InjectionTimes, chart::UpperTable::ObdCorrections})
      for (auto shown : {chart::MapShown::Petrol, chart::MapShown::Gas})
        views.push_back(chart::UpperTableInView(m.link, upper, shown));
    return views;
  }

  MemoryLink m;
};

class MalverSpreadsheetTest : public SpreadsheetTest {
 protected:
  MalverSpreadsheetTest() : SpreadsheetTest(2) {}
};

constexpr std::initializer_list<int> kKaviKinds = {1, 6, 9, 12, 13, 14, 15, 16};
constexpr std::initializer_list<int> kMalverKinds = {5, 8, 10, 11};

void ExpectRoundTrips(TSterownik& link, const std::vector<TableView>& views) {
  for (const TableView& view : views) {
    SCOPED_TRACE("kind " + std::to_string(view.kind) + " area " + std::to_string(view.area));
    const chart::TableBytes before = chart::TableOf(link, view);
    const chart::PasteResult pasted =
        chart::PasteBlock(link, view, 0, 15, chart::CopyBlock(link, view, kWhole));
    EXPECT_EQ(pasted.message, "");
    EXPECT_EQ(pasted.edit, TableEdit::None);
    EXPECT_EQ(pasted.clamped, 0);
    const chart::CsvLoad loaded = chart::ReadTableCsv(link, view, chart::TableCsv(link, view));
    EXPECT_TRUE(loaded.ok) << loaded.message;
    EXPECT_EQ(loaded.bytes, before);
    EXPECT_TRUE(loaded.clamped.empty());
    EXPECT_EQ(chart::TableOf(link, view), before);
  }
  EXPECT_EQ(link.FlagiZapisu(), 0u);
}

TEST_F(SpreadsheetTest, EveryKaviTableComesBackUnchanged) {
  ExpectRoundTrips(m.link, Views(kKaviKinds));
}

TEST_F(MalverSpreadsheetTest, EveryMalverTableComesBackUnchanged) {
  ExpectRoundTrips(m.link, Views(kMalverKinds));
}

TEST_F(SpreadsheetTest, ALocalSpreadsheetsSemicolonsAndDecimalCommasReadTheSame) {
  m.link.SetDecimalSeparator(',');
  for (const TableView& view : Views({6, 14})) {
    std::string csv = chart::TableCsv(m.link, view);
    std::replace(csv.begin(), csv.end(), ',', ';');
    std::replace(csv.begin(), csv.end(), '.', ',');
    const chart::CsvLoad loaded = chart::ReadTableCsv(m.link, view, "\xEF\xBB\xBF" + csv);
    EXPECT_TRUE(loaded.ok) << loaded.message;
    EXPECT_EQ(loaded.bytes, Bytes(view));
    const std::string copied = chart::CopyBlock(m.link, view, kWhole);
    EXPECT_NE(copied.find(','), std::string::npos);
    EXPECT_EQ(chart::PasteBlock(m.link, view, 0, 15, copied).edit, TableEdit::None);
  }
}

TEST_F(SpreadsheetTest, TheCsvListsTheHighestLoadFirst) {
  LinkTestAccess::Nastawy(m.link)[12] = 1;  // the admixture by load
  LinkTestAccess::Nastawy(m.link)[224] = 25;
  LinkTestAccess::Nastawy(m.link)[239] = 100;
  LinkTestAccess::Nastawy(m.link)[240] = 16;
  auto& image = LinkTestAccess::ObrazSterownika(m.link);
  image[img::Domieszka + 15] = 42;  // column 0, the top row
  image[img::Domieszka + 0] = 0;    // column 0, the bottom row: shows nothing
  const std::string csv = chart::TableCsv(m.link, View(9));
  EXPECT_EQ(csv.substr(0, csv.find('\n')).substr(0, 12), "bar\\rpm,800,");
  const size_t second = csv.find('\n') + 1;
  EXPECT_EQ(csv.substr(second, 8), "1.00,42,");
  const size_t last = csv.rfind('\n', csv.size() - 2) + 1;
  EXPECT_EQ(csv.substr(last, 6), "0.25,,");
}

TEST_F(SpreadsheetTest, AChangedBlockIsPastedHeldToTheRange) {
  const TableView view = View(13);  // 2.5 degrees, 0 .. 144
  const chart::TableBytes before = Bytes(view);
  const chart::PasteResult pasted =
      chart::PasteBlock(m.link, view, 3, 10, "10\t400\r\n-5\t7,5\r\n");
  EXPECT_EQ(pasted.message, "");
  EXPECT_EQ(pasted.edit, TableEdit::Refill);
  EXPECT_EQ(pasted.clamped, 2);
  const chart::TableBytes after = Bytes(view);
  EXPECT_EQ(after[3 * 16 + 10], 4);
  EXPECT_EQ(after[4 * 16 + 10], 144);
  EXPECT_EQ(after[3 * 16 + 9], 0);
  EXPECT_EQ(after[4 * 16 + 9], 3);
  for (size_t i = 0; i < 256; ++i)
    if (i != 3 * 16 + 10 && i != 4 * 16 + 10 && i != 3 * 16 + 9 && i != 4 * 16 + 9) {
      EXPECT_EQ(after[i], before[i]) << i;
    }
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::GasAdvance);
}

TEST_F(SpreadsheetTest, BadPastesAreRefusedAndChangeNothing) {
  const TableView view = View(14);
  const chart::TableBytes before = Bytes(view);
  const std::pair<const char*, std::string> cases[] = {
      {"", "Nothing to paste."},
      {"1\t2\n3\n", "Line 2 has 1 values, line 1 has 2."},
      {"1\t2\t3\n", "A block of 1 x 3 values does not fit from the cell."},
      {"1\n2\n3\n", "A block of 3 x 1 values does not fit from the cell."},
      {"1\t2\n3\tx\n", "Line 2, value 2: \"x\" is not a number."},
      {"1\t\n", "Line 1, value 2: \"\" is not a number."},
  };
  for (const auto& [text, message] : cases) {
    const chart::PasteResult pasted = chart::PasteBlock(m.link, view, 14, 1, text);
    EXPECT_EQ(pasted.message, message) << text;
    EXPECT_EQ(pasted.edit, TableEdit::Beep);
  }
  EXPECT_EQ(Bytes(view), before);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

TEST_F(SpreadsheetTest, EmptyCellsOfATableShowingZeroAsNothingPasteAsZero) {
  const TableView view = View(15);
  EXPECT_EQ(chart::PasteBlock(m.link, view, 0, 0, "\t1\n").edit, TableEdit::Refill);
  EXPECT_EQ(Bytes(view)[0], 0);
  EXPECT_EQ(Bytes(view)[16], 128);
}

// Lines of a table's CSV with one field replaced.
std::string Replaced(std::string csv, size_t line, size_t field, const std::string& value) {
  size_t start = 0;
  for (size_t i = 0; i < line; ++i)
    start = csv.find('\n', start) + 1;
  for (size_t i = 0; i < field; ++i)
    start = csv.find(',', start) + 1;
  const size_t end = csv.find_first_of(",\n", start);
  return csv.replace(start, end - start, value);
}

TEST_F(SpreadsheetTest, BadCsvIsRefusedNamingWhere) {
  LinkTestAccess::Nastawy(m.link)[240] = 16;
  LinkTestAccess::Nastawy(m.link)[224 + 14] = 95;
  const TableView view = View(13);
  const std::string csv = chart::TableCsv(m.link, view);
  const std::pair<std::string, std::string> cases[] = {
      {"", "The file has 0 lines; a table has 17: the column headers and 16 rows."},
      {csv.substr(0, csv.rfind('\n', csv.size() - 2) + 1),
       "The file has 16 lines; a table has 17: the column headers and 16 rows."},
      {csv + "1\n", "The file has 18 lines; a table has 17: the column headers and 16 rows."},
      {Replaced(csv, 4, 16, "5,6"), "Line 5 has 18 fields; every line has 17."},
      {Replaced(csv, 4, 3, "abc"), "line 5, column 4: \"abc\" is not a number."},
      {Replaced(csv, 6, 3, ""), "line 7, column 4: \"\" is not a number."},
      {Replaced(csv, 0, 1, "850"),
       "line 1, column 2: the header is 850 but the controller's is 800; the table would land on "
       "other breakpoints."},
      {Replaced(csv, 2, 0, "0.9"),
       "line 3, column 1: the header is 0.9 but the controller's is 0.95; the table would land "
       "on other breakpoints."},
      {Replaced(csv, 2, 0, "x"), "line 3, column 1: the header \"x\" is not a number."},
  };
  for (const auto& [text, message] : cases) {
    const chart::CsvLoad loaded = chart::ReadTableCsv(m.link, view, text);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message, message);
  }
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

// The one reader of the numbers of a CSV, a paste and a typed cell.
TEST(NumberReader, TakesPlainDecimalsAndRefusesTheRestSayingWhy) {
  using chart::NumberProblem;
  const std::string huge = "1" + std::string(400, '0');
  const std::string tiny = "0." + std::string(400, '0') + "1";
  struct Case {
    std::string field;
    bool decimalComma;
    NumberProblem problem;
    double value;
  };
  const Case cases[] = {
      {"12", false, NumberProblem::None, 12},
      {"-0.5", false, NumberProblem::None, -0.5},
      {"+7.", false, NumberProblem::None, 7},
      {".25", false, NumberProblem::None, 0.25},
      {"2,5", true, NumberProblem::None, 2.5},
      {"2.5", true, NumberProblem::None, 2.5},
      {"2,5", false, NumberProblem::NotANumber, 0},
      {"2,5.1", true, NumberProblem::NotANumber, 0},
      {"1.2.3", false, NumberProblem::NotANumber, 0},
      {"99999999999999999999", false, NumberProblem::None, 1e20},
      {huge, false, NumberProblem::OutOfRange, 0},
      {"-" + huge, false, NumberProblem::OutOfRange, 0},
      {huge + ".5", false, NumberProblem::OutOfRange, 0},
      {tiny, false, NumberProblem::OutOfRange, 0},
      {"1e3", false, NumberProblem::NotANumber, 0},
      {"1E-3", false, NumberProblem::NotANumber, 0},
      {"inf", false, NumberProblem::NotANumber, 0},
      {"nan", false, NumberProblem::NotANumber, 0},
      {"0x10", false, NumberProblem::NotANumber, 0},
      {std::string("1\0", 2), false, NumberProblem::NotANumber, 0},
      {std::string("\0", 1), false, NumberProblem::NotANumber, 0},
      {"", false, NumberProblem::NotANumber, 0},
      {"-", false, NumberProblem::NotANumber, 0},
      {"+", true, NumberProblem::NotANumber, 0},
      {".", false, NumberProblem::NotANumber, 0},
      {"- 1", false, NumberProblem::NotANumber, 0},
  };
  for (const Case& c : cases) {
    const chart::FieldNumber read = chart::ReadNumber(c.field, c.decimalComma);
    EXPECT_EQ(read.problem, c.problem) << c.field.substr(0, 24);
    if (read) {
      EXPECT_DOUBLE_EQ(read.value, c.value) << c.field;
    }
  }
  EXPECT_EQ(chart::NumberRefusal("x", NumberProblem::NotANumber), "\"x\" is not a number");
  EXPECT_EQ(chart::NumberRefusal("1e999", NumberProblem::OutOfRange),
            "\"1e999\" is too large or too small a number");
}

// A number beyond a double in a CSV or a pasted block is refused with where it stands, and
// nothing changes; one merely far beyond the table is held to its range and named, not stored
// as the table's lowest value.
TEST_F(SpreadsheetTest, NumbersBeyondADoubleAreRefusedNamingWhere) {
  const TableView view = View(1);  // per cent, 50 .. 150
  const chart::TableBytes before = Bytes(view);
  const std::string huge = "1" + std::string(400, '0');
  const std::string csv = chart::TableCsv(m.link, view);
  const chart::CsvLoad loaded = chart::ReadTableCsv(m.link, view, Replaced(csv, 3, 2, huge));
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message,
            "line 4, column 3: \"" + huge + "\" is too large or too small a number.");
  const chart::CsvLoad header = chart::ReadTableCsv(m.link, view, Replaced(csv, 0, 1, huge));
  EXPECT_NE(header.message.find("line 1, column 2: the header \"1000"), std::string::npos)
      << header.message;
  const chart::PasteResult pasted = chart::PasteBlock(m.link, view, 0, 15, "1\t-" + huge + "\n");
  EXPECT_EQ(pasted.edit, TableEdit::Beep);
  EXPECT_EQ(pasted.message,
            "Line 1, value 2: \"-" + huge + "\" is too large or too small a number.");
  EXPECT_EQ(Bytes(view), before);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);

  const chart::CsvLoad held =
      chart::ReadTableCsv(m.link, view, Replaced(csv, 1, 1, "99999999999999999999"));
  ASSERT_TRUE(held.ok) << held.message;
  EXPECT_EQ(held.bytes[15], 150) << "+50 %, its highest";
  EXPECT_EQ(held.clamped, (std::vector<chart::GridCell>{{0, 15}}));
  EXPECT_EQ(chart::PasteBlock(m.link, view, 0, 15, "-99999999999999999999\n").clamped, 1);
  EXPECT_EQ(Bytes(view)[15], 50);
}

TEST_F(SpreadsheetTest, ACsvNamesTheCellsItHeld) {
  const TableView view = View(16);  // 0 .. 128
  const std::string csv = Replaced(chart::TableCsv(m.link, view), 1, 1, "1.5");
  const chart::CsvLoad loaded = chart::ReadTableCsv(m.link, view, csv);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  ASSERT_EQ(loaded.clamped.size(), 1u);
  EXPECT_EQ(loaded.clamped[0], (chart::GridCell{0, 15}));
  EXPECT_EQ(loaded.bytes[15], 128);
}

TEST_F(SpreadsheetTest, UndoPutsBackBothBanksAndWritesThem) {
  chart::TableUndo undo;
  EXPECT_EQ(undo.Undo(m.link), TableEdit::None);
  ASSERT_EQ(m.link.AktalnyBank(), 0);
  const TableView view = View(1);
  const chart::TableBytes bank1 = Bytes(view);
  auto& image = LinkTestAccess::ObrazSterownika(m.link);
  image[img::KorOdObr2] = 77;
  const chart::TableBytes bank2 =
      chart::TableOf(m.link, chart::TableViewOf(m.link, img::KorOdObr2).value());

  chart::TableSnapshot before = chart::SnapshotOf(m.link, view);
  chart::PressCounters presses;
  undo.Record(before, chart::EditBlock(m.link, *chart::GridKindOf(1), {0, 1, 0, 1},
                                       chart::BlockKey::Delete, false, presses));
  ASSERT_TRUE(undo.Available());
  EXPECT_EQ(image[img::KorOdObr2], 100) << "bank 2 took bank 1's edit";
  LinkTestAccess::FlagiZapisu(m.link) = 0;

  EXPECT_EQ(undo.Undo(m.link), TableEdit::Refill);
  EXPECT_EQ(Bytes(view), bank1);
  EXPECT_EQ(chart::TableOf(m.link, chart::TableViewOf(m.link, img::KorOdObr2).value()), bank2);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2);
  EXPECT_FALSE(undo.Available());
}

TEST_F(SpreadsheetTest, AnEditThatChangedNothingLeavesTheUndoAsItWas) {
  chart::TableUndo undo;
  const TableView view = View(14);
  const chart::TableSnapshot first = chart::SnapshotOf(m.link, view);
  undo.Record(first, chart::PasteBlock(m.link, view, 0, 0, "1\n").edit);
  const chart::TableBytes afterPaste = Bytes(view);
  const chart::TableSnapshot second = chart::SnapshotOf(m.link, view);
  undo.Record(second, chart::PasteBlock(m.link, view, 0, 0, "x\n").edit);
  EXPECT_EQ(Bytes(view), afterPaste);
  undo.Undo(m.link);
  EXPECT_EQ(Bytes(view)[0], 3) << "the first paste is undone";
}

}  // namespace
