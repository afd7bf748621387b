#pragma once

#include <string>
#include <vector>

class TSterownik;

// What the device window's firmware mode shows and decides, as plain values: the window draws
// them and holds no rule.

// The current version row: "ver" and the version, "?" for a controller in its bootloader with
// no update running, or nothing.
std::string CurrentVersionText(const TSterownik& link, bool uploading);

// A firmware image that fits the connected controller, as its list row shows it.
struct FirmwareEntry {
  std::string version;      // "v16", "v17 beta2"
  std::string date;         // "2026.03.01  "
  std::string description;  // the special version it is built for
  std::string path;
};
// The images that fit the controller, by file name, from the folder beside the program or,
// without it, the installed one (ProgramDataFolder); none without either.
std::vector<FirmwareEntry> FirmwareList(const std::string& folder, const TSterownik& link);
// The image's firmware version when it fits the controller, 0 when it does not; refusal is
// then the message that says so: "Error code 112. Bad file", the file's name and, for a file
// that could not be read (a folder, a device), why.
int FittingFirmwareVersion(const std::string& path, const TSterownik& link, std::string& refusal);
// The controller reports a newer firmware than the image holds: the installer is asked.
bool ControllerIsNewer(const TSterownik& link, int imageVersion);
