#pragma once

#include <array>
#include <string>

#include "app/CommandButtons.h"

class TSterownik;

// The Map tab's two rows of sub-view buttons (SpeedButton11..16 and 21..26), what each shows
// and offers, and the bank row of its tool panel.

// The buttons of both rows in order: 11..16, then 21..26.
inline constexpr std::array<int, 12> kMapButtons{11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26};

struct MapRows {
  int height = 0;                  // 0: the rows are hidden
  std::array<bool, 12> visible{};  // by position in kMapButtons
  std::array<int, 12> captionId{};
  bool admixtureHidden = false;  // SpeedButton22 stands at the left edge of its row
};
MapRows MapRowsOf(const TSterownik& link, int adminLevel, bool extendedTabs);

// What a sub-view shows: the chart kind, the settings strip above it and its command buttons.
struct MapSubView {
  int kind = -1;        // PodWidokMapy
  int stripHeight = 0;  // 0: no strip
  int stripMode = 0;    // the settings editor's mode in the strip
  CommandRow commands{};
  bool help = false;
  bool scopeAbove = false;  // the emulator tables show the scope above them
};
MapSubView MapSubViewOf(const TSterownik& link, int button);

// The emulator's table is learned from the status frames only in its learning mode (and on the
// emulator itself); elsewhere the Start/Stop button is not offered and the learning stays off.
bool EmulatorLearningOffered(const TSterownik& link);

// A sub-view's function is in use in the controller: its caption shows it.
bool MapSubViewInUse(const TSterownik& link, int button);

// The tool panel shows for these sub-views.
bool MapToolPanelShown(int kind);

// The tool panel's petrol/gas/deviation row and its tools (SpeedButton90..95).
struct MapTools {
  bool viewRow = false;    // petrol, gas, deviation of the maps over the RPM corrections [F8]
  bool axis = false;       // the RPM corrections by load or by injection time
  bool nearest = false;    // "Change nearest"
  bool smooth = false;     // "Smooth corrections"
  bool range = false;      // "Automatic range setup"
  bool plusMinus = false;  // "+" and "-" on the selected cells
};
MapTools MapToolsOf(const TSterownik& link, int kind, int upperTable);

// The bank row: which bank is in view and the copy between them.
struct BankRow {
  bool shown = false;
  bool bothShown = true;                // the "both banks" button
  std::array<std::string, 3> captions;  // both, bank 1, bank 2
  int pressed = 0;                      // AktalnyBank
  int copyTag = 0;                      // 0: hidden, 3: "1 -> 2", 4: "2 -> 1"
};
BankRow BankRowOf(const TSterownik& link, int kind);
