#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "controller/Tsterownik.h"

// Running the link from a command: its exit codes, its messages and its ticks.

enum Exit {
  kOk = 0,
  kUsage = 2,
  kNoPort = 3,
  kNoAnswer = 4,
  kRefused = 5,
  kFileError = 6,
  kRefusedByRules = 7,
  kNotKept = 8,    // acknowledged, but read back different
  kNoVehicle = 9,  // the OBD adapter answers, but no vehicle protocol was found
  // A command refused its arguments with a message of its own: exit kUsage, but the usage text
  // would only bury that message. Never an exit code itself.
  kUsageExplained = 100,
};

using Deadline = std::chrono::steady_clock::time_point;

// The command's time: MS from now, and the pace of the link's ticks.
struct CommandTime {
  Deadline deadline;
  int timeoutMs;
  int tickMs = 0;  // 0: the link's own interval
};

enum class Run { kDone, kLost, kTimedOut };

// Runs the link's ticks until done(), the link counts the controller lost or the time is up.
Run RunTicks(TSterownik& link, const std::function<bool()>& done, const CommandTime& time);

void Fail(const std::string& message);

// A port number, or the number of a serial device's path.
int PortNumberOf(const std::string& port);

// Opens the port and waits for the controller's identification: kOk, or the exit code with
// its message already given.
int Connect(TSterownik& link, const std::string& port, const CommandTime& time);

// Runs the link's ticks at its own pace until done(): kOk, or kNoAnswer with its message when
// the link counts the controller lost or the command's time is up. A time bound that ends a
// command while the controller answers is said as such, with how far it got: progress(), or
// else the areas read and written so far.
int RunUntil(TSterownik& link, const std::function<bool()>& done, const CommandTime& time,
             const std::function<std::string()>& progress = {});

// Waits until everything the identification asked for has been read.
int ReadOut(TSterownik& link, const CommandTime& time);

const char* StateName(int state);
// "the controller is …", said of a controller not open to the command.
std::string ControllerIs(int state);
