// The task states that look for the vehicle's protocol, one attempt after another.
#include "obd/ElmProtocols.h"
#include "obd/Telmobd.h"

void TObd::ZadanieProtokolu() {
  // Attempt k is set up by state 200 + 2k; its "0100" is answered in state 202 + 2k.
  const size_t proby = ProbyProtokolow().size();
  const int ostatnia = 200 + 2 * static_cast<int>(proby);
  if (zadanie_ == 200) {
    stanObd_ = 0;
    Zdarz(102, 1, 0);
    rekord_[0] = 0;
    rekord_[1] = 32;
    Publikuj();
    UstawProbe(0);
  } else if (zadanie_ < ostatnia && zadanie_ % 2 == 1) {
    WyslijGdy("OK", "0100\r", zadanie_ + 1, 200);
  } else if (zadanie_ <= ostatnia && zadanie_ % 2 == 0) {
    const size_t nastepna = static_cast<size_t>(zadanie_ - 200) / 2;
    if (!odpowiedz_.CzyBlad())
      zadanie_ = 300;
    else if (nastepna < proby)
      UstawProbe(nastepna);
    else
      zadanie_ = ostatnia + 1;
  } else if (zadanie_ == ostatnia + 1) {
    status_.Pisz(ElmStatusGrid::kObd, "no protocol");
    opoznienie_ = 1000;
    Wyslij("ATM1\r");
    zadanie_ = ostatnia + 2;
  } else {
    opoznienie_ = 5000;
    Wyslij("ATZ\r");
    zadanie_ = 3;
  }
}

void TObd::UstawProbe(size_t proba) {
  const ProbaProtokolu& p = ProbyProtokolow()[proba];
  status_.Pisz(ElmStatusGrid::kObd, p.wiersz, true);
  Loguj(p.log, log_colour::kBlack);
  Wyslij(p.rozkaz);
  zadanie_ = 201 + 2 * static_cast<int>(proba);
}
