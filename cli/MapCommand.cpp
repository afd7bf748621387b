#include "cli/MapCommand.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "charts/MapCells.h"
#include "charts/MultiplierNodes.h"
#include "cli/FileCommands.h"
#include "cli/TablePrint.h"

namespace {

constexpr int kMapSize = 16;

using Row = TextRow;

// The highest load row first, as the grids show it.
std::vector<Row> MapTable(const TSterownik& link, chart::MapShown shown) {
  std::vector<Row> rows;
  Row header{chart::LoadAxisCorner(link)};
  for (int c = 0; c < kMapSize; ++c)
    header.push_back(chart::RpmBreakpointText(link, c));
  rows.push_back(header);
  for (int r = kMapSize - 1; r >= 0; --r) {
    Row row{chart::LoadBreakpointText(link, r)};
    for (int c = 0; c < kMapSize; ++c)
      row.push_back(chart::InjectionMapCellText(link, shown, c, r));
    rows.push_back(row);
  }
  return rows;
}

std::vector<Row> NodeTable(const TSterownik& link) {
  const chart::MultiplierNodes nodes = chart::NodesInView(link);
  const char separator = link.DecimalSeparator();
  std::vector<Row> rows{{"node", "position [ms]", "value"}};
  for (int i = 0; i < multiplier::kNodes; ++i)
    if (nodes.Present(i))
      rows.push_back({std::to_string(i),
                      chart::NodePositionText(nodes.x[static_cast<size_t>(i)], separator),
                      chart::NodeValueText(nodes.Shown(i), separator)});
  return rows;
}

std::string MultiplierTitle(const TSterownik& link) {
  const int bank = link.AktalnyBank();
  if (bank == 0) return link.DwaBanki() ? "multiplier, both banks" : "multiplier";
  return "multiplier, bank " + std::to_string(multiplier::InView(bank).number);
}

void PrintSection(const std::string& title, const std::vector<Row>& rows, bool csv, bool titled) {
  if (titled) std::printf("%s\n", title.c_str());
  PrintTable(rows, csv);
}

void PrintMaps(const TSterownik& link, MapListing listing, bool csv) {
  const bool all = listing == MapListing::All;
  struct Map {
    MapListing listing;
    const char* title;
    chart::MapShown shown;
  };
  static constexpr Map kMaps[] = {
      {MapListing::Petrol, "petrol [ms]", chart::MapShown::Petrol},
      {MapListing::Gas, "gas [ms]", chart::MapShown::Gas},
      {MapListing::Deviation, "deviation, petrol - gas [ms]", chart::MapShown::Deviation}};
  for (const Map& map : kMaps) {
    if (!all && listing != map.listing) continue;
    PrintSection(map.title, MapTable(link, map.shown), csv, all);
    if (all) std::printf("\n");
  }
  if (all || listing == MapListing::Multiplier)
    PrintSection(MultiplierTitle(link), NodeTable(link), csv, all);
}

}  // namespace

bool ParseMapListing(const std::string& name, MapListing& listing) {
  static const std::pair<const char*, MapListing> kNames[] = {
      {"petrol", MapListing::Petrol},
      {"gas", MapListing::Gas},
      {"deviation", MapListing::Deviation},
      {"multiplier", MapListing::Multiplier}};
  for (const auto& [text, value] : kNames)
    if (name == text) {
      listing = value;
      return true;
    }
  return false;
}

int MapFromController(TSterownik& link, MapListing listing, bool csv, const CommandTime& time) {
  link.CzytajZeSterownika(AreaBit::PetrolMap | AreaBit::GasMap | AreaBit::Multiplier1 |
                          AreaBit::Multiplier2 | AreaBit::Settings);
  if (const int read = ReadOut(link, time); read != kOk) return read;
  PrintMaps(link, listing, csv);
  return kOk;
}

int MapFromSettingsFile(TSterownik& link, const std::string& path, MapListing listing, bool csv) {
  std::vector<uint8_t> bytes;
  if (const int read = ReadSettingsFile(path, bytes); read != kOk) return read;
  if (!link.LoadSettings(bytes, path)) return kFileError;  // the link has said why
  PrintMaps(link, listing, csv);
  return kOk;
}
