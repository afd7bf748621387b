#pragma once
#include <cstdint>
#include <span>

namespace charts {

// Which firmware versions a row belongs to: the lists change at version 15 (MALVER) and 17 (KAVI).
enum Firmware : uint8_t { kAnyFirmware, kFromSwitchVersion, kBelowSwitchVersion };

// One definition, fields in the order of the Wykres record (ostatnia is not data).
struct Row {
  int32_t nazwa;         // name text id; 0 for the empty entry 0
  int32_t jednostka;     // unit text id (e.g. 1056 "[rpm]"); 0 = no unit
  int32_t przesuniecie;  // byte offset in the status frame
  int32_t rodzaj;        // value type
  double skala;
  int32_t miejsca;     // decimals
  uint32_t kolor;      // 0x00BBGGRR exactly as the table writes it (e.g. 0xFD7000)
  double wzmocnienie;  // scope gain
  int32_t flagi;
  double minimum, maksimum;  // scale range "a..b"; both 0 when the table gives none
  uint8_t firmware;          // Firmware
};

extern const std::span<const Row> kMalverList;    // UtworzWykresyPosredni, families 2, 5, 6
extern const std::span<const Row> kKaviList;      // UtworzWykresyFsi, family 255
extern const std::span<const Row> kEmulatorList;  // UtworzWykresyEmulator, family 8
extern const std::span<const Row> kPumpList;      // UtworzWykresyEmuPomPaliwa, family 13

}  // namespace charts
