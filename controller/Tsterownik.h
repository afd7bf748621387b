#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "controller/ChartListsData.h"
#include "controller/ImageLayout.h"
#include "controller/Nastawa.h"
#include "controller/Ramka.h"
#include "controller/TransmissionTables.h"
#include "controller/Wykres.h"
#include "serial/Tserial.h"

class Clock;
class UiServices;

// The controller link: owns the conversation with one gas controller, its image and the
// catalogues built from its identity. Nothing else sends frames to the controller; other
// parts raise bits in the transmission flag words. The owner calls Timer1OnTimer at the
// interval TimerInterval names.
class TSterownik : public TSerial {
 public:
  // kind, code, aux, length: 0 reply accepted, 1 frame sent, 2 calibration state, 3 port
  // opened, 4 file loaded, 5 scope recording on/off, 6 recorded frame replayed, 102 OBD
  // sub-record.
  using Zdarzenie = std::function<void(int kind, int code, int aux, int length)>;
  using Tekst =
      std::function<void(const TSerial* sender, const std::string& text, uint32_t colour)>;

  static constexpr int kRozmiarBuforaOdbioru = 1024;
  static constexpr int kRozmiarRekorduObd = 36;

  TSterownik(UiServices& ui, Clock& clock,
             const std::string& ftdiLibraryName = ftdi::kDefaultLibraryName);

  // Connection and timer.
  bool OtworzPortComm();
  void ZamknijPortComm();
  bool PolaczonyPortComm() { return PortConnected(); }
  void Timer1OnTimer();
  int TimerInterval = 25;  // ms until the next tick

  // Transmission flags.
  void CzytajZeSterownika(uint32_t bits) { FlagiCzytania |= bits; }
  void ZapiszDoSterownika(uint32_t bits);
  void RozkazDoSterownika(uint32_t bits) { FlagiRozkazow |= bits; }
  void KasujFlagiTransmisji(const std::string& reason);
  // The trouble codes of the controller's OBD module (FORTIX and KAVI only).
  void CzytajBledyObd() {
    if (Model == 5 || Model == 255) RozkazDoSterownika(0x4);
  }
  void KasujBledyObd() {
    if (Model == 5 || Model == 255) RozkazDoSterownika(0x8);
  }
  // The main window ignores its function keys: an emulator, or a locked controller.
  bool BlokujZakladki() const {
    return Rodzina() == 8 || (WersjaProgramu() > 6 && ObrazSterownika[img::HasloUstawione] != 0);
  }
  // The administrator's erase of a controller's password.
  void UsunHaslo() { RozkazDoSterownika(0x2000); }

  // Receive and transmit steps.
  int OdbiorRx();
  void AnalizaOdbioru(int length);
  void OdbiorOsc(int record);
  void NadawanieTx();
  void Ramka(uint8_t code, int payloadLength);

  // Identity (the identification reply as stored in the image).
  void ListaNastawWykresyOdPlytki(int afterFile);
  bool Czy_LUMO() const { return Model == 6; }
  bool Czy_RUMO() const { return Model == 2; }
  bool Czy_FORTIX() const { return Model == 5; }
  bool Czy_MALVER() const { return Model == 2 || Model == 5 || Model == 6; }
  bool Czy_MALVER_lub_KAVI() const { return Czy_MALVER() || Czy_KAVI(); }
  bool Czy_KAVI() const { return Model == 255; }
  bool Czy_KAVI_DUAL() const;
  bool CzyKaviRoznicowa() const;
  bool CzyKaviTestPlus60V() const;
  bool CzyKaviTypDetBen() const;
  bool CzyKaviOscyloskop2() const;
  bool CzyKoretkaOdObr() const;
  bool CzyKoretkaOdTempRed() const;
  bool CzyKoretkaOdTempGazu() const;
  bool CzyKoretkaOdCisGazu() const;
  bool CzyDomieszkaBenzyny() const;
  bool CzyDotryskiBenzyny() const;
  bool CzyMapaCisnienia() const;
  std::string StrNazwaSterownika() const;
  static std::string StrOpisWerSpec(int code);
  std::string StrKodKreskowy() const;
  std::string StrDataProdukcji() const;
  std::string StrIleWtryskiwaczy() const;
  std::string StrWersjaCyframi(int parts) const;
  uint8_t Rodzina() const { return ObrazSterownika[img::Schemat]; }
  uint8_t WersjaProgramu() const { return ObrazSterownika[img::Wersja]; }

