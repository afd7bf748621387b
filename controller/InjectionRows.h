#pragma once

#include <cstdint>
#include <string>

class TSterownik;

// How the injection-time grid shows one gas channel.
struct InjectionRow {
  std::string label;      // column 0
  std::string cylinders;  // column 2: the cylinders whose petrol inputs drive this channel
  bool active = false;    // the channel is in use: its times are shown
  bool coloured = false;  // the channel's colour fills column 0 and half of column 2
  uint32_t colour = 0;    // 0x00BBGGRR
  bool switchOffBox = false;
  bool switchedOn = false;  // the box is ticked: the channel runs on gas
  // The two-bank model: "DI" or "MPI" over the first channel of each bank, its port-injection
  // bank's petrol times in the secondary colour, and its labels black on the channel colours.
  std::string bankLabel;
  bool portInjection = false;
  bool blackLabels = false;
  double petrolBarScale = 1.0;
  int petrolTrace = -1;  // definitions whose colours the time bars take; -1 none
  int gasTrace = -1;
};

// Rows of the grid.
int InjectionRowCount(const TSterownik& link, bool collapsed);
InjectionRow InjectionRowOf(const TSterownik& link, int row);
