#include "controller/Tsterownik.h"

#include <algorithm>

#include "controller/Clock.h"
#include "controller/PortProblem.h"
#include "lang/UiServices.h"

namespace {

constexpr int kLostConnectionLimit = 255;
constexpr int64_t kStalledReceiveMs = 3000;
constexpr int kTickMs = 95;
constexpr int kTickAfterStallMs = 500;

}  // namespace

TSterownik::TSterownik(UiServices& ui, Clock& clock, const std::string& ftdiLibraryName)
    : TSerial(ftdiLibraryName), ui_(ui), clock_(clock), nonce_(std::random_device{}()) {
  for (int i = img::Eeprom1; i < img::Eeprom1 + 4; ++i)
    obraz_[i] = 128;
  DefaultLedColours();
  SetDefaultTraceDisplay();
  // Until a controller answers, the editor and the views show the MALVER family's lists.
  UtworzListeNastawPosredni();
  UtworzWykresyPosredni();
  for (int entry = 1; entry <= 38; ++entry)
    koloryWykresow_[entry - 1] = listaWykresow_[entry].kolor;
  WypelnijNastawyDomyslne();
}

// The readings panel and scope start with the parameters installers look at first.
void TSterownik::SetDefaultTraceDisplay() {
  for (int group = 1; group <= 3; ++group) {
    for (int entry : {1, 3, 4, 6, 7, 9})
      TraceFlagByte(group, entry) = ChartPlace::ScopeTrace | ChartPlace::Readings;
    TraceFlagByte(group, 14) = ChartPlace::Readings;
  }
  for (int entry : {1, 3, 4, 6, 7, 11, 16, 17, 19, 20})
    TraceFlagByte(4, entry) = ChartPlace::ScopeTrace | ChartPlace::Readings;
}

void TSterownik::Log(const std::string& text, uint32_t colour) {
  if (OnTekst) OnTekst(this, text, colour);
}

void TSterownik::Event(const LinkEvent& event) {
  if (OnZdarzenie) OnZdarzenie(event);
}

void TSterownik::Event(EventKind kind, int code, int aux) {
  Event({.kind = kind, .code = code, .aux = aux});
}

void TSterownik::CountUnanswered() {
  if (liczDoBrakuPolaczenia_ < kLostConnectionLimit) ++liczDoBrakuPolaczenia_;
  if (liczDoBrakuPolaczenia_ > kLostConnectionThreshold) EndCalibrationForLostLink();
}

void TSterownik::EmptyReceiveState() {
  odebraneBajty_ = oczekiwaneBajty_ = 0;
}

bool TSterownik::ConnectionLost() {
  return liczDoBrakuPolaczenia_ > kLostConnectionThreshold || !PortConnected();
}

bool TSterownik::ReadOutComplete() const {
  return obraz_[img::Firma] == 1 && flagiCzytania_ == 0 && flagiRozkazow_ == 0;
}

void TSterownik::CzytajBledyObd() {
  if (TraitsOf(model_).obdModule) RozkazDoSterownika(CommandBit::ObdReadDtc);
}

void TSterownik::KasujBledyObd() {
  if (TraitsOf(model_).obdModule) RozkazDoSterownika(CommandBit::ObdClearDtc);
}

bool TSterownik::BlokujZakladki() const {
  return Traits().locksTabs || (WersjaProgramu() > 6 && HasloUstawione());
}

bool TSterownik::OtworzPortComm() {
  if (liczDoBrakuPolaczenia_ > kLostConnectionThreshold) Log("Brak połączenia", log_colour::kRed);
  liczDoBrakuPolaczenia_ = 0;
  EmptyReceiveState();
  const bool opened = PortOpen(PortNumber);
  const std::string port = PortNumber >= kFtdiBase
                               ? "Open ftdi port " + std::to_string(PortNumber - (kFtdiBase - 1))
                               : "Open serial port " + std::to_string(PortNumber);
  const std::string problem = opened ? std::string() : PortOpenProblem(*this);
  Log(port + (opened ? " - OK" : " - Error") + (problem.empty() ? "" : ": " + problem),
      opened ? log_colour::kGreen : log_colour::kRed);
  TellPortProblem(opened, problem);
  return opened;
}

