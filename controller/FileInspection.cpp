#include "controller/FileInspection.h"

#include <algorithm>
#include <filesystem>

#include "controller/ImageLayout.h"
#include "controller/SettingsFile.h"
#include "controller/TableBlock.h"
#include "controller/TableFile.h"
#include "controller/TransmissionTables.h"

namespace {

bool BeginsAsSettingsFile(std::span<const uint8_t> bytes) {
  using settings_file::kMagic;
  return bytes.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), bytes.begin());
}

FileInspection SettingsFile(std::span<const uint8_t> bytes) {
  const SettingsFileCheck check = CheckSettingsFile(bytes);
  return {StoredFileKind::Settings, check.level, table_block::Areas(check.level), check.fault};
}

// A table file tells its table by its extension alone, and ".fpe" stands for two; without one
// of their extensions it may be any of the three.
FileInspection TableFile(const std::string& extension, size_t size) {
  uint32_t areas = 0;
  for (const table_file::Kind& k : table_file::Kinds())
    if (extension.empty() || extension == k.extension) areas |= k.area;
  std::string fault;
  if (size != static_cast<size_t>(table_file::kSize))
    fault = std::to_string(size) + " bytes, where a table file has exactly " +
            std::to_string(table_file::kSize);
  return {StoredFileKind::Table, 0, areas, fault};
}

uint32_t ImageAreas() {
  uint32_t areas = 0;
  for (const transmission::DataArea& area : transmission::DataAreas())
    if (area.readCode != 0) areas |= area.bit;
  return areas;
}

}  // namespace

FileInspection InspectFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::string extension = std::filesystem::path(path).extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  if (extension == "set" || BeginsAsSettingsFile(bytes)) return SettingsFile(bytes);
  if (extension == "fpe" || extension == "fpm") return TableFile(extension, bytes.size());
  if (bytes.size() == static_cast<size_t>(table_file::kSize)) return TableFile("", bytes.size());
  if (bytes.size() == static_cast<size_t>(img::kSize))
    return {StoredFileKind::Image, 0, ImageAreas(), {}};
  return {StoredFileKind::Unknown, 0, 0,
          std::to_string(bytes.size()) +
              " bytes, neither a settings file, a table file (256 bytes) nor a controller image (" +
              std::to_string(img::kSize) + " bytes)"};
}

const char* KindName(StoredFileKind kind) {
  switch (kind) {
    case StoredFileKind::Settings:
      return "settings file";
    case StoredFileKind::Table:
      return "table file";
    case StoredFileKind::Image:
      return "controller image";
    case StoredFileKind::Unknown:
      break;
  }
  return "unknown";
}
