// The identification reply: the identity block, the checks and what is read next.

#include <cstring>

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

// The highest firmware requirement (img 348) this program meets, by family.
int HighestRequirementMet(int family) {
  switch (family) {
    case 2:
    case 5:
    case 6:
      return 16;
    case 255:
      return 17;
    default:
      return 999;
  }
}

}  // namespace

bool TSterownik::IdentificationReply(int length) {
  KasujFlagiTransmisji("Odczytano numer seryjny i wersję");
  std::memset(&ObrazSterownika[img::BlokIdent], 0, img::kBlokIdentSize);
  for (int i = img::Eeprom1; i < img::Eeprom1 + 4; ++i)
    ObrazSterownika[i] = 128;
  if (length < img::kBlokIdentSize)
    std::memcpy(&ObrazSterownika[img::BlokIdent], BuforOdbioru.data(), length);
  if (OnTekst) LogIdentity(length);

  if (ObrazSterownika[img::Firma] != 1) {
    FlagiRozkazow = 1;
    return false;
  }
  StanIdent = BuforOdbioru[5];
  switch (StanIdent) {
    case 0:
      ListaNastawWykresyOdPlytki(0);
      if (ObrazSterownika[img::WymaganyPoziom] > HighestRequirementMet(Rodzina()))
        ShowNewApplicationNeeded();
      return RequestControllerData();
    case 1:
      IleWtryskiwaczy = ObrazSterownika[img::IleWtr];
      if (AktualizacjaZlecona)
        ZapisFlash = true;
      else
        LangMessageBox(ui_, 1365, mb::kIconStop);
      return true;
    case 2:
      ListaNastawWykresyOdPlytki(0);
      ui_.MessageBox(LangText(2203) + ".", mb::kIconInformation);
      return true;
    default:
      return true;
  }
}

void TSterownik::ShowNewApplicationNeeded() {
  ui_.MessageBox(LangText(1363) + "\n" + LangText(1364), mb::kIconInformation);
}

bool TSterownik::RequestControllerData() {
  switch (Rodzina()) {
    case 2:
    case 5:
    case 6:
    case 255:
      FlagiRozkazow |= 0x2;
      FlagiCzytania |= 0xF03779F | VersionDependentReads();
      return true;
    case 8:
      FlagiCzytania = 0x801;
      return true;
    case 13:
      FlagiCzytania = 0x1;
      return true;
    default:
      ShowNewApplicationNeeded();
      return false;
  }
}

uint32_t TSterownik::VersionDependentReads() const {
  const int family = Rodzina();
  const int version = WersjaProgramu();
  uint32_t reads = 0;
  if ((family == 5 || family == 255) && version > 5) reads |= 0x800;
  if (family == 255 && version > 14) reads |= 0x20 | 0x40000 | 0x80000 | 0x100000;
  if (family != 255 && version > 13) reads |= 0x20;
  return reads;
}

void TSterownik::LogIdentity(int length) {
  const uint8_t* frame = BuforOdbioru.data();
  auto line = [&](const char* label, int first, int last, const char* legend) {
    if (last < length)
      Log(label + ramka::HexText(frame + first, last - first + 1) + legend, log_colour::kGreen);
  };
  line("  KodKreskowy:", 6, 21, "");
  line("  NumSerProc :", 22, 37, "");
  line("  Plytka     :", 38, 45, "  // wyrob --- firma montaz  schemat ilewtr wersja rewizja");
  if (length > 54)
    line("  Program    :", 54, 61, "  // opis  --- firma werbeta schemat ilewtr wersja ilestron");
  line("  EEPROM 1   :", 66, 81, "");
  line("  EEPROM 2   :", 82, 97, "");
}
