// The link's settings catalogue: building it for the family, defaults, range check and the
// texts a setting's value shows as.

#include <cstdio>

#include "controller/FirmwareFeatures.h"
#include "controller/NumberText.h"
#include "controller/SettingsCatalogue.h"
#include "controller/SettingsCatalogueData.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

void TSterownik::UtworzListeNastawPosredniVesk() {
  listaNastaw_ = MalverCatalogue(WersjaProgramu());
}

void TSterownik::UtworzListeNastawPosredni() {
  UtworzListeNastawPosredniVesk();
  if (Rodzina() == Family::Lumo) listaNastaw_[5].domyslna = 0;
}

void TSterownik::UtworzListeNastawEmulator() {
  UtworzListeNastawPosredniVesk();
}

void TSterownik::UtworzListeNastawFsiVesk() {
  listaNastaw_ = KaviCatalogue(WersjaProgramu(), obraz_[img::WariantPlytki]);
}

void TSterownik::UtworzListeNastawFsi() {
  UtworzListeNastawFsiVesk();
}

void TSterownik::UtworzListeNastawEmuPomPaliwa() {
  listaNastaw_.fill(Nastawa{});
}

void TSterownik::WypelnijNastawyDomyslne() {
  uint8_t* settings = NastawyDoZapisu();
  for (int i = 0; i < kSettingsCount; ++i)
    settings[i] = listaNastaw_[i].domyslna;
  const bool kavi = Rodzina() == Family::Kavi;
  const int firmware = WersjaProgramu();
  if (!HasSecondSettingsPage(Rodzina(), firmware))
    for (int i = 256; i < kSettingsCount; ++i)
      settings[i] = 0;
  // The stored images hold MALVER or KAVI settings; the fuel pump emulator has none of them.
  ObrazNastaw stored{};
  int size = 0;
  if (Rodzina() != Family::PumpEmulator && StoredDefaultImage(kavi, firmware, stored, size))
    for (int i = 0; i < size; ++i)
      settings[i] = stored[i];
  if (Rodzina() == Family::Lumo) {
    settings[1] = 7;  // RPM from the petrol injectors
    settings[5] = 0;  // ignition wire not connected
  }
  settings[0] = PageChecksum(settings);
  if (HasSecondSettingsPage(Rodzina(), firmware)) settings[256] = PageChecksum(settings + 256);
}

void TSterownik::ListaNastawSprawdzenie() {
  if (!Czy_MALVER_lub_KAVI()) return;
  uint8_t* settings = NastawyDoZapisu();
  for (int i = 1; i < 256; ++i) {
    const Nastawa& n = listaNastaw_[i];
    if (n.typ == 0) continue;  // not in this family's list
    if (settings[i] < n.min || settings[i] > n.max) settings[i] = n.domyslna;
  }
}

void TSterownik::PodmianaNastaw() {
  if (Rodzina() != Family::Kavi) return;
  using namespace catalogue;
  Nastawa& first = listaNastaw_[18];
  Nastawa& second = listaNastaw_[19];
  if (Nastawy()[138] == 2) {  // petrol pressure emulated from the pump control
    first = {4387, first.jednostka, 0.01,          kSigned | 2,    first.min,  first.domyslna,
             255,  first.normaOd,   first.normaDo, first.odWersji, first.opcje};
    second = {4388, kNoUnit,        0.03125,        kAltNumber | 2,  second.min,  second.domyslna,
              255,  second.normaOd, second.normaDo, second.odWersji, second.opcje};
  } else {
    first = {3180, first.jednostka, 0.005,         kNumber | 3,    first.min,  first.domyslna,
             100,  first.normaOd,   first.normaDo, first.odWersji, first.opcje};
    second = {3190,           kSecond,         0.1,         kNumber | 1,
              second.min,     second.domyslna, 100,         second.normaOd,
              second.normaDo, second.odWersji, second.opcje};
  }
  KaviListPatches();
}

// Below firmware 14 setting 13 is a plain two-way list; from 14 on setting 138 chooses how
// the petrol pressure is emulated.
void TSterownik::KaviListPatches() {
  using namespace catalogue;
  if (WersjaProgramu() < 14) {
    Nastawa& n = listaNastaw_[13];
    n.typ = kList;
    n.max = 1;
    n.skala = 0;
    n.jednostka = kNoUnit;
  } else {
    Nastawa& n = listaNastaw_[138];
    n.typ = kList;
    n.max = 2;
    n.opcje = 4381;
  }
}

bool TSterownik::OutsideRange(int setting) const {
  const Nastawa& n = listaNastaw_[setting];
  const uint8_t raw = Nastawy()[setting];
  return raw < n.min || raw > n.max || raw < n.normaOd || raw > n.normaDo;
}

// The unit texts are the ids after 1049, by unit code.
std::string TSterownik::UnitText(int setting) const {
  const int unit = listaNastaw_[setting].jednostka;
  return unit != 0 ? LangText(1049 + unit) : std::string();
}

std::string TSterownik::StrNastawa(int setting, int value) const {
  using namespace catalogue;
  const Nastawa& n = listaNastaw_[setting];
  const int code = value >= 0 ? value : Nastawy()[setting] | Nastawy()[setting + 1] << 8;
  const uint8_t raw = static_cast<uint8_t>(value >= 0 ? value : Nastawy()[setting]);
  const int decimals = n.typ & 0x0F;
  const bool outOfRange = raw < n.min || raw > n.max;
  switch (n.typ & 0xF0) {
    case kNumber:
    case kSigned:
    case kAltNumber: {
      const std::string text =
          FormatNumber(NumericValue(setting, raw), decimals, decimalSeparator_);
      return outOfRange ? "? " + text : text;
    }
    case kHex: {
      char text[8];
      std::snprintf(text, sizeof text, "%02Xh", raw);
      return text;
    }
    case kYesNo:
      return raw == 0 ? LangText(1081) : raw == 1 ? LangText(1080) : "?";
    case kList:
      if (outOfRange) return "?";
      return n.opcje != 0 ? LangText(n.opcje + raw) : std::to_string(raw);
    case kBitFlag:
      return LangText(raw & 0x2 ? 1080 : 1081);
    case kTroubleCode:
      return TroubleCodeText(code);
    default:
      return {};
  }
}

// The shown value of a number-like setting; four settings combine with other bytes.
double TSterownik::NumericValue(int setting, int value) const {
  const Nastawa& n = listaNastaw_[setting];
  const int raw = value >= 0 ? value : Nastawy()[setting];
  switch (setting) {
    case 90:
    case 92: {
      const int trim = obraz_[setting == 90 ? img::Eeprom1 : img::Eeprom1 + 2];
      return 1 + (raw - 128) * 0.02 + (trim - 128) * 0.02;
    }
    case 164:
      return raw + 0.01 * obraz_[img::Mnoznik2];
    case 190:
      return raw + 0.01 * obraz_[img::Mnoznik1];
    default:
      return ((n.typ & 0xF0) == catalogue::kSigned ? raw - 128 : raw) * n.skala;
  }
}

std::string TSterownik::TroubleCodeText(int code) {
  if (code < 1) return LangText(4091);
  static const char kLetters[] = "PCBU";
  char text[8];
  std::snprintf(text, sizeof text, "%c%04X", kLetters[(code >> 14) & 3], code & 0x3FFF);
  return text;
}
