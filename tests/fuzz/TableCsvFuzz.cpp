// Arbitrary text as the CSV of a table and as a spreadsheet's block pasted into it, for the
// controller family the first byte picks and the table the second picks. Reading never changes
// the link; a refused paste changes nothing; a table taken from a CSV reads back from its own
// CSV unchanged.

#include <cstdlib>
#include <string_view>

#include "charts/TableClipboard.h"
#include "charts/TableCsv.h"
#include "charts/TableNames.h"
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

  const chart::TableBytes before = chart::TableOf(link, *view);
  const int cell = data[1] / 16;
  const chart::PasteResult pasted =
      chart::PasteBlock(link, *view, cell % 4 * 4, 15 - cell / 4 * 4, std::string(text));
  if (!pasted.message.empty()) Require(chart::TableOf(link, *view) == before);
  return 0;
}
