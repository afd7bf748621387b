#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "controller/Calibration.h"
#include "controller/ChartListsData.h"
#include "controller/DecodedStatus.h"
#include "controller/FamilyTraits.h"
#include "controller/FirmwareUpload.h"
#include "controller/ImageLayout.h"
#include "controller/LearnedCells.h"
#include "controller/Multiplier.h"
#include "controller/Nastawa.h"
#include "controller/Protocol.h"
#include "controller/Ramka.h"
#include "controller/TransmissionTables.h"
#include "controller/Wykres.h"
#include "files/GrowingFile.h"
#include "scope/Records.h"
#include "serial/Tserial.h"

class Clock;
class UiServices;

// What a change of a setting drives beyond the settings and tables the link keeps.
struct SettingChange {
  bool stored = false;
  bool locked = false;          // kept, but not sent: the controller is password-protected
  bool relayout = false;        // the editor's layout follows the setting
  bool refreshViews = false;    // the main window's views show what changed
  bool injectionTable = false;  // the injection-time table's channels changed
  bool mapSubView = false;      // the open map sub-view shows the setting
};

// The map sub-views that settings changes redraw instead of the whole window.
struct OpenViews {
  bool admixture = false;
  bool emulator = false;
  bool petrolInjection = false;
};

// Why the last identification reply was not taken.
enum class IdentificationRefusal { None, TooShort, TooLong, OtherMaker };

// What the link reports to its owner.
struct LinkEvent {
  EventKind kind = EventKind::ReplyAccepted;
  int code = 0;
  int aux = 0;
  int length = 0;
  std::span<const uint8_t> frame{};       // an accepted reply exactly as it arrived
  const DecodedStatus* status = nullptr;  // status frames and replayed records, decoded
};

// The controller link: owns the conversation with one gas controller, its image and the
// catalogues built from its identity. Nothing else sends frames to the controller; other
// parts ask for traffic through the flag operations. The owner calls Timer1OnTimer at the
// interval TimerInterval names. Views read the link through its const accessors and the
// decoded status; they change it only through its operations.
class TSterownik : public TSerial {
 public:
  using Zdarzenie = std::function<void(const LinkEvent& event)>;
  using Tekst =
      std::function<void(const TSerial* sender, const std::string& text, uint32_t colour)>;

  static constexpr int kRozmiarBuforaOdbioru = 1024;
  static constexpr int kRozmiarRekorduObd = status_frame::kObdRecordSize;
  using RekordObd = std::array<uint8_t, kRozmiarRekorduObd>;
  // Above this many frames without an accepted reply the connection counts as lost.
  static constexpr int kLostConnectionThreshold = 8;

  TSterownik(UiServices& ui, Clock& clock,
             const std::string& ftdiLibraryName = ftdi::kDefaultLibraryName);

  // Connection and timer.
  bool OtworzPortComm();
  void ZamknijPortComm();
  bool PolaczonyPortComm() const { return PortConnected(); }
  void Timer1OnTimer();
  int TimerInterval() const { return timerInterval_; }  // ms until the next tick
  // Too many frames went unanswered, or the port is gone.
  bool ConnectionLost();
  int LiczDoBrakuPolaczenia() const { return liczDoBrakuPolaczenia_; }

  // Transmission flags.
  void CzytajZeSterownika(uint32_t bits) { flagiCzytania_ |= bits; }
  void ZapiszDoSterownika(uint32_t bits);
  void RozkazDoSterownika(uint32_t bits) { flagiRozkazow_ |= bits; }
  void KasujFlagiTransmisji(const std::string& reason);
  uint32_t FlagiCzytania() const { return flagiCzytania_; }
  uint32_t FlagiZapisu() const { return flagiZapisu_; }
  uint32_t FlagiRozkazow() const { return flagiRozkazow_; }
  uint32_t FlagiZapisuWToku() const { return flagiZapisuWToku_; }
  // Writes dropped unconfirmed when the flags were cleared; told once, on the next connection.
  uint32_t NiezapisaneObszary() const { return niezapisane_; }
  // Identified, and everything asked for since has been read.
  bool ReadOutComplete() const;
  // The trouble codes of the controller's OBD module, where it has one.
  void CzytajBledyObd();
  void KasujBledyObd();
  // The main window ignores its function keys: an emulator, or a locked controller.
  bool BlokujZakladki() const;

