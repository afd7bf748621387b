#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "controller/Tsterownik.h"
#include "obd/CodeClearing.h"
#include "obd/ElmReply.h"
#include "obd/ElmStatusGrid.h"
#include "obd/PidReply.h"
#include "obd/PidSelection.h"
#include "obd/TroubleCodes.h"
#include "serial/Tserial.h"

// The OBD-II reader: drives an ELM327-type adapter on its own port through one task loop that
// the owner's timer ticks every TimerInterval ms. Nothing waits: pauses count down by the tick
// and a reply is taken as its bytes arrive.
class TObd : public TSerial {
 public:
  // (code, aux, length) of an event of kind 100 to the main window.
  using Zdarzenie = std::function<void(int code, int aux, int length)>;
  using Tekst = std::function<void(const std::string& text, uint32_t colour)>;

  static constexpr int kInterwalMs = 100;
  static constexpr int kPrzyciskCzytajBledy = 3;
  static constexpr int kPrzyciskKasujBledy = 4;
  static constexpr int kPrzyciskRestart = 0;

  explicit TObd(const std::string& ftdiLibraryName = ftdi::kDefaultLibraryName);

  void Timer1OnTimer();
  int TimerInterval() const { return kInterwalMs; }
  void WcisnietoPrzycisk(int rozkaz);
  // Where the record for the gas controller goes; none by default.
  void SetControllerLink(TSterownik* sterownik) { sterownik_ = sterownik; }

  // For the views.
  const ElmStatusGrid& Status() const { return status_; }
  int StanObd() const { return stanObd_; }
  int Protokol() const { return protokol_; }
  int AdresEcu() const { return adresEcu_; }
  int IleEcu() const { return ileEcu_; }
  int Zadanie() const { return zadanie_; }
  // The car answers: its codes can be read or cleared.
  bool CarConnected() const { return zadanie_ >= 1000; }
  const std::string& Odpowiedz() const { return odpowiedz_.Odpowiedz(); }
  const std::string& Zapis() const { return odpowiedz_.Zapis(); }
  const TSterownik::RekordObd& RekordObd() const { return rekord_; }
  // From the supported-PID bitmaps the ECU answered.
  bool Obslugiwany(int pid) const { return pid >= 0 && pid < kPidCount && pidy_.Obslugiwany[pid]; }
  const PidSelection& Pidy() const { return pidy_; }
  int PodajIlePidWybranych() const { return pidy_.PodajIlePidWybranych(); }
  // The PID grid's value and unit of pid (columns 4 and 5); empty until the PID is decoded.
  const std::string& WartoscPid(int pid) const { return wartosci_[static_cast<size_t>(pid)]; }
  const std::string& JednostkaPid(int pid) const { return jednostki_[static_cast<size_t>(pid)]; }
  int BiezacyPid() const { return biezacyPid_; }
  int NrWCyklu() const { return nrWCyklu_; }
  // The trouble-code box: the codes of the last read, and a count of their changes, by which a
  // box shows them again only when a read changed them.
  const obd::ColouredLines& Kody() const { return kody_; }
  int ZmianyKodow() const { return zmianyKodow_; }
  // The last clearing of the codes: what the engine answered and the stored codes read after it.
  const obd::ClearingResult& Kasowanie() const { return kasowanie_; }

  // The user's selection in the PID grid; a double click also withdraws the readings the
  // controller was given, since the PIDs behind them may no longer be polled.
  void PrzelaczPid(int pid, bool podwojneKlikniecie);
  // Polls exactly these PIDs (those supported among them) from now on.
  void WybierzTylko(std::span<const int> pids);
  // 1 (Polish) adds the Polish trouble-code descriptions.
  void SetJezykOpisow(int languageIndex) { jezykOpisow_ = languageIndex; }
  // The decimal separator of the values in the PID grid.
  void SetSeparatorDziesietny(char separator) { separator_ = separator; }

  Zdarzenie OnZdarzenie;
  Tekst OnTekst;

 private:
  void Wyslij(const std::string& rozkaz);
  void Odbierz();
  void PetlaZadan();
  void Zdarz(int code, int aux, int length);
  void Loguj(const std::string& tekst, uint32_t kolor);
  void Publikuj();
  void CzyscRekord();
  void Porazka(int nastepne);
  // The adapter's answer held what the step needs: send the next command, else start over.
  void WyslijGdy(const char* wymagane, const std::string& rozkaz, int nastepne,
                 int przyPorazce = 3);

  // The task states by stage, one file each.
  void ZadanieAdaptera();
  void ZadanieProtokolu();
  void ZadanieKonfiguracji();
  void ZadanieOdczytow();
  void ZadanieKodow();

  void PokazNapiecie();
  void PokazProtokol();
  void PokazEcu();
  void PokazStatusBledow();
  void CzytajMape(int pid);
  void UstawProbe(size_t proba);
  void WybierzGdyOdpowiada(int pid);
  void WyslijPid(int pid);
  void WyslijNastepnyPid();
  bool WyswietlPid();
  void PrzekazDoSterownika(const PidReading& odczyt);
  void OpiszPid();
  void ZadanieKasowania();
  obd::CodeReply OdpowiedzKodow() const;
  std::optional<int> WypiszKody(uint8_t tryb);

  TSterownik* sterownik_ = nullptr;
  ElmReply odpowiedz_;
  ElmStatusGrid status_;
  TSterownik::RekordObd rekord_{};
  PidSelection pidy_;
  std::array<std::string, kPidCount> wartosci_;
  std::array<std::string, kPidCount> jednostki_;
  obd::ColouredLines kody_;
  int zmianyKodow_ = 0;
  obd::ClearingResult kasowanie_;
  int biezacyPid_ = 0;
  int nrWCyklu_ = 0;
  int licznikNieudanych_ = 0;
  int jezykOpisow_ = 0;
  char separator_ = '.';
  int zadanie_ = 0;
  int opoznienie_ = 0;
  int protokol_ = -1;
  int adresEcu_ = 0;
  int ileEcu_ = 0;
  int stanObd_ = -1;
  bool zajety_ = false;
};
