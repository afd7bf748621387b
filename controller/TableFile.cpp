// Table files: reading and writing one table of the image through a file dialog.

#include "controller/TableFile.h"

#include <algorithm>
#include <iterator>

#include "controller/FileMessages.h"
#include "controller/Tsterownik.h"
#include "files/FileIo.h"

namespace table_file {

namespace {

constexpr Kind kKinds[] = {
    {0, "fpe", img::EmulacjaHi, AreaBit::EmulatorHi},
    {1, "fpm", img::MapaCis, AreaBit::PressureMap},
    {2, "fpe", img::EmulacjaLo, AreaBit::EmulatorLo},
};

}  // namespace

std::span<const Kind> Kinds() {
  return kKinds;
}

const Kind* KindOf(int kind) {
  const auto it = std::find_if(std::begin(kKinds), std::end(kKinds),
                               [kind](const Kind& k) { return k.kind == kind; });
  return it != std::end(kKinds) ? it : nullptr;
}

}  // namespace table_file

bool TSterownik::ZapiszDoPliku(int kind, const std::string& documentsFolder) {
  const table_file::Kind* table = table_file::KindOf(kind);
  if (!table) return false;
  const std::string path = ui_.SaveFileDialog(
      SettingsFileDialog(FileDialogPurpose::Save, table->extension, documentsFolder));
  if (path.empty()) return false;
  const std::span<const uint8_t> bytes(&obraz_[table->offset], table_file::kSize);
  if (WriteFileAtomically(path, bytes).ok) return true;
  ShowFileError(ui_, FileError::TableNotWritten, path);
  return false;
}

bool TSterownik::CzytajZPliku(int kind, const std::string& documentsFolder) {
  const table_file::Kind* table = table_file::KindOf(kind);
  if (!table) return false;
  const std::string path = ui_.OpenFileDialog(
      SettingsFileDialog(FileDialogPurpose::Read, table->extension, documentsFolder));
  if (path.empty()) return false;
  std::vector<uint8_t> bytes;
  if (const FileResult read =
          ReadWholeFile(path, bytes, {.name = "a table file", .largest = table_file::kSize});
      !read.ok) {
    ShowFileError(ui_, read.wrongKind ? FileError::TableWrongSize : FileError::TableNotOpened,
                  path);
    return false;
  }
  return LoadTable(kind, bytes, path);
}

// While connected the table is written and read back; any other pending read or write is
// dropped.
bool TSterownik::LoadTable(int kind, std::span<const uint8_t> bytes, const std::string& path) {
  const table_file::Kind* table = table_file::KindOf(kind);
  if (!table) return false;
  if (bytes.size() != static_cast<size_t>(table_file::kSize)) {
    ShowFileError(ui_, FileError::TableWrongSize, path);
    return false;
  }
  std::copy(bytes.begin(), bytes.end(), &obraz_[table->offset]);
  if (PortConnected()) flagiZapisu_ = flagiCzytania_ = table->area;
  return true;
}