  // Receive and transmit steps.
  int OdbiorRx();
  void AnalizaOdbioru(int length);
  void OdbiorOsc(int record);
  void NadawanieTx();
  // False when the frame did not go out: the port is closed or did not take it.
  bool Ramka(uint8_t code, int payloadLength);
  uint8_t OstatniRozkaz() const { return ostatniRozkaz_; }
  int LicznikTur() const { return licznikTur_; }

  // The image: ObrazSterownika()[n] is img n.
  const std::array<uint8_t, img::kSize>& ObrazSterownika() const { return obraz_; }
  // The 512-byte settings image: setting i is Nastawy()[i].
  const uint8_t* Nastawy() const { return &obraz_[img::Nastawy]; }
  // A controller image as the command line saves it; false (nothing changed) unless it is
  // exactly the image's size. The lists are rebuilt for the identity it holds.
  bool WczytajObraz(std::span<const uint8_t> bytes);

  // Identity (the identification reply as stored in the image).
  void ListaNastawWykresyOdPlytki(int afterFile);
  bool Czy_LUMO() const { return model_ == Family::Lumo; }
  bool Czy_RUMO() const { return model_ == Family::Rumo; }
  bool Czy_FORTIX() const { return model_ == Family::Fortix; }
  bool Czy_MALVER() const { return Czy_RUMO() || Czy_FORTIX() || Czy_LUMO(); }
  bool Czy_MALVER_lub_KAVI() const { return Czy_MALVER() || Czy_KAVI(); }
  bool Czy_KAVI() const { return model_ == Family::Kavi; }
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
  // The controller's description as the installer typed it, up to 128 characters.
  std::u16string OpisSterownika() const;
  // A new description: cut to 127 characters, the area cleared first; sent on WyslijOpis.
  void UstawOpis(std::u16string text);
  void WyslijOpis() { ZapiszDoSterownika(AreaBit::Description); }
  Family Rodzina() const { return FamilyOf(obraz_[img::Schemat]); }
  const FamilyTraits& Traits() const { return TraitsOf(Rodzina()); }
  uint8_t WersjaProgramu() const { return obraz_[img::Wersja]; }
  uint8_t StanIdentyfikacji() const { return obraz_[img::StanIdentyfikacji]; }
  uint8_t Wyrob() const { return obraz_[img::Wyrob]; }
  uint8_t OpisSpecjalny() const { return obraz_[img::Opis]; }
  bool HasloUstawione() const { return obraz_[img::HasloUstawione] != 0; }
  bool BladNumeruProcesora() const { return obraz_[img::KontrolaNumeru] == 2; }
  // The link's own state derived from the identity.
  Family Model() const { return model_; }
  uint8_t StanIdent() const { return stanIdent_; }
  int IleWtryskiwaczy() const { return ileWtryskiwaczy_; }
  bool DwaBanki() const { return dwaBanki_; }
  int KanalyFsi() const { return kanalyFsi_; }
  int ZakresMnoznika() const { return zakresMnoznika_; }
  bool AktualizacjaZlecona() const { return aktualizacjaZlecona_; }
  // Firmware blocks are being sent to the controller's bootloader.
  bool ZapisFlash() const { return zapisFlash_; }
  const FirmwareUpload& WgrywanyObraz() const { return upload_; }
  IdentificationRefusal LastIdentificationRefusal() const { return identificationRefusal_; }

