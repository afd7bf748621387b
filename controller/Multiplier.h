#pragma once

#include <array>
#include <cstdint>

#include "controller/ImageLayout.h"
#include "controller/Protocol.h"

// The multiplier of a bank turns a petrol injection time into a gas injection time. Its 256-entry
// table (hundredths, 100 = x1.00, entry t at t x 0.1 ms) is a straight line between up to 26
// nodes whose positions the settings keep; a node's value is the table entry at its position.
namespace multiplier {

inline constexpr int kNodes = 26;
inline constexpr int kLastNode = kNodes - 1;

struct Bank {
  int number;         // 1 or 2
  int table;          // img offset of its table
  int firstNode;      // setting holding node 0's position; the other nodes follow
  int adaptation;     // img byte of the controller's learned offset, 128 = none
  uint32_t write;     // the area bit of its table
  uint32_t rpmWrite;  // and of its RPM correction
  int rpmTable;
  int idleSetting;  // the bank's idle correction
};
inline constexpr Bank kBank1{1,
                             img::Mnoznik1,
                             190,
                             img::Eeprom1 + 1,
                             AreaBit::Multiplier1,
                             AreaBit::RpmCorrection1,
                             img::KorOdObr1,
                             90};
inline constexpr Bank kBank2{2,
                             img::Mnoznik2,
                             164,
                             img::Eeprom1 + 3,
                             AreaBit::Multiplier2,
                             AreaBit::RpmCorrection2,
                             img::KorOdObr2,
                             92};

// The bank a view shows and edits for AktalnyBank: bank 1 while both are edited together.
inline const Bank& InView(int aktualnyBank) {
  return aktualnyBank >= 2 ? kBank2 : kBank1;
}

// The mask of KasujMnoznik that clears the multiplier in view: both banks while edited together.
inline int ResetMask(int aktualnyBank) {
  return aktualnyBank == 0 ? kBank1.number | kBank2.number : InView(aktualnyBank).number;
}

// The values a node may take: x0.50 .. x1.50, or x0.01 .. x2.50 with the extended range.
struct Range {
  int lowest;
  int highest;
};
inline constexpr int kExtendedRangeSetting = 80;  // bit 0
inline bool ExtendedRange(const uint8_t* nastawy) {
  return nastawy[kExtendedRangeSetting] & 1;
}
inline Range ValueRange(const uint8_t* nastawy) {
  return ExtendedRange(nastawy) ? Range{1, 250} : Range{50, 150};
}

}  // namespace multiplier

// A multiplier as its nodes give it: what the map view hands the link after an edit.
struct WezlyMnoznika {
  std::array<uint8_t, multiplier::kNodes> x{};      // 0.1 ms; 0 = absent, except node 0
  std::array<uint8_t, multiplier::kNodes> value{};  // the table entry at each present node
};
