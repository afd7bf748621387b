// The identification reply: the identity block, the checks and what is read next.

#include <algorithm>

#include "controller/FirmwareFeatures.h"
#include "controller/PendingWrites.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

constexpr int kStatusByte = 5;

}  // namespace

bool TSterownik::IdentificationReply(int length) {
  KasujFlagiTransmisji("Odczytano numer seryjny i wersję");
  std::fill_n(&obraz_[img::BlokIdent], img::kBlokIdentSize, 0);
  for (int i = img::Eeprom1; i < img::Eeprom1 + 4; ++i)
    obraz_[i] = 128;
  if (length < img::kBlokIdentSize)
    std::copy_n(buforOdbioru_.data(), length, &obraz_[img::BlokIdent]);
  if (OnTekst) LogIdentity(length);

  identificationRefusal_ = RefusalOf(length);
  if (identificationRefusal_ != IdentificationRefusal::None) {
    if (identificationRefusal_ != IdentificationRefusal::OtherMaker)
      Log("  zła długość odpowiedzi identyfikacji: " + std::to_string(length), log_colour::kRed);
    flagiRozkazow_ = CommandBit::Identify;
    return false;
  }
  stanIdent_ = buforOdbioru_[kStatusByte];
  KeepFirmwareEntryForUpdatedController();
  switch (stanIdent_) {
    case ident_state::Normal:
      ListaNastawWykresyOdPlytki(0);
      TellUnsentWrites();
      if (obraz_[img::WymaganyPoziom] > Traits().highestRequirementMet) ShowNewApplicationNeeded();
      return RequestControllerData();
    case ident_state::InBootloader:
      ileWtryskiwaczy_ = obraz_[img::IleWtr];
      if (aktualizacjaZlecona_)
        zapisFlash_ = true;
      else
        InBootloaderWithoutUpdate();
      return true;
    case ident_state::PasswordLocked:
      ListaNastawWykresyOdPlytki(0);
      ui_.MessageBox(LangText(2203) + ".", mb::kIconInformation);
      return true;
    default:
      return true;
  }
}

// A finished update's history entry waits through a lost connection for the controller that
// was updated: another controller identifying in its place must not get it, and one that keeps
// no history now (locked, or of a family without one) never will.
void TSterownik::KeepFirmwareEntryForUpdatedController() {
  if (!firmwareEntryDue_ || stanIdent_ == ident_state::InBootloader) return;
  if (!HistoryKept() || *firmwareEntryDue_ != StrKodKreskowy()) firmwareEntryDue_.reset();
}

void TSterownik::TellUnsentWrites() {
  // The history entry a write leaves behind is the program's own bookkeeping.
  const uint32_t unsent = niezapisane_ & ~AreaBit::History;
  niezapisane_ = 0;
  if (unsent != 0) ui_.MessageBox(UnsentWritesMessage(unsent), mb::kIconExclamation);
}

// A reply too long for the identity block, or too short to name the maker, is not stored.
IdentificationRefusal TSterownik::RefusalOf(int length) const {
  if (length >= img::kBlokIdentSize) return IdentificationRefusal::TooLong;
  if (length <= img::Firma - img::BlokIdent) return IdentificationRefusal::TooShort;
  if (obraz_[img::Firma] != 1) return IdentificationRefusal::OtherMaker;
  return IdentificationRefusal::None;
}

void TSterownik::ShowNewApplicationNeeded() {
  ui_.MessageBox(LangText(1363) + "\n" + LangText(1364), mb::kIconInformation);
}

bool TSterownik::RequestControllerData() {
  const FamilyTraits& traits = Traits();
  if (traits.readOut == 0) {
    ShowNewApplicationNeeded();
    return false;
  }
  if (traits.gasController) {
    flagiRozkazow_ |= CommandBit::ReadErrors;
    flagiCzytania_ |= traits.readOut | VersionDependentReads();
  } else {
    flagiCzytania_ = traits.readOut;
  }
  return true;
}

uint32_t TSterownik::VersionDependentReads() const {
  const Family family = Rodzina();
  const int version = WersjaProgramu();
  uint32_t reads = 0;
  if (HasEmulationTable(family, version)) reads |= AreaBit::EmulatorHi;
  if (HasSecondSettingsPage(family, version)) reads |= AreaBit::Settings2;
  if (family == Family::Kavi && HasSecondSettingsPage(family, version))
    reads |= AreaBit::EmulatorLo | AreaBit::GasAdvance | AreaBit::PetrolDose;
  return reads;
}

void TSterownik::LogIdentity(int length) {
  const uint8_t* frame = buforOdbioru_.data();
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