  // Settings catalogue of the family (setting i described by ListaNastaw()[i]).
  const std::array<Nastawa, 512>& ListaNastaw() const { return listaNastaw_; }
  void UtworzListeNastawPosredniVesk();
  void UtworzListeNastawPosredni();
  void UtworzListeNastawEmulator();
  void UtworzListeNastawFsiVesk();
  void UtworzListeNastawFsi();
  void UtworzListeNastawEmuPomPaliwa();
  void WypelnijNastawyDomyslne();
  void ListaNastawSprawdzenie();
  // The KAVI family's settings 18 and 19 mean what setting 138 makes of them; the link follows
  // it with the catalogue, each settings page read and each change of 138, so that every
  // front end reads and limits them alike.
  void PodmianaNastaw();
  // The value lies outside the setting's allowed or normal range.
  bool OutsideRange(int setting) const;
  // The value of a setting (or the given raw value of it) as the catalogue shows it, and its
  // unit; a trouble code's value holds both of its bytes.
  std::string StrNastawa(int setting, int value = -1) const;
  std::string UnitText(int setting) const;
  double NumericValue(int setting, int value = -1) const;
  static std::string TroubleCodeText(int code);
  // Stores a setting (kind 1 clamps to its range, kind 2 also stores the high byte in the next
  // setting), applies what it drives, and sends its page unless the controller is locked.
  SettingChange ChangeSetting(int setting, int value, int kind, const OpenViews& open = {});
  // Steps the first entry of the multiplier table a multiplier setting (190 or 164) shows;
  // false at its limits.
  bool StepMultiplier(int setting, int direction);

  // Live-parameter definitions of the family.
  const std::vector<Wykres>& ListaWykresow() const { return listaWykresow_; }
  const std::array<uint32_t, 38>& KoloryWykresow() const { return koloryWykresow_; }
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
  // What the installer changes in the definitions from the windows.
  void ToggleReadingsPanel(int definition);
  void ToggleScopeTrace(int definition);
  void SetTraceColour(int definition, uint32_t colour);
  // The basic view levels always show the main readings.
  void ShowBasicReadings();
  // Every definition's next value is shown, changed or not.
  void ForgetShownValues();
  // Showing this definition in the scope needs the long record.
  bool NeedsLongRecord(int definition) const;
  // The definition's data lies beyond the short record.
  static bool ReadsLongRecord(int definition);
  // The configuration's trace colours (records 1..38) and display bytes (group 1..4, entry
  // 1..22), as the lists take them at the next family selection.
  void SetStoredTraceColour(int record, uint32_t colour);
  void SetStoredTraceFlags(int group, int entry, uint8_t flags);
  uint8_t StoredTraceFlags(int group, int entry) const;

  // Live parameters of the last status frame, decoded once for every view.
  const DecodedStatus& LastStatus() const { return status_; }
  // The map cells the controller has reported learning.
  const LearnedCells& LearnedCellReports() const { return learnedCells_; }
  int PodajIleParamBiez(int mask) const;
  int PodajPozycje(int mask, int n) const;
  // The text of the n-th parameter of the mask; empty when its value has not changed since
  // it was last shown, or when the last frame did not carry it.
  std::string StrParamBiez(int mask, int n);
  // status: frame byte 10 (work state) and byte 11 (work flags) as one 16-bit word.
  std::string StrStanPracy(int status, int longForm) const;
  uint32_t KolorStanuPracy(int status) const;
  int InfoPracy(const DecodedStatus& status) const { return status.infoKind; }
  std::string StrInfoPracy(const DecodedStatus& status) const;
  static std::string MessageText(int number);
  // Administrator extras (flag bits 0x04, 0x08) are counted too.
  bool ParamAdmin() const { return paramAdmin_; }
  void SetParamAdmin(bool on) { paramAdmin_ = on; }
  uint8_t StanPaliwa() const { return stanPaliwa_; }
  uint8_t StanSilnika() const { return stanSilnika_; }
  const RekordObd& OstatniRekordObd() const { return ostatniRekordObd_; }
  // The OBD link's own readings (record 0 or 1), substituted into the frames the views see.
  void SetExternalObdRecord(int which, const RekordObd& record);
  // Fresh fuel trims in record 0: the next poll hands them to the controller.
  void SendObdData() { obraz_[img::DaneObdDoWyslania] = 1; }

