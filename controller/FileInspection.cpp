#include "controller/FileInspection.h"

#include <algorithm>
#include <filesystem>

#include "controller/ImageLayout.h"
#include "controller/NumberText.h"
#include "controller/SettingsFile.h"
#include "controller/TableBlock.h"
#include "controller/TableFile.h"
#include "controller/TransmissionTables.h"
#include "scope/ScopeFile.h"

namespace {

bool BeginsWith(std::span<const uint8_t> bytes, std::string_view magic) {
  return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

FileInspection SettingsFile(std::span<const uint8_t> header, size_t size) {
  const SettingsFileCheck check = CheckSettingsHeader(header, size);
  return {StoredFileKind::Settings, check.level, table_block::Areas(check.level), check.fault};
}

FileInspection ScopeFile(std::span<const uint8_t> header, size_t size) {
  const scope_file::Contents file = scope_file::ParseHeader(header, size);
  FileInspection i{StoredFileKind::Scope, file.level, table_block::Areas(file.level), {}};
  i.records = file.recordCount;
  i.recordSize = file.recordSize;
  i.trailingBytes = file.trailingBytes;
  i.fault = scope_file::RefusalText(file, size);
  return i;
}

// A table file tells its table by its extension alone, and ".fpe" stands for two; without one
// of their extensions it may be any of the three.
FileInspection TableFile(const std::string& extension, size_t size) {
  uint32_t areas = 0;
  for (const table_file::Kind& k : table_file::Kinds())
    if (extension.empty() || extension == k.extension) areas |= k.area;
  std::string fault;
  if (size != static_cast<size_t>(table_file::kSize))
    fault = CountOf(size, "byte") + ", where a table file has exactly " +
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

FileInspection InspectFile(const std::string& path, std::span<const uint8_t> header, size_t size) {
  std::string extension = std::filesystem::path(path).extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  if (extension == "set" || BeginsWith(header, settings_file::kMagic))
    return SettingsFile(header, size);
  if (extension == "osc" || BeginsWith(header, scope_file::kMagic)) return ScopeFile(header, size);
  if (extension == "fpe" || extension == "fpm") return TableFile(extension, size);
  if (size == static_cast<size_t>(table_file::kSize)) return TableFile("", size);
  if (size == static_cast<size_t>(img::kSize)) return {StoredFileKind::Image, 0, ImageAreas(), {}};
  return {StoredFileKind::Unknown, 0, 0,
          CountOf(size, "byte") +
              ", neither a settings file, a table file (256 bytes) nor a controller image (" +
              std::to_string(img::kSize) + " bytes)"};
}

FileInspection InspectFile(const std::string& path, std::span<const uint8_t> bytes) {
  return InspectFile(path, bytes, bytes.size());
}

const char* KindName(StoredFileKind kind) {
  switch (kind) {
    case StoredFileKind::Settings:
      return "settings file";
    case StoredFileKind::Table:
      return "table file";
    case StoredFileKind::Scope:
      return "scope recording";
    case StoredFileKind::Image:
      return "controller image";
    case StoredFileKind::Unknown:
      break;
  }
  return "unknown";
}
