#pragma once

#include <cstdint>

// One settings-catalogue record; setting i is byte i of the 512-byte settings image.
struct Nastawa {
  uint32_t nazwa = 0;     // text id of the name; 0 = never shown
  uint8_t jednostka = 0;  // unit code; the unit text is text id 1049 + code
  double skala = 0.0;
  uint8_t typ = 0;  // kind in the high nibble, decimals in the low nibble
  uint8_t min = 0;
  uint8_t domyslna = 0;
  uint8_t max = 0;
  uint8_t normaOd = 0;
  uint8_t normaDo = 0;
  int32_t odWersji = 0;  // lowest firmware version that shows it; 0 = always
  int32_t opcje = 0;     // text id of option 0 of a list
};
