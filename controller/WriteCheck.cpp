#include "controller/WriteCheck.h"

#include <algorithm>

#include "controller/AreaNames.h"
#include "controller/SettingsCatalogue.h"
#include "controller/TransmissionTables.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kRows = 16;  // a learned map's bytes run column by column, 16 load rows each

}  // namespace

WriteCheck::WriteCheck(const TSterownik& link) : WriteCheck(link, link.FlagiZapisu()) {}

WriteCheck::WriteCheck(const TSterownik& link, uint32_t areas)
    : areas_(areas), learnedReports_(link.LearnedCellReports().Reports()) {
  for (const transmission::DataArea& area : transmission::DataAreas()) {
    if (!(areas_ & area.bit)) continue;
    Written w{area.bit, area.offset, {}};
    std::copy_n(&link.ObrazSterownika()[area.offset], img::kAreaSize, w.bytes.begin());
    // A settings page goes out with a fresh checksum in its byte 0; the controller keeps that.
    if (area.bit == AreaBit::Settings || area.bit == AreaBit::Settings2)
      w.bytes[0] = PageChecksum(w.bytes.data());
    written_.push_back(w);
  }
}

uint32_t WriteCheck::Differing(const TSterownik& link) const {
  uint32_t differing = 0;
  EachChange(link, [&](const Written& w, int, bool learned) {
    if (!learned) differing |= w.area;
  });
  return differing;
}

std::vector<LearnedCell> WriteCheck::LearnedMeanwhile(const TSterownik& link) const {
  std::vector<LearnedCell> cells;
  EachChange(link, [&](const Written& w, int i, bool learned) {
    if (learned) cells.push_back({w.area, i / kRows, i % kRows});
  });
  return cells;
}

void WriteCheck::EachChange(const TSterownik& link, const ChangeVisitor& visit) const {
  const LearnedCells& learned = link.LearnedCellReports();
  for (const Written& w : written_)
    for (int i = 0; i < img::kAreaSize; ++i)
      if (w.bytes[static_cast<size_t>(i)] != link.ObrazSterownika()[w.offset + i])
        visit(w, i, learned.ReportedAfter(learnedReports_, w.offset + i));
}

std::string LearnedCellNames(const std::vector<LearnedCell>& cells) {
  std::string names;
  for (const LearnedCell& c : cells) {
    if (!names.empty()) names += ", ";
    names += AreaNames(c.area) + " RPM column " + std::to_string(c.column) + " load row " +
             std::to_string(c.row);
  }
  return names;
}