  // Injectors switched on gas (bit per channel) and the switch-off boxes.
  uint8_t ZalaczoneWtryskiwacze() const { return zalaczoneWtryskiwacze_; }
  void ToggleInjector(int row);
  // A new mask of injectors on gas, sent with the injector-change command.
  void ChangeInjectors(uint8_t mask);
  // The dashboard switch's LED colours (0x00BBGGRR): 4/4, 3/4, 1/2, 1/4, reserve, gas, petrol.
  std::array<uint32_t, 7> KoloryLed() const;
  // Stores them in the image and sends them to the controller.
  void ZapiszKoloryLed(const std::array<uint32_t, 7>& colours);
  // The poll asks for the level sensor's data while its window is open.
  void PollLevelSensor(bool on);
  bool PollsLevelSensor() const { return stronaParam_ & poll_page::LevelSensor; }

  // Map banks: 0 while both banks are edited together, else the bank in view (the DI/MPI
  // board numbers its banks up to 4; the views show bank 2 for all above 1).
  void WyznaczBank();
  int AktalnyBank() const { return dwaBanki_ ? numerBanku_ : 0; }
  // The two-bank board of direct and indirect injection, whose banks are never alike.
  bool Czy_DI_MPI() const;
  // Requests 0, 1 and 2 edit both banks together, bank 1 or bank 2; 3 and 4 copy the bank in
  // view onto the other one, as leaving a bank for both-together does. Others are ignored.
  void ZmienBank(int request);
  // Rebuilds the multiplier table of bank `kind` (1 or 2) between its nodes, each entry limited
  // to lowest..highest; the entries past ZakresMnoznika repeat the last one.
  void WyliczMnoznik(int kind, int lowest, int highest);
  // Stores the nodes of the multiplier in view, rebuilds its table and asks for the writes;
  // while both banks are edited together, bank 2 becomes a copy of bank 1.
  void UstawWezlyMnoznika(const WezlyMnoznika& nodes);

  // Injector order of the KAVI family with six re-ordered channels.
  int FsiPozCyl(int channel) const;
  int FsiPozKanalu(int cylinder) const;
  // Checks a firing order the controller detected against setting 93; the number of
  // cylinders when it differs, 0 when it matches or is incomplete.
  int FsiKolejnoscZaplonu(std::span<const uint8_t> detected) const;

  // Change history, stamped with today's date and this workstation.
  void HistoriaZmian(int bit);
  void HistoriaZmianKasuj();
  void SetToday(int year, int month, int day);
  void SetWorkstation(uint32_t id) { identWlasny_ = id; }

  // ---- The password lock ----
  // Where the workstation's password record is kept ("password.bin" in the data folder);
  // empty when there is no data folder, and so no record.
  void SetPasswordFile(const std::string& path) { plikHasla_ = path; }
  const std::string& PasswordFile() const { return plikHasla_; }
  // The controller's firmware knows the password lock.
  bool SerwisHaslo() const;
  // A record is loaded: every identification presents it.
  bool HasPasswordRecord() const { return obraz_[img::RekordHasla] != 0; }
  // Loads the record: 0 loaded, -1 none. Without a file, or with one that cannot be read or is
  // no record (told), no record stays loaded.
  int CzytajPlikHaslo();
  // The same from the file's bytes; path names the file in messages.
  int LoadPasswordRecord(std::span<const uint8_t> bytes, const std::string& path);
  // Saves the record of the password and keeps it loaded: 0 done, 4 a password of no or more
  // than 127 characters, 8 the file could not be written (told; nothing changes).
  int ZapiszPlikHaslo(const std::string& password);
  // Sets the controller's password to the workstation's, or clears it. False when nothing was
  // asked of the controller: no record to set (told, identification asked again), firmware
  // without the lock, or a controller locked against this workstation (told).
  bool UstawHaslo();
  bool KasujHaslo();
  // The service window's password box: clears a password the controller has, else sets it.
  bool ToggleControllerPassword() { return HasloUstawione() ? KasujHaslo() : UstawHaslo(); }
  // The administrator's erase of a controller's password.
  void UsunHaslo() { RozkazDoSterownika(CommandBit::ErasePassword); }

