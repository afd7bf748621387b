#pragma once

#include <cstdint>
#include <span>

#include "obd/TroubleCodes.h"

// What the gas controller's own OBD module reports in the OBD record of its status frame: the
// engine's trouble codes it read, or the air flow and equivalence ratio it saw, as the lines of
// the OBD list. The record is the frame's 36 bytes from its OBD part on.
namespace obd {

// The record's kinds (its byte 11).
inline constexpr uint8_t kModuleValues = 2;
inline constexpr uint8_t kModuleTroubleCodes = 32;

// The stored codes under their heading, then the pending ones; with both languages' headings
// and the Polish descriptions when `polish`. Counts that run past the record end the listing.
ColouredLines ModuleTroubleCodes(std::span<const uint8_t> record, bool polish);

// The fuel flow from the air flow (PID 0x10) and the equivalence ratio (PIDs 0x24-0x2B,
// 0x34-0x3B), in g/s and l/h; nothing unless both were reported above zero.
ColouredLines ModuleFuelFlow(std::span<const uint8_t> record, char decimalSeparator);

}  // namespace obd
