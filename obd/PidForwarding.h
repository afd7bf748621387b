#pragma once

#include <cstdint>
#include <span>

#include "obd/PidReply.h"

// Puts the data bytes of the PIDs the gas controller uses (fuel-system status, fuel trims, the
// first two oxygen sensors) into their places of the OBD record the controller link forwards;
// other PIDs leave it unchanged. A record too short for a place keeps its bytes.
void CopyToObdRecord(int pid, const PidReading& reading, std::span<uint8_t> record);