  // ---- Service statistics, reminder and history, as the service window shows them ----
  std::string StrCzasNaBenzynie() const;
  std::string StrCzasNaGazie() const;
  // total 1: the gas hours at which the service is due; 0: the hours left until then.
  std::string StrCzasPrzegladu(int total) const;
  std::string StrLicznikUruch() const;
  std::string StrIdentWlasny() const;
  // Column 0 the date, 1..4 "v" for firmware written, factory settings, trouble codes cleared,
  // settings written; 5 the workstation. Empty for an entry past the end of the history.
  std::string StrHistoria(int column, int entry) const;
  // The controller counts its emergency starts, and the counter can be erased.
  bool CountsEmergencyStarts() const;
  void ClearEmergencyStarts();
  // Nothing asked for since is still to come: the identity and the history are current.
  bool ServiceDataCurrent() const;
  // Setting 100: the reminder, and the gas blocked once the service is due.
  bool ServiceReminder() const;
  bool GasBlockWhenDue() const;
  // Stores each bit that differs, writing settings page 0 for each change.
  void SetServiceReminder(bool reminder, bool gasBlock);
  // The interval list: "- ", then every thousand km up to 25000.
  static std::vector<std::string> ServiceIntervalItems();
  // Item n >= 1 of the list: the reminder on (gas block off) and the service due n x 1000 km
  // from now at 50 km per gas hour; writes settings page 0. False for the first item.
  bool UstawPrzeglad(int item);

  // ---- The scope recording ----
  // Live records wrap after an hour of 128-byte records (half an hour of long ones); a
  // recording loaded from a file is held whole, however long.
  static constexpr size_t kBuforOscBytes = 4'608'000;
  const std::vector<uint8_t>& BuforOsc() const { return buforOsc_; }
  int RozmiarRekordu() const { return rozmiarRekordu_; }
  int IleRekordow() const { return ileRekordow_; }
  RecordSpan Nagranie() const { return {buforOsc_, rozmiarRekordu_, ileRekordow_}; }
  // The petrol-input samples of the KAVI family's own scope.
  const std::array<uint8_t, 4000>& OscWejBen() const { return oscWejBen_; }
  // A status frame as the views saw it becomes the next record, and goes to the recording
  // file when one is open.
  void DodajRekord(std::span<const uint8_t> frame);
  // Empties the recording; records of recordSize bytes from now on, and the poll asks for
  // long status frames when they are 256. A recording file of the other size is closed first
  // (its header names the old size) and the installer is told.
  void KasujOscyloskop(int recordSize);
  // Starts a recording file with everything recorded so far; asks for its name first.
  bool ZapiszOscyloskop(const std::string& documentsFolder);
  bool StartRecordingFile(const std::string& path);
  bool RecordingFileOpen() const { return plikNagrania_.IsOpen(); }
  // False when the file open could not be closed whole (its end may be missing).
  bool ZamnkijOscyloskop();
  // Loads a recording in place of the live controller: the number of records, -1 when no
  // file was loaded (cancelled or refused, which changes nothing). Asks for a file first when
  // path is empty or names no file.
  int CzytajOscyloskop(const std::string& path, const std::string& documentsFolder);
  int LoadScope(std::span<const uint8_t> bytes, const std::string& path);
  // The same, keeping the file's storage for the records rather than copying them.
  int LoadScope(std::vector<uint8_t>&& file, const std::string& path);
  // The settings or scope file loaded last without a controller; empty when none was.
  const std::string& LoadedFileName() const { return plikWczytany_; }

