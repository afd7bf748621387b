#pragma once

#include <cstdint>

#include "controller/Protocol.h"

// What a controller family is and does, in one row per family, so that the rest of the program
// asks a question instead of comparing family codes.
struct FamilyTraits {
  Family family;
  // A MALVER or KAVI gas-injection controller, as opposed to the emulators; its status frames
  // carry the whole live record.
  bool gasController;
  // A rail-pressure or fuel-pump emulator: only byte 10 of its status frame tells its state.
  bool emulator;
  // The row of display bytes the family keeps in FlagiWykresow (1..4, 0 none), and how many
  // of the first definitions take them.
  int traceFlagGroup;
  int visibleTraceEntries;
  // The highest firmware requirement (img WymaganyPoziom) this program meets.
  int highestRequirementMet;
  // What is read after identification; 0 = the family is not served.
  uint32_t readOut;
  // The controller reads the car through its own OBD module (trouble codes, user PIDs).
  bool obdModule;
  // The car's OBD is shown: the OBD picture, the ELM menu and the OBD tab.
  bool obdShown;
  // Status-frame bit 6 of byte 11 means stratified charge rather than cold leaning.
  bool stratifiedCharge;
  // The main window ignores its function keys for it.
  bool locksTabs;
};

// The row of a family; an unknown family gets a row that serves nothing.
const FamilyTraits& TraitsOf(Family family);

inline Family FamilyOf(uint8_t code) {
  return static_cast<Family>(code);
}
