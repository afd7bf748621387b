#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileIo.h"

class TSterownik;

// A settings file (".set"): a 16-byte header, the text "set file", the level and seven zero
// bytes, then the table block of that level. The program writes level 3 and reads 1 to 3.
namespace settings_file {
inline constexpr std::string_view kMagic = "set file";
inline constexpr int kHeaderSize = 16;
inline constexpr int kLevelByte = 8;
inline constexpr int kWrittenLevel = 3;
// A level-3 file, the longest there is.
inline constexpr size_t kLargestFile = 6144;
}  // namespace settings_file

// A settings file's level, or why its bytes are not a settings file the program loads.
struct SettingsFileCheck {
  int level = 0;
  std::string fault;  // empty for a file that loads
};
SettingsFileCheck CheckSettingsFile(std::span<const uint8_t> bytes);
// The same judged from the file's first bytes and its size alone.
SettingsFileCheck CheckSettingsHeader(std::span<const uint8_t> header, size_t size);
// Settings files for ReadWholeFile: a file of another kind is refused before it is read whole.
FileKind SettingsFileKind();

// The level-3 settings file of what the link holds.
std::vector<uint8_t> SettingsFileBytes(const TSterownik& link);
FileResult SaveSettingsFile(const TSterownik& link, const std::string& path);
