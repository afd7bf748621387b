// What follows identification: the family decides the catalogue, the live parameters and the
// link's own state; firmware version, injector count and model patch them.

#include <algorithm>

#include "controller/Tsterownik.h"

void TSterownik::ListaNastawWykresyOdPlytki(int afterFile) {
  const int family = Rodzina();
  if (img::IsGasControllerFamily(family)) NormaliseGasControllerIdentity();
  switch (family) {
    case 2:
    case 5:
    case 6:
      SelectMalverFamily(family);
      break;
    case 8:
      Model = 8;
      UtworzListeNastawEmulator();
      UtworzWykresyEmulator();
      DwaBanki = false;
      break;
    case 13:
      Model = 13;
      UtworzListeNastawEmuPomPaliwa();
      UtworzWykresyEmuPomPaliwa();
      DwaBanki = false;
      break;
    case 255:
      SelectKaviFamily(afterFile);
      break;
    default:
      Model = 0;
      DwaBanki = false;
      break;
  }
  WyznaczBank();
  if (family == 8 || family == 13) return;
  VersionDependentMaxima();
  InjectorTracesFollowChannelCount();
  const int special = ObrazSterownika[img::Opis];
  if (special == 1 || special == 2) {  // "MASTER", "SLAVE"
    if (family == 5) ListaNastaw[109].max = 0;
    if (family == 255) ListaNastaw[109].max = 5;
  }
}

void TSterownik::NormaliseGasControllerIdentity() {
  uint8_t& channels = ObrazSterownika[img::IleWtr];
  if (channels != 4 && channels != 6 && channels != 8) channels = 8;
  IleWtryskiwaczy = channels;
  for (int i = img::Eeprom1; i < img::Eeprom1 + 4; ++i)
    if (ObrazSterownika[i] < 78 || ObrazSterownika[i] > 178) ObrazSterownika[i] = 128;
}

void TSterownik::SelectMalverFamily(int family) {
  Model = family;
  UtworzListeNastawPosredni();
  UtworzWykresyPosredni();
  ApplyTraceColoursAndVisibility(family, family == 5 ? 22 : 14);
  DwaBanki = family == 5;
  ZakresMnoznika = 200;
  ListaNastaw[4].nazwa = family == 5 ? 3048 : 3040;  // "Probe 1 wire" : "RPM wire"
  if (WersjaProgramu() > 12) ListaNastaw[20].max = 2;
  if (family == 2) ListaWykresow[8].flagi = 3;
  if (family == 5) ListaWykresow[8].flagi = 0;
  if (family != 5)
    for (int entry = 9; entry <= 12; ++entry)
      ListaWykresow[entry].flagi = 0;
}

void TSterownik::SelectKaviFamily(int afterFile) {
  Model = 255;
  UtworzListeNastawFsi();
  UtworzWykresyFsi();
  // A recording of the short sample format has no room for the later traces.
  if (afterFile == 1 && RozmiarRekordu == 128)
    for (size_t entry = 53; entry < ListaWykresow.size(); ++entry)
      ListaWykresow[entry].flagi = 0;
  ApplyTraceColoursAndVisibility(255, 22);
  const int model = ObrazSterownika[img::Wyrob];
  KanalyFsi = IleWtryskiwaczy == 6 && model != 12 ? 6 : 0;
  ZakresMnoznika = 80;
  KaviCatalogueChanges();
  DwaBanki = model == 12 || (IleWtryskiwaczy == 6 && ObrazSterownika[img::Opis] != 10);
}

void TSterownik::ApplyTraceColoursAndVisibility(int family, int visibleEntries) {
  for (int entry = 1; entry <= 38 && entry < static_cast<int>(ListaWykresow.size()); ++entry)
    ListaWykresow[entry].kolor = KoloryWykresow[entry - 1];
  const int row = (img::TraceFlagGroup(family) - 1) * img::kTraceFlagGroupStride;
  for (int entry = 1; entry <= visibleEntries; ++entry) {
    Wykres& w = ListaWykresow[entry];
    w.flagi = (w.flagi & 0x0F) | ObrazSterownika[img::FlagiWykresow - 1 + row + entry];
  }
}

void TSterownik::KaviCatalogueChanges() {
  KaviListPatches();
  const int firmware = WersjaProgramu();
  const int model = ObrazSterownika[img::Wyrob];
  if (firmware >= 15 && IleWtryskiwaczy == 6) ListaNastaw[262].max = 2;
  int firingOrders = 0;
  if (model == 9) firingOrders = IleWtryskiwaczy == 4 ? 1 : IleWtryskiwaczy == 6 ? 2 : 0;
  if (model == 12) firingOrders = IleWtryskiwaczy == 6 || IleWtryskiwaczy == 8 ? 1 : 0;
  ListaNastaw[93].max = static_cast<uint8_t>(firingOrders);
}

void TSterownik::VersionDependentMaxima() {
  const int firmware = WersjaProgramu();
  ListaNastaw[81].max = firmware < 5 ? 2 : 3;
  ListaNastaw[139].max = firmware < 11 ? 2 : 3;
  ListaNastaw[24].max = firmware < 11 ? 28 : 31;
  ListaNastaw[123].max = ListaNastaw[124].max = firmware < 11 ? 32 : 40;
}

void TSterownik::InjectorTracesFollowChannelCount() {
  if (ListaWykresow.size() <= 38) return;
  for (int entry = 31; entry <= 38; ++entry) {
    int flags = 0x41;
    if (IleWtryskiwaczy == 4 || (IleWtryskiwaczy == 6 && entry >= 35)) flags = 0;
    ListaWykresow[entry].flagi = flags;
  }
}

void TSterownik::WyznaczBank() {
  if (!DwaBanki) {
    NumerBanku = 0;
    return;
  }
  const uint8_t* image = ObrazSterownika.data();
  const uint8_t* settings = Nastawy();
  auto same = [](const uint8_t* a, const uint8_t* b, int n) { return std::equal(a, a + n, b); };
  const bool alike = ObrazSterownika[img::Wyrob] != 12 && settings[90] == settings[92] &&
                     same(settings + 190, settings + 164, 26) &&
                     same(image + img::Mnoznik1, image + img::Mnoznik2, img::kAreaSize) &&
                     same(image + img::KorOdObr1, image + img::KorOdObr2, img::kAreaSize);
  if (alike)
    NumerBanku = 0;
  else if (NumerBanku == 0)
    NumerBanku = 1;
}
