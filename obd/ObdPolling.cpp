// The task states that take the first readings and then poll the selected PIDs for good.

#include <cstdio>

#include "obd/PidDecoding.h"
#include "obd/PidForwarding.h"
#include "obd/Telmobd.h"

namespace {

// States 401-405 each read one of the PIDs the gas controller needs and ask for the next.
constexpr int kFirstReadings[] = {0x03, 0x06, 0x07, 0x08, 0x09};
constexpr int kFirstReadingState = 401;
// Polls in a row without a readable answer before the adapter is looked for again.
constexpr int kMostFailedPolls = 10;

}  // namespace

void TObd::ZadanieOdczytow() {
  switch (zadanie_) {
    case 400:
      WyslijPid(kFirstReadings[0]);
      zadanie_ = 401;
      return;
    case 401:
    case 402:
    case 403:
    case 404:
      WybierzGdyOdpowiada(kFirstReadings[zadanie_ - kFirstReadingState]);
      WyslijPid(kFirstReadings[zadanie_ - kFirstReadingState + 1]);
      zadanie_ += 1;
      return;
    case 405:
      WybierzGdyOdpowiada(kFirstReadings[zadanie_ - kFirstReadingState]);
      OpiszPid();
      Wyslij("ATRV\r");
      zadanie_ = 406;
      return;
    case 406:
      PokazNapiecie();
      zadanie_ = 1000;
      return;
    case 1000:
      if (protokol_ < 6) opoznienie_ = 200;  // the K-line and J1850 buses are slower
      WyslijNastepnyPid();
      zadanie_ = 1001;
      return;
    case 1001:
      if (WyswietlPid()) {
        licznikNieudanych_ = 0;
      } else if (++licznikNieudanych_ > kMostFailedPolls) {
        licznikNieudanych_ = 0;
        zadanie_ = 3;
        return;
      }
      zadanie_ = 1000;
      return;
  }
}

void TObd::WybierzGdyOdpowiada(int pid) {
  biezacyPid_ = pid;
  if (!odpowiedz_.CzyBlad() && WyswietlPid()) pidy_.Wybrany.set(static_cast<size_t>(pid));
}

void TObd::WyslijPid(int pid) {
  char rozkaz[8];
  std::snprintf(rozkaz, sizeof rozkaz, "01%02X\r", pid & 0xFF);
  Wyslij(rozkaz);
}

// The next selected PID after the current one, round to the start of a new cycle.
void TObd::WyslijNastepnyPid() {
  if (biezacyPid_ < 0 || biezacyPid_ >= kPidCount) biezacyPid_ = 0;
  int nastepny = -1;
  for (int pid = biezacyPid_ + 1; pid < kPidCount && nastepny < 0; ++pid)
    if (pidy_.Polled(pid)) nastepny = pid;
  if (nastepny >= 0) {
    nrWCyklu_ += 1;
  } else {
    for (int pid = 0; pid <= biezacyPid_ && nastepny < 0; ++pid)
      if (pidy_.Polled(pid)) nastepny = pid;
    nrWCyklu_ = 0;
  }
  if (nastepny < 0) {
    // Nothing is asked, so the last answer must not be read again as if it were fresh.
    odpowiedz_.Forget();
    return;
  }
  biezacyPid_ = nastepny;
  WyslijPid(nastepny);
}

bool TObd::WyswietlPid() {
  const std::optional<PidReading> odczyt =
      ReadPidReply(odpowiedz_.Odpowiedz(), protokol_, adresEcu_, biezacyPid_);
  if (!odczyt) return false;
  PrzekazDoSterownika(*odczyt);
  const size_t wiersz = static_cast<size_t>(biezacyPid_);
  wartosci_[wiersz] = PidValueText(biezacyPid_, *odczyt, separator_);
  jednostki_[wiersz] = PidUnitText(biezacyPid_);
  Zdarz(103, biezacyPid_, nrWCyklu_);
  return true;
}

void TObd::PrzekazDoSterownika(const PidReading& odczyt) {
  CopyToObdRecord(biezacyPid_, odczyt, rekord_);
  CopyTranscriptToObdRecord(odpowiedz_.Zapis(), rekord_);
  Publikuj();
  if (sterownik_) sterownik_->SendObdData();
}
