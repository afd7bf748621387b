#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "obd/PidReply.h"

// Puts the data bytes of the PIDs the gas controller uses (fuel-system status, fuel trims, the
// first two oxygen sensors) into their places of the OBD record the controller link forwards;
// other PIDs leave it unchanged. A record too short for a place keeps its bytes.
void CopyToObdRecord(int pid, const PidReading& reading, std::span<uint8_t> record);

// The transcript of the exchange that gave the reading, for the controller's own log: its length
// in byte 11, its characters 12 to 35 in bytes 12 to 35 (zeros where it is shorter).
void CopyTranscriptToObdRecord(std::string_view transcript, std::span<uint8_t> record);
