#include "controller/Tsterownik.h"

#include "controller/Clock.h"

namespace {

constexpr int kLostConnectionLimit = 255;
constexpr int64_t kStalledReceiveMs = 3000;
constexpr int kTickMs = 95;
constexpr int kTickAfterStallMs = 500;

}  // namespace

TSterownik::TSterownik(UiServices& ui, Clock& clock, const std::string& ftdiLibraryName)
    : TSerial(ftdiLibraryName), ui_(ui), clock_(clock), nonce_(std::random_device{}()) {
  for (int i = img::Eeprom1; i < img::Eeprom1 + 4; ++i)
    ObrazSterownika[i] = 128;
  SetDefaultTraceDisplay();
  // Until a controller answers, the editor and the views show the MALVER family's lists.
  UtworzListeNastawPosredni();
  UtworzWykresyPosredni();
  for (int entry = 1; entry <= 38; ++entry)
    KoloryWykresow[entry - 1] = ListaWykresow[entry].kolor;
  WypelnijNastawyDomyslne();
}

// The readings panel and scope start with the parameters installers look at first.
void TSterownik::SetDefaultTraceDisplay() {
  uint8_t* flags = &ObrazSterownika[img::FlagiWykresow];
  for (int row : {0, 25, 50}) {
    for (int entry : {1, 3, 4, 6, 7, 9})
      flags[row + entry - 1] = 0x30;
    flags[row + 14 - 1] = 0x20;
  }
  for (int entry : {1, 3, 4, 6, 7, 11, 16, 17, 19, 20})
    flags[75 + entry - 1] = 0x30;
}

void TSterownik::Log(const std::string& text, uint32_t colour) {
  if (OnTekst) OnTekst(this, text, colour);
}

void TSterownik::Event(int kind, int code, int aux, int length) {
  if (OnZdarzenie) OnZdarzenie(kind, code, aux, length);
}

void TSterownik::CountUnanswered() {
  if (LiczDoBrakuPolaczenia < kLostConnectionLimit) ++LiczDoBrakuPolaczenia;
}

void TSterownik::EmptyReceiveState() {
  OdebraneBajty = OczekiwaneBajty = 0;
}

bool TSterownik::OtworzPortComm() {
  if (LiczDoBrakuPolaczenia > 8) Log("Brak połączenia", log_colour::kRed);
  LiczDoBrakuPolaczenia = 0;
  EmptyReceiveState();
  const bool opened = PortOpen(PortNumber);
  const std::string port = PortNumber >= kFtdiBase
                               ? "Open ftdi port " + std::to_string(PortNumber - (kFtdiBase - 1))
                               : "Open serial port " + std::to_string(PortNumber);
  Log(port + (opened ? " - OK" : " - Error"), opened ? log_colour::kGreen : log_colour::kRed);
  return opened;
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
    FlagiRozkazow = 1;
    ZapisFlash = false;
    AktualizacjaZlecona = false;
    Event(3, 0, 0, 0);
  }
  tickRunning_ = true;
  TimerInterval = kTickMs;
  const int64_t before = clock_.Milliseconds();
  OdbiorRx();
  const int64_t after = clock_.Milliseconds();
  if (after - before > kStalledReceiveMs || after < before) {
    TimerInterval = kTickAfterStallMs;
    CountUnanswered();
  } else {
    NadawanieTx();
  }
  tickRunning_ = false;
}

void TSterownik::ZapiszDoSterownika(uint32_t bits) {
  // A write asked for while the connection is counted lost would be sent to whatever answers
  // after the reconnection; it is dropped instead.
  if (PortConnected() && LiczDoBrakuPolaczenia <= 8) FlagiZapisu |= bits;
}

void TSterownik::KasujFlagiTransmisji(const std::string& reason) {
  if (OnTekst && PortConnected()) Log("  Kasownie flag transmisji: " + reason, log_colour::kSilver);
  FlagiCzytania = FlagiZapisu = FlagiRozkazow = FlagiZapisuWToku = 0;
  ObrazSterownika[img::Firma] = 0;
  ObrazSterownika[img::FirmaProgramu] = 0;
}

void TSterownik::Ramka(uint8_t code, int payloadLength) {
  OstatniRozkaz = code;
  if (!PortConnected()) return;
  CountUnanswered();
  uint8_t* frame = BuforNadawania.data();
  const int length = ramka::Build(frame, ramka::kRequestStart, code, payloadLength);
  if (OnTekst && ((code >> 4) != 9 || LogParamBiez))
    Log(ramka::LogText("  TX:", frame, length), log_colour::kMaroon);
  Event(1, code, 0, length);
  ramka::Scramble(frame, length);
  PortWrite(frame, length);
}
