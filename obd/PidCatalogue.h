#pragma once

#include <array>
#include <cstdint>

// The mode 01 parameters the OBD reader knows, PIDs 0x00 to 0x80, one record per PID.
struct PidRecord {
  uint8_t IleBajtow;      // data bytes of the reply
  int Typ;                // decoding type; kPidHex shows the data in hexadecimal
  const char* Nazwa;      // long name
  const char* Skrot;      // short name, may be empty
  const char* Jednostka;  // unit, may be empty
};

inline constexpr int kPidCount = 0x81;
inline constexpr int kPidHex = -1;

// Indexed by the PID number.
const std::array<PidRecord, kPidCount>& Pidy();
