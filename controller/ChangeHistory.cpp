// The change history kept in the controller: who changed what, and when, one entry per day and
// workstation.

#include <algorithm>
#include <cstring>

#include "controller/Tsterownik.h"

namespace {

constexpr int kEntries = 32;
constexpr int kEntrySize = 8;

}  // namespace

bool TSterownik::HistoryKept() const {
  return Traits().gasController && StanIdentyfikacji() == 0;
}

void TSterownik::HistoriaZmian(int bit) {
  if (!HistoryKept()) return;
  uint8_t* history = &obraz_[img::HistoriaZmian];
  const uint8_t change = static_cast<uint8_t>(1 << bit);
  int used = 0;
  while (used < kEntries && history[used * kEntrySize] != 0)
    ++used;

  const uint8_t stamp[7] = {
      static_cast<uint8_t>(dataRok_),           static_cast<uint8_t>(dataMiesiac_),
      static_cast<uint8_t>(dataDzien_),         static_cast<uint8_t>(identWlasny_ >> 24),
      static_cast<uint8_t>(identWlasny_ >> 16), static_cast<uint8_t>(identWlasny_ >> 8),
      static_cast<uint8_t>(identWlasny_)};
  uint8_t* entry = nullptr;
  if (used > 0 && std::memcmp(history + (used - 1) * kEntrySize + 1, stamp, 7) == 0) {
    entry = history + (used - 1) * kEntrySize;
    if (entry[0] & change) return;
    entry[0] |= change;
  } else {
    if (used == kEntries) {
      // The first entry (the controller's delivery) stays; the oldest after it goes.
      std::memmove(history + kEntrySize, history + 2 * kEntrySize, (kEntries - 2) * kEntrySize);
      used = kEntries - 1;
    }
    entry = history + used * kEntrySize;
    entry[0] = change;
  }
  std::memcpy(entry + 1, stamp, 7);
  flagiZapisu_ |= AreaBit::History;
}

void TSterownik::HistoriaZmianKasuj() {
  if (!HistoryKept()) return;
  std::fill_n(&obraz_[img::HistoriaZmian], img::kAreaSize, 0);
  flagiZapisu_ |= AreaBit::History;
}
