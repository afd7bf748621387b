#pragma once
#include <cstdint>
#include <span>

namespace catalogue {

// Kinds (high nibble of the record's typ); the low nibble holds the decimals.
enum Kind : uint8_t {
  kNumber = 0x10,
  kSigned = 0x20,
  kHex = 0x50,
  kAltNumber = 0x60,
  kYesNo = 0x70,
  kList = 0x80,
  kBitFlag = 0x90,
  kTroubleCode = 0xA0,
  kTroubleCodeHigh = 0xB0,
};

// Unit codes; the unit text is text id 1049 + code.
enum Unit : uint8_t {
  kNoUnit = 0,
  kVolt = 1,
  kBar = 2,
  kMm = 3,
  kMs = 4,
  kCelsius = 5,
  kSecond = 6,
  kRpm = 7,
  kPercent = 8,
  kKm = 9,
  kKpa = 10,
};

// Which firmware versions a row belongs to (the MALVER list swaps a few rows at version 12).
enum Firmware : uint8_t { kAnyFirmware, kFirmwareAbove12, kFirmware12OrLower };

struct Row {
  uint16_t setting;  // index 0..511
  uint32_t name;     // text id; 0 for hidden rows
  uint8_t kind;      // Kind
  uint8_t decimals;  // 0..4
  uint8_t min, def, max;
  double scale;
  uint8_t unit;         // Unit
  int32_t options;      // first option text id of a list ("options from N"), else 0
  int32_t fromVersion;  // lowest firmware version that shows it ("from version"), 0 = always
  uint8_t firmware;     // Firmware
};

extern const std::span<const Row> kMalverRows;  // UtworzListeNastawPosredniVesk
extern const std::span<const Row> kKaviRows;    // UtworzListeNastawFsiVesk

// Settings of a stored default image that differ from the catalogue defaults.
struct ImageException {
  uint8_t firstVersion, lastVersion;  // image versions the values apply to (inclusive)
  uint16_t setting;
  uint8_t value;
};
extern const std::span<const ImageException> kMalverImageExceptions;
extern const std::span<const ImageException> kKaviImageExceptions;

}  // namespace catalogue
