// The link's live-parameter definitions: the list of each family and the entries whose names
// follow the settings.

#include "controller/ChartListsData.h"
#include "controller/Tsterownik.h"

namespace {

bool RowApplies(const charts::Row& row, int firmware, int switchVersion) {
  switch (row.firmware) {
    case charts::kFromSwitchVersion:
      return firmware >= switchVersion;
    case charts::kBelowSwitchVersion:
      return firmware < switchVersion;
    default:
      return true;
  }
}

}  // namespace

void TSterownik::DodajWykres(int nazwa, int jednostka, int rodzaj, int przesuniecie, double skala,
                             int miejsca, uint32_t kolor, double wzmocnienie, int flagi,
                             double minimum, double maksimum) {
  listaWykresow_.push_back(Wykres{nazwa, jednostka, przesuniecie, rodzaj, skala, miejsca, kolor,
                                  wzmocnienie, flagi, minimum, maksimum, kNothingShown});
}

void TSterownik::BuildChartList(std::span<const charts::Row> rows, int switchVersion) {
  listaWykresow_.clear();
  const int firmware = WersjaProgramu();
  for (const charts::Row& r : rows)
    if (RowApplies(r, firmware, switchVersion))
      DodajWykres(r.nazwa, r.jednostka, r.rodzaj, r.przesuniecie, r.skala, r.miejsca, r.kolor,
                  r.wzmocnienie, r.flagi, r.minimum, r.maksimum);
}

void TSterownik::UtworzWykresyPosredni() {
  BuildChartList(charts::kMalverList, 15);
}
void TSterownik::UtworzWykresyFsi() {
  BuildChartList(charts::kKaviList, 17);
}
void TSterownik::UtworzWykresyEmulator() {
  BuildChartList(charts::kEmulatorList, 0);
}
void TSterownik::UtworzWykresyEmuPomPaliwa() {
  BuildChartList(charts::kPumpList, 0);
}

void TSterownik::NazwyWykresow(int) {
  const FamilyTraits& traits = Traits();
  if (!traits.gasController || listaWykresow_.size() < 23) return;
  const uint8_t* settings = Nastawy();

  Wykres& wire = listaWykresow_[8];
  if (settings[4] <= 2) {
    wire.nazwa = 3041 + settings[4];  // "RPM", "LAMBDA", "MAF"
    wire.jednostka = 1050;
    wire.rodzaj = 11;
  } else if (settings[4] == 3) {
    wire.nazwa = 3044;  // "AFR"
    wire.jednostka = 0;
    wire.rodzaj = 26;
  }

  if (Rodzina() != Family::Kavi) {
    const bool fuelPressure = settings[15] == 3;
    listaWykresow_[9].nazwa = fuelPressure && settings[6] == 0 ? 1440 : 1420;
    listaWykresow_[10].nazwa = fuelPressure && settings[6] != 0 ? 1440 : 1422;
  }

  NazwyWykresowUserPid(21, traits.obdModule ? 123 : 0);
  NazwyWykresowUserPid(22, traits.obdModule ? 124 : 0);
}

void TSterownik::NazwyWykresowUserPid(int entry, int setting) {
  Wykres& w = listaWykresow_[entry];
  w.nazwa = 4230;  // "User PID"
  w.jednostka = 0;
  w.rodzaj = 10;
  w.skala = 1.0;
  w.miejsca = 0;
  w.wzmocnienie = 2.5;
  const int a = setting > 0 ? Nastawy()[setting] : 0;
  if (a == 0) return;
  w.nazwa = 800 + 2 * a;  // the OBD parameter's own name; 15, 16 and above 40 keep the rest

  struct Shape {
    int first, last, unit, type;
    double scale;
    int decimals;
    double gain;
  };
  // clang-format off
  static constexpr Shape kShapes[] = {
    { 1,  1, 1057, 10, 1.0,       0, 2.5},
    { 2,  2, 1054, 24, 1.0,       0, 2.5},
    {12, 12, 1054, 24, 1.0,       0, 2.5},
    { 3,  6, 1057, 22, 1.0,       0, 2.5},
    { 7,  7,  963, 10, 3.0,       0, 2.5},
    { 8,  8,  963, 10, 1.0,       0, 2.5},
    { 9,  9, 1056, 10, 64.0,      0, 2.5},
    {10, 10,  964, 10, 1.0,       0, 2.5},
    {11, 11,  965, 25, 1.0,       0, 2.5},
    {13, 13,  966, 10, 2.56,      2, 2.5},
    {14, 14, 1057, 10, 0.390625,  0, 2.5},
    {17, 24, 1050, 10, 0.005,     2, 0.7},
    {25, 40,    0, 10, 0.0078125, 3, 1.0},
  };
  // clang-format on
  for (const Shape& s : kShapes) {
    if (a < s.first || a > s.last) continue;
    w.jednostka = s.unit;
    w.rodzaj = s.type;
    w.skala = s.scale;
    w.miejsca = s.decimals;
    w.wzmocnienie = s.gain;
    return;
  }
}
