#pragma once

#include <span>
#include <string>

// The File menu's demonstration recordings, in the "Demo" folder beside the program (or where
// the package installs it, see ProgramDataFolder).
struct DemoRecording {
  const char* caption;
  const char* file;
  enum class Offer { WhenPresent, Hidden } offer;
};
std::span<const DemoRecording> DemoRecordings();
// The recording's path, beside the program or where the package installs it.
std::string DemoPath(const std::string& programPath, const DemoRecording& demo);
