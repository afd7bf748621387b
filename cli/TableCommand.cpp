#include "cli/TableCommand.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "charts/CorrectionCurve.h"
#include "charts/TableCsv.h"
#include "charts/TableNames.h"
#include "cli/SetCommand.h"
#include "cli/TablePrint.h"
#include "controller/AreaNames.h"
#include "controller/NumberText.h"
#include "controller/WriteCheck.h"
#include "files/FileIo.h"
#include "files/PrintableText.h"

namespace {

constexpr size_t kLargestCsv = 64 * 1024;

// Reads the named table and the settings its axes need; the view as the controller's settings
// now have it.
int ReadTable(TSterownik& link, const std::string& name, const CommandTime& time,
              chart::TableView& view) {
  const chart::NamedTable* named = chart::TableNamed(name);
  const std::optional<chart::TableView> before =
      named ? chart::TableViewOf(link, named->area) : std::nullopt;
  if (!before) {
    std::string names;
    for (const chart::NamedTable& t : chart::TableNames())
      names += (names.empty() ? "" : ", ") + std::string(t.name);
    for (std::string_view curve : chart::CurveNames())
      names += ", " + std::string(curve);
    Fail("no table is called \"" + Printable(name) + "\"; the tables are " + names);
    return kUsage;
  }
  link.CzytajZeSterownika(before->write | AreaBit::Settings);
  if (const int read = ReadOut(link, time); read != kOk) return read;
  view = *chart::TableViewOf(link, named->area);
  return kOk;
}

// Where a cell of the table stands, by its headers.
std::string CellName(const TSterownik& link, const chart::TableView& view, chart::GridCell cell) {
  const auto texts = chart::TableTexts(link, view, '.');
  const size_t line = static_cast<size_t>(16 - cell.row);
  const size_t field = static_cast<size_t>(cell.column) + 1;
  return "row " + texts[line][0] + ", column " + texts[0][field] + ": " + texts[line][field];
}

// Runs the link until none of the bits is waiting in the given flag words.
int Settle(TSterownik& link, uint32_t bits, bool reads, const CommandTime& time) {
  return RunUntil(
      link,
      [&] {
        const uint32_t waiting =
            reads ? link.FlagiCzytania() : link.FlagiZapisu() | link.FlagiZapisuWToku();
        return (waiting & bits) == 0;
      },
      time);
}

// Sends the areas the link was asked to write, reads them back and compares.
int WriteAndReadBack(TSterownik& link, const std::string& name, uint32_t areas,
                     const WriteCheck& written, const CommandTime& time) {
  if (const int sent = Settle(link, areas, false, time); sent != kOk) {
    Fail("not confirmed as written: " + AreaNames(areas));
    return sent;
  }
  link.CzytajZeSterownika(areas);
  if (const int read = Settle(link, areas, true, time); read != kOk) return read;
  if (written.Differing(link) != 0) {
    Fail("the controller did not keep what was written: " + AreaNames(areas));
    return kNotKept;
  }
  TellLearnedCells(link, written);
  std::printf("%s: written and read back\n", name.c_str());
  return kOk;
}

// A correction curve: its nodes, as the chart shows them.
int CurveFromController(TSterownik& link, const chart::CurveKind& kind, bool csv,
                        const CommandTime& time) {
  link.CzytajZeSterownika(kind.curve.write);
  if (const int read = ReadOut(link, time); read != kOk) return read;
  if (csv) {
    std::fputs(chart::CurveCsv(link, kind).c_str(), stdout);
    return kOk;
  }
  std::vector<TextRow> rows{{chart::CurveUnitName(kind), "%"}};
  for (const chart::CurveRow& row : chart::CurveRows(link, kind, link.DecimalSeparator()))
    rows.push_back({row.position, row.correction});
  PrintTable(rows, false);
  return kOk;
}

// The file's nodes are read against the curve the controller has: a node showing what it shows
// there keeps its value.
int LoadCurveCsv(TSterownik& link, const chart::CurveKind& kind, const std::string& name,
                 std::string_view text, const std::string& path, const CommandTime& time) {
  link.CzytajZeSterownika(kind.curve.write);
  if (const int before = ReadOut(link, time); before != kOk) return before;
  const chart::CurveFromRows read = chart::ReadCurveCsv(chart::CurveInView(link, kind), text);
  if (!read.curve) {
    Fail(Printable(path) + ": " + read.error + ". Nothing was written.");
    return kFileError;
  }
  if (!chart::StoreCurveNodes(link, *read.curve)) {
    std::printf("%s: the controller holds this curve already\n", name.c_str());
    return kOk;
  }
  return WriteAndReadBack(link, name, kind.curve.write, WriteCheck(link, kind.curve.write), time);
}

}  // namespace

int TableFromController(TSterownik& link, const std::string& name, bool csv,
                        const CommandTime& time) {
  if (const chart::CurveKind* curve = chart::CurveNamed(name))
    return CurveFromController(link, *curve, csv, time);
  chart::TableView view;
  if (const int read = ReadTable(link, name, time, view); read != kOk) return read;
  if (csv)
    std::fputs(chart::TableCsv(link, view).c_str(), stdout);
  else
    PrintTable(chart::TableTexts(link, view, link.DecimalSeparator()), false);
  return kOk;
}

int LoadTableCsv(TSterownik& link, const std::string& name, const std::string& path,
                 const CommandTime& time) {
  std::vector<uint8_t> file;
  if (const FileResult read = ReadWholeFile(path, file, kLargestCsv); !read.ok) {
    Fail("cannot read " + read.error);
    return kFileError;
  }
  const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  if (const chart::CurveKind* curve = chart::CurveNamed(name))
    return LoadCurveCsv(link, *curve, name, text, path, time);
  chart::TableView view;
  if (const int read = ReadTable(link, name, time, view); read != kOk) return read;
  const chart::CsvLoad loaded = chart::ReadTableCsv(link, view, text);
  if (!loaded.ok) {
    Fail(Printable(path) + ": " + loaded.message + " Nothing was written.");
    return kFileError;
  }
  if (loaded.bytes == chart::TableOf(link, view)) {
    std::printf("%s: the controller holds this table already\n", name.c_str());
    return kOk;
  }
  chart::StoreTable(link, view, loaded.bytes);
  for (const chart::GridCell& cell : loaded.clamped)
    std::printf("held to the table's range: %s\n", CellName(link, view, cell).c_str());
  return WriteAndReadBack(link, name, view.write, WriteCheck(link, view.write), time);
}
