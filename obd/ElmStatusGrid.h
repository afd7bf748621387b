#pragma once

#include <array>
#include <string>

// The seven rows of the adapter's status as plain values; the OBD page draws them.
class ElmStatusGrid {
 public:
  enum Wiersz { kPort = 0, kElm, kPwr, kObd, kEcu, kDtc, kMil, kIleWierszy };
  static constexpr std::array<const char*, kIleWierszy> kEtykiety = {
      "PORT:", "ELM:", "PWR:", "OBD:", "ECU:", "DTC:", "MIL:"};

  // Writing a step's result may clear the rows of the later steps.
  void Pisz(int wiersz, const std::string& tekst, bool czyscNizej = false) {
    wartosci_[wiersz] = tekst;
    if (czyscNizej)
      for (int w = wiersz + 1; w < kIleWierszy; ++w)
        wartosci_[w].clear();
  }
  const std::string& Wartosc(int wiersz) const { return wartosci_[wiersz]; }

 private:
  std::array<std::string, kIleWierszy> wartosci_;
};
