#pragma once

#include "controller/Protocol.h"

// What a gas controller keeps beyond the first settings page, by family and firmware version.

// The second settings page; KAVI controllers keep the low-pressure emulation, the gas advance
// and the petrol dose tables from the same version on.
inline bool HasSecondSettingsPage(Family family, int firmware) {
  return family == Family::Kavi ? firmware > 14 : firmware > 13;
}

// The rail-pressure emulation table of the FORTIX and KAVI controllers.
inline bool HasEmulationTable(Family family, int firmware) {
  return (family == Family::Fortix || family == Family::Kavi) && firmware > 5;
}
