#pragma once

#include <vector>

#include "controller/SettingsFile.h"
#include "controller/TableBlock.h"
#include "tests/support/MemoryLink.h"

// Settings files as the program saves them, of a simulated controller read out over memory.
inline std::vector<uint8_t> SettingsFileOf(const sim::Identity& identity) {
  MemoryLink m(identity);
  m.ReadOut();
  return SettingsFileBytes(m.link);
}
inline std::vector<uint8_t> SettingsFileOf(int family) {
  return SettingsFileOf(sim::DefaultIdentity(family));
}

// Where a setting of page 0 stands in a settings file.
inline size_t SettingPosition(int setting) {
  for (const table_block::Part& part : table_block::Parts())
    if (part.offset == img::Nastawy)
      return static_cast<size_t>(settings_file::kHeaderSize + part.position + setting);
  return 0;
}

// The same file written at a lower level: its header says so and the block ends earlier.
inline std::vector<uint8_t> AtLevel(std::vector<uint8_t> file, int level) {
  file[settings_file::kLevelByte] = static_cast<uint8_t>(level);
  file.resize(static_cast<size_t>(settings_file::kHeaderSize + table_block::Size(level)));
  return file;
}
