#include "controller/WriteCheck.h"

#include <algorithm>

#include "controller/SettingsCatalogue.h"
#include "controller/TransmissionTables.h"
#include "controller/Tsterownik.h"

WriteCheck::WriteCheck(const TSterownik& link) : WriteCheck(link, link.FlagiZapisu()) {}

WriteCheck::WriteCheck(const TSterownik& link, uint32_t areas) : areas_(areas) {
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
  for (const Written& w : written_)
    if (!std::equal(w.bytes.begin(), w.bytes.end(), &link.ObrazSterownika()[w.offset]))
      differing |= w.area;
  return differing;
}
