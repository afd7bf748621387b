// What follows identification: the family decides the catalogue, the live parameters and the
// link's own state; firmware version, injector count and model patch them.

#include <algorithm>

#include "controller/Tsterownik.h"

namespace {

constexpr int kSpecialMaster = 1, kSpecialSlave = 2, kSpecialThreeCylinders = 10;

}  // namespace

void TSterownik::ListaNastawWykresyOdPlytki(int afterFile) {
  const Family family = Rodzina();
  const FamilyTraits& traits = TraitsOf(family);
  if (traits.gasController) NormaliseGasControllerIdentity();
  // The decoded values belong to the list they were decoded for.
  status_ = DecodedStatus{};
  switch (family) {
    case Family::Rumo:
    case Family::Fortix:
    case Family::Lumo:
      SelectMalverFamily(family);
      break;
    case Family::RailEmulator:
      model_ = family;
      UtworzListeNastawEmulator();
      UtworzWykresyEmulator();
      dwaBanki_ = false;
      break;
    case Family::PumpEmulator:
      model_ = family;
      UtworzListeNastawEmuPomPaliwa();
      UtworzWykresyEmuPomPaliwa();
      dwaBanki_ = false;
      break;
    case Family::Kavi:
      SelectKaviFamily(afterFile);
      break;
    default:
      model_ = Family::Unknown;
      dwaBanki_ = false;
      break;
  }
  WyznaczBank();
  LimitLevelSensorTypes();
  if (traits.emulator) return;
  VersionDependentMaxima();
  InjectorTracesFollowChannelCount();
  const int special = OpisSpecjalny();
  if (special == kSpecialMaster || special == kSpecialSlave) {
    if (family == Family::Fortix) listaNastaw_[109].max = 0;
    if (family == Family::Kavi) listaNastaw_[109].max = 5;
  }
}

void TSterownik::NormaliseGasControllerIdentity() {
  uint8_t& channels = obraz_[img::IleWtr];
  if (channels != 4 && channels != 6 && channels != 8) channels = 8;
  ileWtryskiwaczy_ = channels;
  for (int i = img::Eeprom1; i < img::Eeprom1 + 4; ++i)
    if (obraz_[i] < 78 || obraz_[i] > 178) obraz_[i] = 128;
}

void TSterownik::SelectMalverFamily(Family family) {
  model_ = family;
  UtworzListeNastawPosredni();
  UtworzWykresyPosredni();
  ApplyTraceColoursAndVisibility(family);
  const bool fortix = family == Family::Fortix;
  dwaBanki_ = fortix;
  zakresMnoznika_ = 200;
  listaNastaw_[4].nazwa = fortix ? 3048 : 3040;  // "Probe 1 wire" : "RPM wire"
  if (WersjaProgramu() > 12) listaNastaw_[20].max = 2;
  if (family == Family::Rumo) listaWykresow_[8].flagi = ChartPlace::ScopeList | ChartPlace::Offered;
  if (fortix) listaWykresow_[8].flagi = 0;
  if (!fortix)
    for (int entry = 9; entry <= 12; ++entry)
      listaWykresow_[entry].flagi = 0;
}

void TSterownik::SelectKaviFamily(int afterFile) {
  model_ = Family::Kavi;
  UtworzListeNastawFsi();
  UtworzWykresyFsi();
  // A recording of the short sample format has no room for the later traces.
  if (afterFile == 1 && rozmiarRekordu_ == status_frame::kShortRecord)
    for (size_t entry = 53; entry < listaWykresow_.size(); ++entry)
      listaWykresow_[entry].flagi = 0;
  ApplyTraceColoursAndVisibility(Family::Kavi);
  kanalyFsi_ = ileWtryskiwaczy_ == 6 && !Czy_DI_MPI() ? 6 : 0;
  zakresMnoznika_ = 80;
  KaviCatalogueChanges();
  dwaBanki_ = Czy_DI_MPI() || (ileWtryskiwaczy_ == 6 && OpisSpecjalny() != kSpecialThreeCylinders);
}

void TSterownik::ApplyTraceColoursAndVisibility(Family family) {
  const FamilyTraits& traits = TraitsOf(family);
  for (int entry = 1; entry <= 38 && entry < static_cast<int>(listaWykresow_.size()); ++entry)
    listaWykresow_[entry].kolor = koloryWykresow_[entry - 1];
  for (int entry = 1; entry <= traits.visibleTraceEntries; ++entry) {
    Wykres& w = listaWykresow_[entry];
    w.flagi = (w.flagi & 0x0F) | StoredTraceFlags(traits.traceFlagGroup, entry);
  }
}

void TSterownik::KaviCatalogueChanges() {
  PodmianaNastaw();
  const int firmware = WersjaProgramu();
  const int model = Wyrob();
  if (firmware >= 15 && ileWtryskiwaczy_ == 6) listaNastaw_[262].max = 2;
  int firingOrders = 0;
  if (model == 9) firingOrders = ileWtryskiwaczy_ == 4 ? 1 : ileWtryskiwaczy_ == 6 ? 2 : 0;
  if (Czy_DI_MPI()) firingOrders = ileWtryskiwaczy_ == 6 || ileWtryskiwaczy_ == 8 ? 1 : 0;
  listaNastaw_[93].max = static_cast<uint8_t>(firingOrders);
}

void TSterownik::VersionDependentMaxima() {
  const int firmware = WersjaProgramu();
  listaNastaw_[81].max = firmware < 5 ? 2 : 3;
  listaNastaw_[139].max = firmware < 11 ? 2 : 3;
  listaNastaw_[24].max = firmware < 11 ? 28 : 31;
  listaNastaw_[123].max = listaNastaw_[124].max = firmware < 11 ? 32 : 40;
}

// Every family's list has the level sensor types; a firmware of versions 2 to 9 knows only the
// first five. Decided with the catalogue, not where a view lays it out, so that no front end
// writes a type the controller lacks.
void TSterownik::LimitLevelSensorTypes() {
  const int firmware = WersjaProgramu();
  listaNastaw_[40].max = firmware < 2 || firmware > 9 ? 11 : 4;
}

void TSterownik::InjectorTracesFollowChannelCount() {
  if (listaWykresow_.size() <= 38) return;
  for (int entry = 31; entry <= 38; ++entry) {
    int flags = ChartPlace::ScopeList | ChartPlace::InjectionTimes;
    if (ileWtryskiwaczy_ == 4 || (ileWtryskiwaczy_ == 6 && entry >= 35)) flags = 0;
    listaWykresow_[entry].flagi = flags;
  }
}
