#pragma once

// Why a serial device could not be opened, as far as the system says: the installer is told how
// to fix the first two, which are the ones a new workstation meets.
enum class PortOpenError {
  kNone,
  kNoPermission,  // the user may not open the device (not in "dialout", no udev rule)
  kBusy,          // another program, or another link of ours, holds it exclusively
  kOther,         // missing, unplugged, or not a terminal
};
