#pragma once

#include <bitset>

#include "obd/PidCatalogue.h"

// Which PIDs the engine ECU supports and which of them the user polls. The owner keeps it:
// `Obslugiwany` is detected anew at each connection, `Wybrany` survives reconnections.
struct PidSelection {
  std::bitset<kPidCount> Obslugiwany;
  std::bitset<kPidCount> Wybrany;

  // The user's click: only a supported PID changes.
  void Toggle(int pid);
  bool Polled(int pid) const;
  int PodajIlePidWybranych() const;
  // Column 1 of the PID grid: "x" unsupported, "on" polled, "off" supported but not polled.
  const char* Mark(int pid) const;
};

// Polled from the first connection whenever the vehicle answers them: the fuel-system status and
// the fuel trims, which go on to the gas controller.
inline constexpr int kDefaultPids[] = {0x03, 0x06, 0x07, 0x08, 0x09};
