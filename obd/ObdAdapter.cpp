// The task states that find the port and set the adapter up.
#include <string>

#include "obd/Telmobd.h"

namespace {

// Each configuration command, sent once the previous one was answered "OK".
struct KrokKonfiguracji {
  int zadanie;
  const char* rozkaz;
};
constexpr KrokKonfiguracji kKonfiguracja[] = {
    {102, "ATL0\r"}, {103, "ATCAF1\r"}, {104, "ATH1\r"}, {105, "ATM0\r"}, {106, "ATRV\r"},
};

std::string NazwaPortu(int numer) {
  if (numer >= TSerial::kFtdiBase) return "FTDI " + std::to_string(numer - TSerial::kFtdiBase);
  return "COMM " + std::to_string(numer);
}

}  // namespace

void TObd::ZadanieAdaptera() {
  const std::string& odpowiedz = odpowiedz_.Odpowiedz();
  switch (zadanie_) {
    case 2:
      if (PortConnected()) {
        status_.Pisz(ElmStatusGrid::kPort, NazwaPortu(PortNumber), true);
        opoznienie_ = 500;
        Loguj("2) połączono" + std::to_string(PortNumber), log_colour::kBlack);
        zadanie_ = 3;
      } else {
        status_.Pisz(ElmStatusGrid::kPort, "no connect", true);
        opoznienie_ = 5000;
        Loguj("2) brak połączenia", log_colour::kBlack);
        stanObd_ = -1;
        Zdarz(101, 0, -1);
        zadanie_ = 0;
      }
      CzyscRekord();
      return;
    case 3:
      if (PortConnected()) {
        status_.Pisz(ElmStatusGrid::kElm, "search interface", true);
        protokol_ = -1;
        opoznienie_ = 200;
        Loguj("3) szukanie interfejsu", log_colour::kBlack);
        zadanie_ = 100;
      } else {
        status_.Pisz(ElmStatusGrid::kPort, "no connect");
        opoznienie_ = 5000;
        Loguj("3) brak połączenia", log_colour::kBlack);
        zadanie_ = 0;
      }
      stanObd_ = -1;
      Zdarz(101, 0, -1);
      CzyscRekord();
      return;
    case 100:
      Wyslij("ATZ\r");
      zadanie_ = 101;
      return;
    case 101: {
      const size_t elm = odpowiedz.find("ELM");
      if (elm == std::string::npos) {
        status_.Pisz(ElmStatusGrid::kElm, "?", true);
        return Porazka(3);
      }
      const std::string wersja = odpowiedz.substr(elm, odpowiedz.find('\r', elm) - elm);
      status_.Pisz(ElmStatusGrid::kElm, wersja, true);
      Loguj(wersja, log_colour::kGreen);
      Wyslij("ATE1\r");
      zadanie_ = 102;
      return;
    }
    case 107:
      PokazNapiecie();
      zadanie_ = 200;
      return;
    default:
      for (const KrokKonfiguracji& krok : kKonfiguracja)
        if (krok.zadanie == zadanie_) return WyslijGdy("OK", krok.rozkaz, zadanie_ + 1);
      zadanie_ = 0;  // idle, or a state this loop does not have
  }
}

void TObd::PokazNapiecie() {
  std::string odpowiedz = odpowiedz_.Odpowiedz();
  if (odpowiedz.find("ATRV") != std::string::npos) odpowiedz.erase(0, 5);
  if (odpowiedz.find('?') != std::string::npos) {
    status_.Pisz(ElmStatusGrid::kPwr, "-");
    Loguj("?", log_colour::kRed);
    return;
  }
  odpowiedz = odpowiedz.substr(0, odpowiedz.find('\r'));
  status_.Pisz(ElmStatusGrid::kPwr, odpowiedz);
  Loguj(odpowiedz, log_colour::kGreen);
}
