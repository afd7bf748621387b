#pragma once

#include <string>

#include "obd/PidReply.h"

// The value of pid as the PID grid shows it (column 4), decoded by the catalogue's type; numbers
// carry the given decimal separator.
std::string PidValueText(int pid, const PidReading& reading, char decimalSeparator);

// The unit as the grid shows it (column 5): "[" unit "]", empty when the PID has none.
std::string PidUnitText(int pid);