  // Settings catalogue of the family (setting i described by ListaNastaw[i]).
  void UtworzListeNastawPosredniVesk();
  void UtworzListeNastawPosredni();
  void UtworzListeNastawEmulator();
  void UtworzListeNastawFsiVesk();
  void UtworzListeNastawFsi();
  void UtworzListeNastawEmuPomPaliwa();
  void WypelnijNastawyDomyslne();
  void ListaNastawSprawdzenie();
  void PodmianaNastaw();
  // The value of a setting as the editor and the files show it.
  std::string StrNastawa(int setting) const;
  double NumericValue(int setting) const;
  static std::string TroubleCodeText(int code);

  // Live-parameter definitions of the family.
  void DodajWykres(int nazwa, int jednostka, int rodzaj, int przesuniecie, double skala,
                   int miejsca, uint32_t kolor, double wzmocnienie, int flagi, double minimum,
                   double maksimum);
  void UtworzWykresyPosredni();
  void UtworzWykresyFsi();
  void UtworzWykresyEmulator();
  void UtworzWykresyEmuPomPaliwa();
  // Renames the live parameters that depend on settings; the argument is not used.
  void NazwyWykresow(int);
  void NazwyWykresowUserPid(int entry, int setting);

  // Live parameters, read straight from the last status frame in BuforOdbioru.
  int PodajIleParamBiez(int mask) const;
  int PodajPozycje(int mask, int n) const;
  // The text of the n-th parameter of the mask; empty when its value has not changed since
  // it was last shown.
  std::string StrParamBiez(int mask, int n);
  // status: frame byte 10 (work state) and byte 11 (work flags) as one 16-bit word.
  std::string StrStanPracy(int status, int longForm) const;
  uint32_t KolorStanuPracy(int status) const;
  int InfoPracy(const uint8_t* frame) const;
  std::string StrInfoPracy(const uint8_t* frame) const;
  static std::string MessageText(int number);
  bool RawParamValue(const Wykres& w, const uint8_t* frame, double& raw, std::string& text) const;
  // Administrator extras (flag bits 0x04, 0x08) are counted too.
  bool ParamAdmin = false;

  // Map banks.
  void WyznaczBank();
  int AktalnyBank() const { return DwaBanki ? NumerBanku : 0; }

  // Injector order of the KAVI family with six re-ordered channels.
  int FsiPozCyl(int channel) const;
  int FsiPozKanalu(int cylinder) const;
  // Checks a firing order the controller detected against setting 93; the number of
  // cylinders when it differs, 0 when it matches or is incomplete.
  int FsiKolejnoscZaplonu(const uint8_t* detected) const;

  // Change history.
  void HistoriaZmian(int bit);
  void HistoriaZmianKasuj();

  // The 512-byte settings image: setting i is Nastawy()[i].
  uint8_t* Nastawy() { return &ObrazSterownika[img::Nastawy]; }
  const uint8_t* Nastawy() const { return &ObrazSterownika[img::Nastawy]; }

  std::array<uint8_t, img::kSize> ObrazSterownika{};
  std::array<Nastawa, 512> ListaNastaw{};
  std::vector<Wykres> ListaWykresow;
  std::array<uint32_t, 38> KoloryWykresow{};

  uint32_t FlagiCzytania = 0;
  uint32_t FlagiZapisu = 0;
  uint32_t FlagiRozkazow = 0;
  uint32_t FlagiZapisuWToku = 0;

  int LiczDoBrakuPolaczenia = 0;
  int OdebraneBajty = 0;
  int OczekiwaneBajty = 0;
  std::array<uint8_t, kRozmiarBuforaOdbioru> BuforOdbioru{};
  std::array<uint8_t, ramka::kLargestFrame + 2> BuforNadawania{};
  uint8_t OstatniRozkaz = 0;

