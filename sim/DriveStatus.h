#pragma once

#include <cstdint>
#include <span>

#include "sim/Drive.h"
#include "sim/SimController.h"

namespace sim {

// Writes the short status record of a controller of the identity at a moment of the drive
// into a status reply's payload (at least 124 bytes, zeroed): what each family's status frame
// carries, in its units and at its offsets.
void PutDriveStatus(const Identity& identity, const DriveMoment& moment,
                    std::span<uint8_t> payload);

}  // namespace sim
