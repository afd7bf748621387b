#pragma once

#include <cstdint>

// The last shown value of a definition that has shown nothing yet.
inline constexpr double kNothingShown = -999.0;

// One live-parameter and trace definition.
struct Wykres {
  int32_t nazwa = 0;         // text id of the name
  int32_t jednostka = 0;     // text id of the unit; 0 = none
  int32_t przesuniecie = 0;  // byte offset in the status frame or a scope sample
  int32_t rodzaj = 0;        // value type
  double skala = 1.0;
  int32_t miejsca = 0;  // decimals shown
  uint32_t kolor = 0;   // 0x00BBGGRR
  double wzmocnienie = 1.0;
  int32_t flagi = 0;  // display-place bits
  double minimum = 0.0;
  double maksimum = 0.0;
  double ostatnia = kNothingShown;  // last value shown
};