  uint8_t StanIdent = 0;
  uint8_t IleWtryskiwaczy = 8;
  uint8_t ZalaczoneWtryskiwacze = 255;
  uint8_t StanPaliwa = 0;
  uint8_t StanSilnika = 0;
  uint8_t StanBajt12 = 0;
  std::array<uint8_t, kRozmiarRekorduObd> OstatniRekordObd{};
  std::array<std::array<uint8_t, kRozmiarRekorduObd>, 2> ZewnRekordObd{};
  std::array<uint8_t, 4000> OscWejBen{};
  std::vector<uint8_t> BuforOsc;  // the scope recording, records of RozmiarRekordu bytes
  int RozmiarRekordu = 128;

  int Model = 0;
  bool DwaBanki = true;
  int NumerBanku = 0;
  int KanalyFsi = 0;
  int ZakresMnoznika = 200;

  int PrzerwaNadawania = 0;
  int LicznikTur = 0;
  uint8_t StronaParam = 0;
  bool ZapisFlash = false;
  bool AktualizacjaZlecona = false;
  bool SkokDoBootloadera = false;
  bool PowrotZBootloadera = false;
  bool LogParamBiez = false;
  bool LogDaneObd = false;

  // Today's date and this workstation's identifier, for change-history entries.
  int DataRok = 0;  // year - 2000
  int DataMiesiac = 0;
  int DataDzien = 0;
  uint32_t IdentWlasny = 0;

  Zdarzenie OnZdarzenie;
  Tekst OnTekst;

 private:
  void Log(const std::string& text, uint32_t colour);
  void Event(int kind, int code, int aux, int length);
  void CountUnanswered();
  void EmptyReceiveState();

  bool StatusFrame(int length);
  void GasControllerStatus(int length);
  void PutChannelsInCylinderOrder();
  void StatusSubRecord();
  void LogEepromWrites();
  void SubstituteObdRecord(int length);
  bool Reply(int length);
  bool DataReadReply(uint8_t code, int length);
  void RepairInjectionTimeAxis();
  bool PetrolScopeChunk(int length);
  bool IdentificationReply(int length);
  void LogIdentity(int length);
  void ShowNewApplicationNeeded();
  bool RequestControllerData();
  uint32_t VersionDependentReads() const;

  struct WorkStateText {
    int shortText, longText;
    uint32_t colour;
  };
  WorkStateText StanPracy(int status) const;
  bool MatchesMask(const Wykres& w, int mask) const;
  void SetDefaultTraceDisplay();
  void NormaliseGasControllerIdentity();
  void SelectMalverFamily(int family);
  void SelectKaviFamily(int afterFile);
  void ApplyTraceColoursAndVisibility(int family, int visibleEntries);
  void KaviCatalogueChanges();
  void KaviListPatches();
  void VersionDependentMaxima();
  void InjectorTracesFollowChannelCount();
  void BuildChartList(std::span<const charts::Row> rows, int switchVersion);
  bool HistoryKept() const;

  bool SendFirstPending(uint32_t pendingWrites);
  void JumpToOrFromBootloader(bool jump);
  bool SendCommand(uint32_t bit);
  bool SendWrite(const transmission::DataArea& area);
  bool SendRead(const transmission::DataArea& area);
  void SendPoll();
  void SendPollWithFuelTrims();

  UiServices& ui_;
  Clock& clock_;
  bool tickRunning_ = false;
  std::mt19937 nonce_;
};

// Colours of the transmission log, 0x00BBGGRR.
namespace log_colour {
inline constexpr uint32_t kBlack = 0;
inline constexpr uint32_t kMaroon = 128;
inline constexpr uint32_t kRed = 255;
inline constexpr uint32_t kGreen = 32768;
inline constexpr uint32_t kGrey = 8421504;
inline constexpr uint32_t kSilver = 12632256;
inline constexpr uint32_t kBlue = 16711680;
}  // namespace log_colour
