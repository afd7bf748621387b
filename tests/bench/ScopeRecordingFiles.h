#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/FileIo.h"
#include "scope/ScopeFile.h"

// Long recordings for the benchmarks: the demonstration drive of the MALVER rumo repeated to
// the given number of records, written once into the temporary folder.
inline std::string RepeatedDemoRecording(int records) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("malver-bench-" + std::to_string(records) + ".osc"))
                               .string();
  if (std::filesystem::exists(path)) return path;
  std::vector<uint8_t> demo;
  ReadWholeFile(DEMO_FOLDER "/MALVER rumo.osc", demo);
  const scope_file::Contents drive = scope_file::Parse(demo);
  std::vector<uint8_t> file(demo.begin(), demo.begin() + scope_file::RecordsStart(drive.level));
  const size_t size = static_cast<size_t>(drive.recordSize);
  for (int r = 0; r < records; ++r) {
    const auto record = drive.records.begin() + static_cast<long>((r % drive.recordCount) * size);
    file.insert(file.end(), record, record + static_cast<long>(size));
  }
  WriteFileAtomically(path, file);
  return path;
}
