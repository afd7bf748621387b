#include "obd/Telmobd.h"

#include <algorithm>
#include <vector>

TObd::TObd(const std::string& ftdiLibraryName) : TSerial(ftdiLibraryName) {
  PortNumber = 1;
  BaudRate = 38400;
}

void TObd::Timer1OnTimer() {
  if (zajety_) return;
  if (JustOpened) {
    JustOpened = false;
    stanObd_ = 0;
    Zdarz(100, 0, 0);
    zadanie_ = 2;
  }
  zajety_ = true;
  if (PortConnected()) Odbierz();
  PetlaZadan();
  zajety_ = false;
}

void TObd::WcisnietoPrzycisk(int rozkaz) {
  if (rozkaz == kPrzyciskRestart) zadanie_ = 100;
  // The codes are read or cleared between two polls; until the car answers, a request to the
  // ECU would only break into the adapter's set-up.
  if (zadanie_ < 1000) return;
  if (rozkaz == kPrzyciskCzytajBledy) zadanie_ = 3000;
  if (rozkaz == kPrzyciskKasujBledy) zadanie_ = 4000;
}

void TObd::PrzelaczPid(int pid, bool podwojneKlikniecie) {
  pidy_.Toggle(pid);
  OpiszPid();
  if (!podwojneKlikniecie) return;
  std::fill(rekord_.begin() + 3, rekord_.begin() + 12, 0);
  Publikuj();
}

void TObd::WybierzTylko(std::span<const int> pids) {
  pidy_.Wybrany.reset();
  for (int pid : pids)
    if (pid >= 0 && pid < kPidCount) pidy_.Wybrany.set(static_cast<size_t>(pid));
  OpiszPid();
}

// The grid is rebuilt: the values shown so far are no longer current.
void TObd::OpiszPid() {
  for (std::string& wartosc : wartosci_)
    wartosc.clear();
  for (std::string& jednostka : jednostki_)
    jednostka.clear();
}

void TObd::Wyslij(const std::string& rozkaz) {
  if (!PortConnected()) return;
  PortPurgeRx();
  PortWrite(reinterpret_cast<const unsigned char*>(rozkaz.data()), static_cast<int>(rozkaz.size()));
  odpowiedz_.Start(rozkaz);
  Loguj(Printable(rozkaz), log_colour::kMagenta);
}

void TObd::Odbierz() {
  std::vector<unsigned char> bajty(ElmReply::kRozmiarBufora);
  const int ile = PortRead(bajty.data(), static_cast<int>(bajty.size()));
  if (ile <= 0 || !odpowiedz_.Take(bajty.data(), static_cast<size_t>(ile))) return;
  if (odpowiedz_.Przepelniona())
    Loguj("odpowiedź za długa", log_colour::kRed);
  else
    Loguj(Printable(odpowiedz_.Odpowiedz()), log_colour::kBlue);
}

void TObd::PetlaZadan() {
  if (opoznienie_ >= 1) {
    opoznienie_ -= kInterwalMs;
    return;
  }
  if (odpowiedz_.CzekaNaOdpowiedz()) {
    if (odpowiedz_.Tick(kInterwalMs)) Loguj("Przekroczenie czasu", log_colour::kRed);
    return;
  }
  // An adapter unplugged mid-way answers nothing more: report the lost connection instead of
  // acting on the last reply again.
  if (zadanie_ > 3 && !PortConnected()) zadanie_ = 3;
  if (zadanie_ < 200)
    ZadanieAdaptera();
  else if (zadanie_ < 300)
    ZadanieProtokolu();
  else if (zadanie_ < 400)
    ZadanieKonfiguracji();
  else if (zadanie_ < 3000)
    ZadanieOdczytow();
  else
    ZadanieKodow();
}

void TObd::Zdarz(int code, int aux, int length) {
  if (OnZdarzenie) OnZdarzenie(code, aux, length);
}

void TObd::Loguj(const std::string& tekst, uint32_t kolor) {
  if (OnTekst) OnTekst(tekst, kolor);
}

void TObd::Publikuj() {
  if (sterownik_) sterownik_->SetExternalObdRecord(0, rekord_);
}

void TObd::CzyscRekord() {
  std::fill(rekord_.begin(), rekord_.begin() + 12, 0);
  Publikuj();
}

void TObd::Porazka(int nastepne) {
  opoznienie_ = 5000;
  zadanie_ = nastepne;
}

void TObd::WyslijGdy(const char* wymagane, const std::string& rozkaz, int nastepne,
                     int przyPorazce) {
  if (odpowiedz_.Odpowiedz().find(wymagane) == std::string::npos) return Porazka(przyPorazce);
  Wyslij(rozkaz);
  zadanie_ = nastepne;
}