  // What the transmission log shows besides the requests and replies.
  void SetLogParamBiez(bool on) { logParamBiez_ = on; }
  void SetLogDaneObd(bool on) { logDaneObd_ = on; }
  // Numbers are shown with the user's decimal separator.
  void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }
  char DecimalSeparator() const { return decimalSeparator_; }

  Zdarzenie OnZdarzenie;
  Tekst OnTekst;

  // ---- Adaptation, reset operations and factory settings; settings and table files ----
  // Folds the controller's adaptation trims into settings 90, 92 and both multipliers, and
  // asks for their writes.
  void DodajAdaptacje();
  // The Enter key on the Map tab: folds the trims in when the controller reports any.
  void WykonajAdaptacje();
  // Setting 94 from the working pressure (86) and gas temperature (85) of a calibration.
  void ObliczKorekteOdniesienia();

  // ---- Firmware update ----
  // Checks and loads an image file and starts the update: the controller is sent to its
  // bootloader, the blocks follow, and the controller is brought back. False, with nothing
  // started, for an image that is refused (told in a message box where the link tells it).
  // Progress and the end come as EventKind::Firmware events.
  bool Aktualizacja(const std::string& file);
  // The firmware window closed: no more blocks are sent, and a controller already sent to its
  // bootloader is brought back from it.
  void PrzerwijAktualizacje();
  // The controller identifies running the image last sent, its password lock or not.
  bool RunsUploadedFirmware() const;
  // A finished update waits to be entered in the updated controller's change history.
  bool FirmwareEntryDue() const { return firmwareEntryDue_.has_value(); }

  // ---- Automatic calibration and the learning of tables ----
  // Starts a run on a gas controller whose settings and multipliers have been read, or stops
  // the run in progress, putting back what it had changed; true when a run is now on.
  bool StartStopKalibracji();
  // One step of each family's run, for a status frame the calibration poll asked for.
  void KalibracjaMalver();
  void KalibracjaKavi();
  int KrokKalibracji() const { return kalibracja_.state; }
  int PostepKalibracji() const { return kalibracja_.progress; }
  bool KalibracjaTrwa() const { return stronaParam_ & poll_page::CalibrationData; }
  // What became of the values of the last run that ended unfinished.
  CalibrationRestore PreviousValues() const { return previousValues_; }
  // The rail-pressure emulator's table is learned from the frames on petrol while this is on.
  bool UczenieEmulacji() const { return uczenieEmulacji_; }
  void SetUczenieEmulacji(bool on);
  // How much more gas an injector passes at this absolute pressure (bar) than at the working
  // pressure of the last calibration: the diagnostic charts correct the gas flow by it.
  double ObliczKorekteCis(double pressure) const;
  // The resets put areas back to their neutral contents and ask for their writes; none asks
  // the installer, the callers do. mask bit 1: bank 1, bit 2: bank 2.
  void KasujMnoznik(int mask);
  void KasujKorOdObr(int mask);
  void KasujKorekty();
  void KasujMapeEcuBen();
  void KasujMapeEcuGaz();
  void KasujMapeOdbBen();
  void KasujMapeObdGaz();
  void KasujEmulacjeHi(bool neutral);
  void KasujEmulacjeLo();
  void KasujPrzesGaz();
  void KasujDawkeBen();
  void KasujWzbogacenie();
  void KasujDotrysk();
  void KasujDomieszke();
  void KasujMapeCis();
  void KasujOpoznienia();
  // The map view's edits of a table or a curve: the area's bytes replaced, and its write asked.
  void ZapiszObszar(int offset, std::span<const uint8_t, img::kAreaSize> bytes, uint32_t write);
  void NastawyFabryczne();
  // Settings files (".set") and table files (".fpe", ".fpm"). The file dialogs open in the
  // settings folder below documentsFolder. A file refused is named in a message box and
  // changes nothing.
  bool ZapiszUstawienia(const std::string& documentsFolder);
  // Asks for a file first when path is empty or names no file.
  bool CzytajUstawienia(const std::string& path, const std::string& documentsFolder);
  // The same from the file's bytes; path names the file in messages and as the current one.
  bool LoadSettings(std::span<const uint8_t> bytes, const std::string& path);
  // kind: 0 EmulacjaHi (".fpe"), 1 MapaCis (".fpm"), 2 EmulacjaLo (".fpe").
  bool ZapiszDoPliku(int kind, const std::string& documentsFolder);
  bool CzytajZPliku(int kind, const std::string& documentsFolder);
  bool LoadTable(int kind, std::span<const uint8_t> bytes, const std::string& path);
  // The table block of settings and scope files (level 1..3): appended to file, or read with
  // the identity going to the caller's buffer. Both return the size of a file of a 16-byte
  // header and the block; 0 (nothing changed) for a short block or a level outside 1..3.
  int ZapiszTabliceDoPliku(std::vector<uint8_t>& file, int level) const;
  int CzytajTabliceZPliku(std::span<const uint8_t> block,
                          std::span<uint8_t, img::kBlokIdentSize> identity, int level);

 private:
  // The steps of loading a settings file, and the file last loaded without a controller.
  void SelectForLoadedFile();
  void CloseForAnotherFamily(int fileFamily);
  void OfferToWriteLoadedSettings(uint32_t carried);
  void ShowLoadedFileAsConnected(std::span<const uint8_t, img::kBlokIdentSize> identity,
                                 const std::string& path);
  void RecordingFileFailed();

  std::string plikWczytany_;

 private:
  friend struct LinkTestAccess;

  void Log(const std::string& text, uint32_t colour);
  void Event(const LinkEvent& event);
  void Event(EventKind kind, int code = 0, int aux = 0);
  void CountUnanswered();
  void EmptyReceiveState();
  std::span<const uint8_t> Received(int length) const;

  bool StatusFrame(int length);
  void CopyWorkState();
  void GasControllerStatus();
  void PutChannelsInCylinderOrder();
  void StatusSubRecord();
  void LogEepromWrites();
  void TakeObdRecord();
  void SubstituteObdRecord();
  void LogObdRecord();
  void DecodeLastStatus();
  bool Reply(int length);
  bool DataReadReply(uint8_t code, int length);
  void RepairInjectionTimeAxis();
  void RecordFinishedUpdate();
  bool PetrolScopeChunk(int length);
  bool IdentificationReply(int length);
  void TellUnsentWrites();
  void KeepFirmwareEntryForUpdatedController();
  IdentificationRefusal RefusalOf(int length) const;
  void LogIdentity(int length);
  void TellPortProblem(bool opened, const std::string& problem);
  void ShowNewApplicationNeeded();
  bool RequestControllerData();
  uint32_t VersionDependentReads() const;

  bool MatchesMask(const Wykres& w, int mask) const;
  Wykres* Definition(int index);
  void SetDefaultTraceDisplay();
  void NormaliseGasControllerIdentity();
  void SelectMalverFamily(Family family);
  void SelectKaviFamily(int afterFile);
  void ApplyTraceColoursAndVisibility(Family family);
  void KaviCatalogueChanges();
  void KaviListPatches();
  void VersionDependentMaxima();
  void LimitLevelSensorTypes();
  void InjectorTracesFollowChannelCount();
  void BuildChartList(std::span<const charts::Row> rows, int switchVersion);
  bool HistoryKept() const;
  void ApplyDependentSettings(int setting, int value, const OpenViews& open, SettingChange& change);
  void FillMultiplier(int offset, uint32_t area);
  void ClearBreakpoints(int mask);

  void CalibrationFrame(bool kavi);
  void CalibrationPreamble();
  bool CalibrationStep(bool kavi);
  bool OnPetrol() const { return stanPaliwa_ == fuel_state::Petrol; }
  bool OnGas() const { return stanPaliwa_ == fuel_state::Gas; }
  void FuelChange();
  void PutLedColours(const std::array<uint32_t, 7>& colours);
  void DefaultLedColours();
  bool Ask(int textId);
  void PrepareCalibration(bool kavi);
  void WaitForPetrolToStart();
  void SettlePetrolReference();
  void WaitForPetrolReference();
  bool MeasurePetrolReference(bool kavi);
  void StoreRailPressure();
  void InjectorsForGas(bool kavi);
  void SwitchToGas();
  void WaitForGas();
  bool SettledOnFuel();
  void TakeReferenceConditions();
  bool TuneMultiplier();
  bool TuneIdleCorrection();
  bool CountTuningFrame(int tested);
  void FollowCounterWithInjectors();
  void NextInjector(bool kavi);
  void BackToPetrol(bool kavi);
  void WaitForPetrolToEnd();
  void FinishCalibration();
  void EndCalibration(CalibrationState how);
  void EndCalibrationForLostLink();
  void RestoreSnapshot(const CalibrationSnapshot& snapshot);
  void RestoreAfterReconnection();
  void LearnRailEmulation();
  void LearnPressureMap();
  void LearnCell(CellAverage& average, int table, uint32_t area, int row, int column, int value);
  uint8_t& TraceFlagByte(int group, int entry);

  void SendFirmwareBlock();
  bool FirmwareBlockAcknowledged(int length);
  void InBootloaderWithoutUpdate();
  bool SendFirstPending(uint32_t pendingWrites);
  void JumpToOrFromBootloader(bool jump);
  bool SendCommand(uint32_t bit);
  bool SendWrite(const transmission::DataArea& area);
  bool SendRead(const transmission::DataArea& area);
  void SendPoll();
  void SendPollWithFuelTrims();

  uint8_t* NastawyDoZapisu() { return &obraz_[img::Nastawy]; }
  bool MayChangePassword();
  bool WritePasswordBlock();

  UiServices& ui_;
  Clock& clock_;
  bool tickRunning_ = false;
  std::mt19937 nonce_;
  int timerInterval_ = 25;

  std::array<uint8_t, img::kSize> obraz_{};
  std::array<Nastawa, 512> listaNastaw_{};
  std::vector<Wykres> listaWykresow_;
  std::array<uint32_t, 38> koloryWykresow_{};
  DecodedStatus status_;

  uint32_t flagiCzytania_ = 0;
  uint32_t flagiZapisu_ = 0;
  uint32_t flagiRozkazow_ = 0;
  uint32_t flagiZapisuWToku_ = 0;
  uint32_t niezapisane_ = 0;

  int liczDoBrakuPolaczenia_ = 0;
  std::string toldPortProblem_;  // the cause of a failed open the installer was last told
  int odebraneBajty_ = 0;
  int oczekiwaneBajty_ = 0;
  std::array<uint8_t, kRozmiarBuforaOdbioru> buforOdbioru_{};
  std::array<uint8_t, ramka::kLargestFrame + 2> buforNadawania_{};
  uint8_t ostatniRozkaz_ = 0;

  uint8_t stanIdent_ = 0;
  IdentificationRefusal identificationRefusal_ = IdentificationRefusal::None;
  int ileWtryskiwaczy_ = 8;
  uint8_t zalaczoneWtryskiwacze_ = 255;
  uint8_t stanPaliwa_ = 0;
  uint8_t stanSilnika_ = 0;
  uint8_t stanBajt12_ = 0;
  RekordObd ostatniRekordObd_{};
  std::array<RekordObd, 2> zewnRekordObd_{};
  std::array<uint8_t, 4000> oscWejBen_{};
  std::vector<uint8_t> buforOsc_;
  int rozmiarRekordu_ = status_frame::kShortRecord;
  int ileRekordow_ = 0;
  GrowingFile plikNagrania_;

  Family model_ = Family::Unknown;
  bool dwaBanki_ = true;
  int numerBanku_ = 0;
  int kanalyFsi_ = 0;
  int zakresMnoznika_ = 200;

  int przerwaNadawania_ = 0;
  int licznikTur_ = 0;
  uint8_t stronaParam_ = 0;
  bool zapisFlash_ = false;
  bool aktualizacjaZlecona_ = false;
  bool skokDoBootloadera_ = false;
  bool powrotZBootloadera_ = false;
  std::string updatedController_;  // the barcode of the controller the update was started on
  // A finished update's history entry, still to be made: the updated controller's barcode.
  std::optional<std::string> firmwareEntryDue_;
  FirmwareUpload upload_;
  bool logParamBiez_ = false;
  bool logDaneObd_ = false;
  bool paramAdmin_ = false;
  char decimalSeparator_ = '.';

  CalibrationRun kalibracja_;
  CalibrationSnapshot snapshot_;
  std::optional<CalibrationSnapshot> pendingRestore_;
  CalibrationRestore previousValues_ = CalibrationRestore::None;
  bool uczenieEmulacji_ = false;
  CellAverage emulationCell_;
  CellAverage pressureMapCell_;
  LearnedCells learnedCells_;

  // Today's date and this workstation's identifier, for change-history entries.
  int dataRok_ = 0;  // year - 2000
  int dataMiesiac_ = 0;
  int dataDzien_ = 0;
  uint32_t identWlasny_ = 0;

  std::string plikHasla_;
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
inline constexpr uint32_t kMagenta = 16711935;
}  // namespace log_colour
