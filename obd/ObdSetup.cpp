// The task states that set the found protocol up, find the engine ECU and read what it supports.

#include <cstdio>
#include <cstdlib>

#include "obd/EcuSearch.h"
#include "obd/ElmProtocols.h"
#include "obd/HexText.h"
#include "obd/PidReply.h"
#include "obd/Telmobd.h"

namespace {

// The bitmap of the PIDs after `pid`, and the request for the next bitmap when it says so.
struct OdczytMapy {
  int zadanie;
  int pid;
};
constexpr OdczytMapy kMapy[] = {{310, 0x20}, {311, 0x40}, {312, 0x60}};

}  // namespace

void TObd::ZadanieKonfiguracji() {
  static constexpr const char* kUstawienia[] = {"ATST32\r", "ATAL\r", "ATE0\r", "ATH1\r"};
  switch (zadanie_) {
    case 300:
      Wyslij("ATDPN\r");
      zadanie_ = 301;
      return;
    case 301:
      PokazProtokol();
      Wyslij("ATM1\r");
      zadanie_ = 302;
      stanObd_ = protokol_;
      Zdarz(102, 0, protokol_);
      rekord_[0] = static_cast<uint8_t>(protokol_);
      rekord_[1] = 192;
      Publikuj();
      return;
    case 302:
    case 303:
    case 304:
    case 305:
      Wyslij(kUstawienia[zadanie_ - 302]);
      zadanie_ += 1;
      return;
    case 306:
      if (odpowiedz_.Odpowiedz().find("OK") == std::string::npos) {
        zadanie_ = 100;
        return;
      }
      Wyslij("01001\r");
      zadanie_ = 307;
      return;
    case 307:
      Wyslij("0100\r");
      zadanie_ = 308;
      return;
  }
  // An error while the found protocol is set up: the adapter is reset.
  if (odpowiedz_.CzyBlad()) {
    zadanie_ = 100;
    return;
  }
  if (zadanie_ == 308) {
    PokazEcu();
    if (Obslugiwany(0x01)) Wyslij("0101\r");
    zadanie_ = 309;
    return;
  }
  if (zadanie_ == 309 && Obslugiwany(0x01)) PokazStatusBledow();
  for (const OdczytMapy& m : kMapy)
    if (m.zadanie == zadanie_) CzytajMape(m.pid);
  const int dalej = zadanie_ - 309;  // the bitmap PID that may follow, 0x20 apart
  const int pid = 0x20 * (dalej + 1);
  if (Obslugiwany(pid)) {
    char rozkaz[8];
    std::snprintf(rozkaz, sizeof rozkaz, "01%02X\r", pid);
    Wyslij(rozkaz);
    zadanie_ = pid == 0x80 ? 400 : zadanie_ + 1;
  } else {
    zadanie_ = 400;
  }
}

void TObd::PokazProtokol() {
  std::string odpowiedz = odpowiedz_.Odpowiedz();
  if (odpowiedz.find("ATDPN") != std::string::npos) odpowiedz.erase(0, 6);
  if (odpowiedz.find('A') != std::string::npos) odpowiedz.erase(0, 1);
  odpowiedz = odpowiedz.substr(0, odpowiedz.find('\r'));
  char* koniec = nullptr;
  const long numer = std::strtol(odpowiedz.c_str(), &koniec, 10);
  protokol_ = (koniec != odpowiedz.c_str() && *koniec == '\0' && numer > 0 && numer < 100)
                  ? static_cast<int>(numer)
                  : 0;
  const NazwaProtokolu nazwa = NazwijProtokol(protokol_);
  status_.Pisz(ElmStatusGrid::kObd, nazwa.wiersz);
  Loguj(nazwa.log, nazwa.znany ? log_colour::kGreen : log_colour::kRed);
}

void TObd::PokazEcu() {
  const std::vector<Ecu> ecu = ZnajdzEcu(odpowiedz_.Odpowiedz(), protokol_);
  ileEcu_ = static_cast<int>(ecu.size());
  adresEcu_ = AdresSilnika(ecu);
  const std::string lista = ListaEcu(ecu);
  status_.Pisz(ElmStatusGrid::kEcu, lista);
  Loguj("ECU: " + lista, log_colour::kGreen);
  Loguj("ECU: " + obd::HexText(static_cast<uint32_t>(adresEcu_)) + "h", log_colour::kGreen);
  CzytajMape(0);
}

void TObd::CzytajMape(int pid) {
  const std::optional<uint32_t> mapa =
      PIDsupported(pidy_, pid, odpowiedz_.Odpowiedz(), protokol_, adresEcu_);
  if (mapa) Loguj("PIDs supported 0x" + obd::HexText(*mapa, 4), log_colour::kGreen);
}

void TObd::PokazStatusBledow() {
  const auto status = CzteryBajty(odpowiedz_.Odpowiedz(), 0x01);
  if (!status) {
    status_.Pisz(ElmStatusGrid::kDtc, "-");
    status_.Pisz(ElmStatusGrid::kMil, "-");
    Loguj("nie odczytano statusu", log_colour::kRed);
    return;
  }
  status_.Pisz(ElmStatusGrid::kDtc, std::to_string(*status >> 24 & 0x7F));
  status_.Pisz(ElmStatusGrid::kMil, (*status & 0x80000000u) ? "on" : "off");
  Loguj("status 0x" + obd::HexText(*status), log_colour::kGreen);
}
