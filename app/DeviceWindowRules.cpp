#include "app/DeviceWindowRules.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/ProgramDataFolder.h"
#include "controller/FirmwareImage.h"
#include "controller/Tsterownik.h"
#include "files/PrintableText.h"

namespace {

constexpr uint8_t kNormal = 0, kInBootloader = 1, kLocked = 2;

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

FirmwareEntry EntryOf(const firmware::NaglowekObrazu& header, const std::string& path) {
  FirmwareEntry e;
  e.version = "v" + std::to_string(header.version);
  if (header.beta != 0) e.version += " beta" + std::to_string(header.beta);
  e.date = "20" + TwoDigits(header.year) + "." + TwoDigits(header.month) + "." +
           TwoDigits(header.day) + "  ";
  e.description = TSterownik::StrOpisWerSpec(header.description);
  e.path = path;
  return e;
}

}  // namespace

std::string CurrentVersionText(const TSterownik& link, bool uploading) {
  if (link.StanIdentyfikacji() == kNormal) {
    const std::string version = link.StrWersjaCyframi(9);
    return version.empty() ? std::string() : "ver" + version;
  }
  if (link.StanIdentyfikacji() == kInBootloader && !uploading) return "?";
  return {};
}

std::vector<FirmwareEntry> FirmwareList(const std::string& folder, const TSterownik& link) {
  std::error_code error;
  std::vector<std::string> paths;
  for (const auto& file : std::filesystem::directory_iterator(ProgramDataFolder(folder), error))
    if (file.is_regular_file(error)) paths.push_back(file.path().string());
  std::sort(paths.begin(), paths.end());
  std::vector<FirmwareEntry> entries;
  for (const std::string& path : paths) {
    std::vector<uint8_t> bytes;
    const firmware::ImageCheck check =
        firmware::CheckImageFile(path, &link.ObrazSterownika(), bytes);
    if (check.ok()) entries.push_back(EntryOf(check.header, path));
  }
  return entries;
}

int FittingFirmwareVersion(const std::string& path, const TSterownik& link, std::string& refusal) {
  std::vector<uint8_t> bytes;
  std::string readError;
  const firmware::ImageCheck check =
      firmware::CheckImageFile(path, &link.ObrazSterownika(), bytes, &readError);
  if (check.ok()) return check.header.version;
  refusal = "Error code 112. Bad file\n" + (readError.empty() ? Printable(path) : readError);
  return 0;
}

bool ControllerIsNewer(const TSterownik& link, int imageVersion) {
  const uint8_t state = link.StanIdentyfikacji();
  return (state == kNormal || state == kLocked) && link.WersjaProgramu() > imageVersion;
}
