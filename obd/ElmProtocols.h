#pragma once

#include <string>
#include <vector>

// The vehicle protocols as the adapter numbers them ("ATDPN", "ATTPn").
namespace elm_protocol {
inline constexpr int kJ1850Pwm = 1;
inline constexpr int kJ1850Vpw = 2;
inline constexpr int kIso9141 = 3;
inline constexpr int kKwpSlow = 4;
inline constexpr int kKwpFast = 5;
inline constexpr int kCan11Bit500 = 6;
inline constexpr int kCan29Bit500 = 7;
inline constexpr int kCan11Bit250 = 8;
inline constexpr int kCan29Bit250 = 9;
}  // namespace elm_protocol

struct ProbaProtokolu {
  const char* wiersz;  // status row 3 while trying
  const char* log;
  const char* rozkaz;
};

// The attempts of the protocol search, in order: CAN at 500 kbaud is tried again after the
// slow K-line protocols, which can leave a CAN bus unanswered while they initialise.
const std::vector<ProbaProtokolu>& ProbyProtokolow();

struct NazwaProtokolu {
  std::string wiersz;  // status row 3; "?" for a number the adapter should not report
  std::string log;
  bool znany;
};
NazwaProtokolu NazwijProtokol(int numer);

// The header forms the reply parsers know.
enum class GrupaProtokolu { Brak, IsoJ1850, Kwp, Can11, Can29 };
GrupaProtokolu Grupa(int protokol);

// The engine ECU's CAN identifier as the adapter prints it in front of every frame with headers
// on: "7E8" (11-bit), "18 DA F1 10" (29-bit); empty for the other groups.
std::string CanIdentifier(int protokol, int adresEcu);
