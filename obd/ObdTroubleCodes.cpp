// The task states that read the engine's trouble codes and clear them, between two polls.

#include "obd/CodeClearing.h"
#include "obd/Telmobd.h"

namespace {

// The three reads in turn: the request, then the listing of its answer by the mode reply byte.
struct Odczyt {
  const char* rozkaz;
  uint8_t tryb;
};
constexpr Odczyt kOdczyty[] = {
    {"03\r", obd::kStoredCodes}, {"07\r", obd::kPendingCodes}, {"0A\r", obd::kPermanentCodes}};
constexpr int kPierwszyStan = 3000;
constexpr int kPauzaMs = 200;

uint32_t KolorLogu(obd::LineColour kolor) {
  switch (kolor) {
    case obd::LineColour::Red:
      return log_colour::kRed;
    case obd::LineColour::Green:
    case obd::LineColour::DarkGreen:
      return log_colour::kGreen;
    case obd::LineColour::Magenta:
      return log_colour::kMagenta;
    case obd::LineColour::Default:
      break;
  }
  return log_colour::kBlack;
}

}  // namespace

void TObd::ZadanieKodow() {
  if (zadanie_ >= 4000) {
    ZadanieKasowania();
    return;
  }
  const int krok = zadanie_ - kPierwszyStan;
  if (krok < 0 || krok > 5) {
    zadanie_ = 1000;
    return;
  }
  if (krok == 0) {
    kody_.clear();
    ++zmianyKodow_;
  }
  opoznienie_ = kPauzaMs;
  const Odczyt& odczyt = kOdczyty[krok / 2];
  if (krok % 2 == 0)
    Wyslij(odczyt.rozkaz);
  else
    WypiszKody(odczyt.tryb);
  zadanie_ = krok == 5 ? 1000 : zadanie_ + 1;
}

// The clearing, then the stored codes read again: a car may refuse to clear them, or not answer,
// and only what it says tells whether they are gone.
void TObd::ZadanieKasowania() {
  switch (zadanie_) {
    case 4000:
      kody_.clear();
      ++zmianyKodow_;
      kasowanie_ = {};
      Wyslij("04\r");
      zadanie_ = 4001;
      return;
    case 4001:
      kasowanie_.answer = obd::ClearingAnswerOf(OdpowiedzKodow());
      opoznienie_ = kPauzaMs;
      Wyslij(kOdczyty[0].rozkaz);
      zadanie_ = 4002;
      return;
    case 4002: {
      kasowanie_.storedCodes = WypiszKody(obd::kStoredCodes);
      const obd::ColouredLine wynik = obd::ClearingLine(kasowanie_);
      kody_.insert(kody_.begin(), wynik);
      Loguj(wynik.text, KolorLogu(wynik.colour));
      zadanie_ = 1000;
      return;
    }
    default:
      zadanie_ = 1000;
      return;
  }
}

obd::CodeReply TObd::OdpowiedzKodow() const {
  return {odpowiedz_.Odpowiedz(), protokol_, adresEcu_, jezykOpisow_ == 1};
}

std::optional<int> TObd::WypiszKody(uint8_t tryb) {
  obd::ColouredLines log;
  const std::optional<int> ile = obd::KodyBledow(OdpowiedzKodow(), tryb, kody_, log);
  ++zmianyKodow_;
  for (const obd::ColouredLine& linia : log)
    Loguj(linia.text, KolorLogu(linia.colour));
  return ile;
}
