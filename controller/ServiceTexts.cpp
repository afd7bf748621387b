// The controller's work statistics and change history as texts of the service window.

#include <algorithm>
#include <cstdio>

#include "controller/ServiceSettings.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kHistoryEntries = 32;
constexpr int kHistoryEntrySize = 8;
constexpr int kEmergencyStartsNotCounted = 255;
constexpr int kFirstVersionCountingStarts = 13;

// Hours, then the seconds part as minutes and seconds; the minutes are not held below 60,
// so a seconds part past the hour shows as it stands.
std::string RunningTime(const std::array<uint8_t, img::kSize>& image, int hours, int seconds) {
  const int part = WordAt(&image[seconds]);
  char text[24];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", WordAt(&image[hours]), part / 60, part % 60);
  return text;
}

std::string Hex(const uint8_t* bytes, int count) {
  std::string text;
  char digits[3];
  for (int i = 0; i < count; ++i) {
    std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
    text += digits;
  }
  return text;
}

int UsedHistoryEntries(const uint8_t* history) {
  int used = 0;
  while (used < kHistoryEntries && history[used * kHistoryEntrySize] != 0)
    ++used;
  return used;
}

std::string HistoryDate(const uint8_t* entry) {
  char text[24];
  std::snprintf(text, sizeof text, "%d.%02d.%02d", 2000 + entry[1], entry[2], entry[3]);
  return text;
}

}  // namespace

std::string TSterownik::StrCzasNaBenzynie() const {
  return RunningTime(obraz_, img::CzasBenzynyGodziny, img::CzasBenzynySekundy);
}

std::string TSterownik::StrCzasNaGazie() const {
  return RunningTime(obraz_, img::CzasGazuGodziny, img::CzasGazuSekundy);
}

std::string TSterownik::StrCzasPrzegladu(int total) const {
  const int due = WordAt(Nastawy() + service_setting::DueHours);
  const int hours = total == 1 ? due : std::max(0, due - WordAt(&obraz_[img::CzasGazuGodziny]));
  return std::to_string(hours) + ":00:00";
}

std::string TSterownik::StrLicznikUruch() const {
  const int starts = obraz_[img::LicznikUruch];
  return starts == kEmergencyStartsNotCounted ? "-" : std::to_string(starts);
}

std::string TSterownik::StrIdentWlasny() const {
  const uint8_t bytes[4] = {
      static_cast<uint8_t>(identWlasny_ >> 24), static_cast<uint8_t>(identWlasny_ >> 16),
      static_cast<uint8_t>(identWlasny_ >> 8), static_cast<uint8_t>(identWlasny_)};
  return Hex(bytes, 2) + "-" + Hex(bytes + 2, 2);
}

std::string TSterownik::StrHistoria(int column, int entry) const {
  const uint8_t* history = &obraz_[img::HistoriaZmian];
  if (entry < 0 || entry >= UsedHistoryEntries(history)) return {};
  const uint8_t* e = history + entry * kHistoryEntrySize;
  if (column == 0) return HistoryDate(e);
  if (column >= 1 && column <= 4) return e[0] & (1 << (column - 1)) ? "v" : "";
  if (column == 5) return Hex(e + 4, 2) + "-" + Hex(e + 6, 2);
  return {};
}

bool TSterownik::CountsEmergencyStarts() const {
  return Czy_MALVER() && WersjaProgramu() >= kFirstVersionCountingStarts;
}
