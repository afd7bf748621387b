// Settings files: the format, and writing one from the link.

#include "controller/SettingsFile.h"

#include <algorithm>

#include "controller/FileMessages.h"
#include "controller/NumberText.h"
#include "controller/TableBlock.h"
#include "controller/Tsterownik.h"

namespace {

std::string Bytes(size_t size) {
  return CountOf(size, "byte");
}

}  // namespace

SettingsFileCheck CheckSettingsHeader(std::span<const uint8_t> header, size_t size) {
  using namespace settings_file;
  if (size < static_cast<size_t>(kHeaderSize) || header.size() < static_cast<size_t>(kHeaderSize))
    return {0, Bytes(size) + ", shorter than the " + std::to_string(kHeaderSize) + "-byte header"};
  if (!std::equal(kMagic.begin(), kMagic.end(), header.begin()))
    return {0, "does not begin with \"set file\""};
  const int level = header[kLevelByte];
  if (table_block::Size(level) == 0)
    return {0, "level " + std::to_string(level) + ", where only levels 1 to 3 exist"};
  if (size > kLargestFile)
    return {0, Bytes(size) + ", more than a settings file has (" + Bytes(kLargestFile) + ")"};
  const size_t levelSize = static_cast<size_t>(kHeaderSize + table_block::Size(level));
  if (size < levelSize)
    return {0, Bytes(size) + ", where a level-" + std::to_string(level) + " settings file has " +
                   Bytes(levelSize)};
  return {level, {}};
}

SettingsFileCheck CheckSettingsFile(std::span<const uint8_t> bytes) {
  return CheckSettingsHeader(bytes, bytes.size());
}

FileKind SettingsFileKind() {
  return {.name = "a settings file",
          .largest = settings_file::kLargestFile,
          .headerSize = settings_file::kHeaderSize,
          .refuse = [](std::span<const uint8_t> header, size_t size) {
            return CheckSettingsHeader(header, size).fault;
          }};
}

std::vector<uint8_t> SettingsFileBytes(const TSterownik& link) {
  std::vector<uint8_t> file(settings_file::kMagic.begin(), settings_file::kMagic.end());
  file.resize(settings_file::kHeaderSize, 0);
  file[settings_file::kLevelByte] = settings_file::kWrittenLevel;
  link.ZapiszTabliceDoPliku(file, settings_file::kWrittenLevel);
  return file;
}

FileResult SaveSettingsFile(const TSterownik& link, const std::string& path) {
  return WriteFileAtomically(path, SettingsFileBytes(link));
}

bool TSterownik::ZapiszUstawienia(const std::string& documentsFolder) {
  const std::string path =
      ui_.SaveFileDialog(SettingsFileDialog(FileDialogPurpose::Save, "set", documentsFolder));
  if (path.empty()) return false;
  if (SaveSettingsFile(*this, path).ok) return true;
  ShowFileError(ui_, FileError::SettingsNotWritten, path);
  return false;
}

int TSterownik::ZapiszTabliceDoPliku(std::vector<uint8_t>& file, int level) const {
  const int size = table_block::Size(level);
  if (size == 0) return 0;
  table_block::Write(obraz_, level, file);
  return settings_file::kHeaderSize + size;
}

int TSterownik::CzytajTabliceZPliku(std::span<const uint8_t> block,
                                    std::span<uint8_t, img::kBlokIdentSize> identity, int level) {
  if (!table_block::Read(block, level, obraz_, identity)) return 0;
  return settings_file::kHeaderSize + table_block::Size(level);
}