// The supervisor opens a lost port again every eight seconds: the installer is told a cause
// once, and again only after the port opened or the cause changed.
void TSterownik::TellPortProblem(bool opened, const std::string& problem) {
  if (opened) toldPortProblem_.clear();
  if (problem.empty() || problem == toldPortProblem_) return;
  toldPortProblem_ = problem;
  ui_.MessageBox(problem, mb::kIconExclamation);
}

void TSterownik::ZamknijPortComm() {
  Log("Zamknięcie portu", log_colour::kRed);
  PortClose();
}

void TSterownik::Timer1OnTimer() {
  if (!PortConnected() || tickRunning_) return;
  if (JustOpened) {
    JustOpened = false;
    KasujFlagiTransmisji("OpenPort");
    flagiRozkazow_ = CommandBit::Identify;
    zapisFlash_ = false;
    aktualizacjaZlecona_ = false;
    Event(EventKind::PortOpened);
  }
  tickRunning_ = true;
  timerInterval_ = kTickMs;
  const int64_t before = clock_.Milliseconds();
  OdbiorRx();
  const int64_t after = clock_.Milliseconds();
  if (after - before > kStalledReceiveMs || after < before) {
    timerInterval_ = kTickAfterStallMs;
    CountUnanswered();
  } else {
    NadawanieTx();
  }
  tickRunning_ = false;
}

void TSterownik::ZapiszDoSterownika(uint32_t bits) {
  // A write asked for while the connection is counted lost would be sent to whatever answers
  // after the reconnection; it is dropped instead.
  if (PortConnected() && liczDoBrakuPolaczenia_ <= kLostConnectionThreshold) flagiZapisu_ |= bits;
}

void TSterownik::ZapiszObszar(int offset, std::span<const uint8_t, img::kAreaSize> bytes,
                              uint32_t write) {
  std::copy(bytes.begin(), bytes.end(), &obraz_[offset]);
  ZapiszDoSterownika(write);
}

void TSterownik::KasujFlagiTransmisji(const std::string& reason) {
  if (OnTekst && PortConnected()) Log("  Kasownie flag transmisji: " + reason, log_colour::kSilver);
  // Nothing is sent again to what may be another controller, but the installer hears of it.
  niezapisane_ |= flagiZapisu_ | flagiZapisuWToku_;
  flagiCzytania_ = flagiZapisu_ = flagiRozkazow_ = flagiZapisuWToku_ = 0;
  // A run cannot go on without the writes and commands it had asked for.
  EndCalibrationForLostLink();
  obraz_[img::Firma] = 0;
  obraz_[img::FirmaProgramu] = 0;
}

bool TSterownik::Ramka(uint8_t code, int payloadLength) {
  ostatniRozkaz_ = code;
  if (!PortConnected()) return false;
  CountUnanswered();
  uint8_t* frame = buforNadawania_.data();
  const int length = ramka::Build(frame, ramka::kRequestStart, code, payloadLength);
  if (OnTekst && (!code::IsStatus(code) || logParamBiez_))
    Log(ramka::LogText("  TX:", frame, length), log_colour::kMaroon);
  ramka::Scramble(frame, length);
  // A frame the port did not take is not sent: its request stays pending for a later turn.
  if (PortWrite(frame, length) != length) {
    Log("  błąd zapisu do portu", log_colour::kRed);
    return false;
  }
  Event({.kind = EventKind::FrameSent, .code = code, .length = length});
  return true;
}

bool TSterownik::WczytajObraz(std::span<const uint8_t> bytes) {
  if (bytes.size() != obraz_.size()) return false;
  std::copy(bytes.begin(), bytes.end(), obraz_.begin());
  ListaNastawWykresyOdPlytki(1);
  return true;
}

void TSterownik::SetToday(int year, int month, int day) {
  dataRok_ = year - 2000;
  dataMiesiac_ = month;
  dataDzien_ = day;
}

void TSterownik::SetExternalObdRecord(int which, const RekordObd& record) {
  if (which == 0 || which == 1) zewnRekordObd_[static_cast<size_t>(which)] = record;
}
