#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "controller/Tsterownik.h"
#include "obd/ElmReply.h"
#include "obd/ElmStatusGrid.h"
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
  const std::string& Odpowiedz() const { return odpowiedz_.Odpowiedz(); }
  const std::string& Zapis() const { return odpowiedz_.Zapis(); }
  const TSterownik::RekordObd& RekordObd() const { return rekord_; }
  // From the supported-PID bitmaps the ECU answered.
  bool Obslugiwany(int pid) const;

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

  void PokazNapiecie();
  void PokazProtokol();
  void PokazEcu();
  void PokazStatusBledow();
  void CzytajMape(int pid);
  void UstawProbe(size_t proba);

  TSterownik* sterownik_ = nullptr;
  ElmReply odpowiedz_;
  ElmStatusGrid status_;
  TSterownik::RekordObd rekord_{};
  std::array<uint32_t, 4> mapy_{};  // PIDs 01-20, 21-40, 41-60, 61-80
  int zadanie_ = 0;
  int opoznienie_ = 0;
  int protokol_ = -1;
  int adresEcu_ = 0;
  int ileEcu_ = 0;
  int stanObd_ = -1;
  bool zajety_ = false;
};
