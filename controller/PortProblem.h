#pragma once

#include <string>

class TSerial;

// Why the port's last open failed, for the installer: the device, the cause and how to fix it.
// Empty when the system gave no cause worth more than the bare failure.
std::string PortOpenProblem(const TSerial& port);
