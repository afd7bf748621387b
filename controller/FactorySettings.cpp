// The factory settings: the catalogue defaults and neutral tables written to the controller,
// which is then told to restore its own factory state and is read back.

#include <algorithm>

#include "controller/FirmwareFeatures.h"
#include "controller/Tsterownik.h"

void TSterownik::NastawyFabryczne() {
  const Family family = Rodzina();
  if (family == Family::RailEmulator) {
    WypelnijNastawyDomyslne();
    std::fill_n(&obraz_[img::EmulacjaHi], img::kAreaSize, 0);
    flagiZapisu_ = AreaBit::Settings | AreaBit::EmulatorHi;
    return;
  }
  if (!Traits().gasController) return;
  if (stanPaliwa_ != 0) RozkazDoSterownika(CommandBit::FuelChangeAuto);
  WypelnijNastawyDomyslne();
  KasujMnoznik(3);
  KasujKorOdObr(3);
  KasujKorekty();
  const int firmware = WersjaProgramu();
  const bool secondPage = HasSecondSettingsPage(family, firmware);
  if (family == Family::Kavi) {
    KasujEmulacjeHi(true);
    KasujDomieszke();
    KasujMapeCis();
    if (secondPage) {
      KasujPrzesGaz();
      KasujDawkeBen();
      KasujEmulacjeLo();
    }
  } else {
    KasujEmulacjeHi(false);
    KasujOpoznienia();
    if (firmware < 13)
      KasujWzbogacenie();
    else
      KasujDotrysk();
  }
  std::fill_n(&obraz_[img::Eeprom1], 4, 128);  // no adaptation trims
  RozkazDoSterownika(CommandBit::FactorySettings);
  uint32_t pages = AreaBit::Settings;
  if (secondPage) pages |= AreaBit::Settings2;
  ZapiszDoSterownika(pages);
}
