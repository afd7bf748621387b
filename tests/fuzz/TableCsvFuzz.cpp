// Arbitrary text as the CSV of a table, as the CSV of a correction curve's nodes, as a
// spreadsheet's block pasted into the table and as a value typed into one of its cells, for the
// controller family the first byte picks and the table and curve the second picks. Reading never
// changes the link; a refused paste or typed value changes nothing; a table or curve taken from
// a CSV reads back from its own CSV unchanged.

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "charts/CorrectionCurve.h"
#include "charts/TableClipboard.h"
#include "charts/TableCsv.h"
#include "charts/TableNames.h"
#include "charts/TableTyping.h"
#include "tests/fuzz/FuzzLink.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  FuzzLink connected(data[0]);
  TSterownik& link = connected.link;
  const auto names = chart::TableNames();
  const chart::NamedTable& named = names[data[1] % names.size()];
  const std::optional<chart::TableView> view = chart::TableViewOf(link, named.area);
  if (!view) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  const auto image = link.ObrazSterownika();
  const chart::CsvLoad loaded = chart::ReadTableCsv(link, *view, text);
  Require(link.ObrazSterownika() == image);
  Require(loaded.ok == loaded.message.empty());
  if (loaded.ok) {
    chart::StoreTable(link, *view, loaded.bytes);
    const chart::CsvLoad again = chart::ReadTableCsv(link, *view, chart::TableCsv(link, *view));
    Require(again.ok && again.bytes == loaded.bytes && again.clamped.empty());
  }

  const chart::CurveKind& curve = *chart::CurveNamed(chart::CurveNames()[data[1] % 3]);
  const chart::CurveFromRows nodes = chart::ReadCurveCsv(chart::CurveInView(link, curve), text);
  Require(link.ObrazSterownika() == image);
  Require(nodes.curve.has_value() == nodes.error.empty());
  if (nodes.curve) {
    chart::StoreCurveNodes(link, *nodes.curve);
    const chart::CorrectionCurve stored = chart::CurveInView(link, curve);
    const chart::CurveFromRows again = chart::ReadCurveCsv(stored, chart::CurveCsv(link, curve));
    Require(again.curve && again.curve->record == stored.record);
    Require(!chart::StoreCurveNodes(link, *again.curve));
  }

  const chart::TableBytes before = chart::TableOf(link, *view);
  const int cell = data[1] / 16;
  const chart::PasteResult pasted =
      chart::PasteBlock(link, *view, cell % 4 * 4, 15 - cell / 4 * 4, std::string(text));
  if (!pasted.message.empty()) Require(chart::TableOf(link, *view) == before);

  const chart::TableBytes beforeTyping = chart::TableOf(link, *view);
  if (chart::CommitCell(link, *view, cell, 15 - cell, std::string(text)) == chart::TableEdit::Beep)
    Require(chart::TableOf(link, *view) == beforeTyping);
  return 0;
}
