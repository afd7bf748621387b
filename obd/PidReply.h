#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "obd/PidSelection.h"

// The data of one PID found in the adapter's reply (headers on, spaces between bytes).
struct PidReading {
  static constexpr int kMaxBytes = 13;
  std::array<uint8_t, kMaxBytes> bytes{};
  int count = 0;
  // The bytes as one big-endian number; of a longer reply only the last 32 bits remain.
  uint32_t V = 0;
};

// Where the data of pid begins in reply for the protocol number the adapter reported and the
// engine ECU's address; nullopt when the reply holds no answer of that ECU to that PID or the
// protocol has no known header form.
std::optional<size_t> LocatePidData(std::string_view reply, int protocol, int ecuAddress, int pid);

// The catalogue's count of data bytes of pid read from its answer in reply. An answer cut short
// or holding anything but space-separated hex bytes is not read: a half value must never reach
// the grid or the gas controller.
std::optional<PidReading> ReadPidReply(std::string_view reply, int protocol, int ecuAddress,
                                       int pid);

// Reads the bitmap PID base (0, 0x20, 0x40 or 0x60) and marks the 32 PIDs after it supported
// or not. Base 0 starts a new detection: every PID from 0x01 on is cleared first and 0x00 is
// marked. Returns the bitmap for the log, nullopt when the reply does not hold it.
std::optional<uint32_t> PIDsupported(PidSelection& selection, int base, std::string_view reply,
                                     int protocol, int ecuAddress);
