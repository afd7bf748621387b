#pragma once

#include <string>
#include <vector>

// "COM n" on this system: a fixed rule between port numbers 1..1023 and device paths, so the
// configuration keeps one integer per link. See serial/README.md for the table. On Windows COM n
// is the system's own port n (ComPortsWindows.cpp).

// The device path of COM port n, or empty when n names no device family.
std::string ComDevicePath(int n);

// The COM number of a device path (symbolic links such as /dev/serial/by-id/... are followed),
// or 0 when the path is not covered by the rule.
int ComPortNumber(const std::string& path);

struct ComPort {
  int number;
  // Short device name, e.g. "ttyUSB0" or "pts/3"; on Windows the driver's friendly name,
  // or empty.
  std::string device;
};

// The serial devices present, by ascending number. root is prepended to /sys and /dev so that
// tests can describe a machine of their own.
std::vector<ComPort> PresentComPorts(const std::string& root = "");
