#include "controller/SettingsCatalogue.h"

#include <cstdio>

#include "controller/SettingsCatalogueData.h"

namespace {

bool RowApplies(const catalogue::Row& row, int firmware) {
  switch (row.firmware) {
    case catalogue::kFirmwareAbove12:
      return firmware > 12;
    case catalogue::kFirmware12OrLower:
      return firmware <= 12;
    default:
      return true;
  }
}

// Every record built here has the full normal range; the editor's warning colour is for
// records that narrow it.
Katalog FromRows(std::span<const catalogue::Row> rows, int firmware) {
  Katalog list{};
  for (const catalogue::Row& r : rows) {
    if (!RowApplies(r, firmware)) continue;
    list[r.setting] =
        Nastawa{r.name, r.unit,        r.scale,  static_cast<uint8_t>(r.kind | r.decimals),
                r.min,  r.def,         r.max,    0,
                255,    r.fromVersion, r.options};
  }
  return list;
}

}  // namespace

uint8_t PageChecksum(const uint8_t* page) {
  uint8_t sum = 0;
  for (int i = 1; i < 256; ++i)
    sum = static_cast<uint8_t>(sum + page[i]);
  return static_cast<uint8_t>(0 - sum);
}

Katalog MalverCatalogue(int firmware) {
  return FromRows(catalogue::kMalverRows, firmware);
}

Katalog KaviCatalogue(int firmware, int boardVariant) {
  Katalog list = FromRows(catalogue::kKaviRows, firmware);
  const bool from17 = firmware >= 17;
  list[1].max = from17 ? 13 : 8;
  list[261].max = from17 ? 4 : 2;
  const uint8_t differentialLow = boardVariant == 13 && from17 ? 1 : 0;
  list[260].min = list[260].domyslna = differentialLow;
  return list;
}

bool StoredDefaultImage(bool kavi, int firmware, ObrazNastaw& image, int& size) {
  const bool stored = kavi
                          ? (firmware >= 11 && firmware <= 17)
                          : ((firmware >= 1 && firmware <= 12) || firmware == 14 || firmware == 15);
  if (!stored) return false;
  size = (kavi ? firmware >= 15 : firmware >= 14) ? 512 : 256;
  // The images hold the defaults of the list as built for their version (the MALVER list as
  // for family 2, the KAVI list for an ordinary board), with these exceptions.
  const Katalog list = kavi ? KaviCatalogue(firmware, 0) : MalverCatalogue(firmware);
  for (int i = 0; i < kSettingsCount; ++i)
    image[i] = i < size ? list[i].domyslna : 0;
  for (const catalogue::ImageException& e :
       kavi ? catalogue::kKaviImageExceptions : catalogue::kMalverImageExceptions)
    if (firmware >= e.firstVersion && firmware <= e.lastVersion) image[e.setting] = e.value;
  image[0] = PageChecksum(image.data());
  return true;
}
