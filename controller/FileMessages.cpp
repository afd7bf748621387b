#include "controller/FileMessages.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "files/DataFolders.h"
#include "lang/Langtext.h"

namespace {

constexpr int kReadTitle = 1103;
constexpr int kSaveTitle = 1104;
constexpr int kAllFiles = 1110;
constexpr int kSettingsFile = 1111;

// The texts are shared; the number after them tells which failure a reported message was.
struct ErrorMessage {
  FileError error;
  int textId;
  int number;
};
constexpr ErrorMessage kMessages[] = {
    {FileError::SettingsNotWritten, 2151, 121}, {FileError::SettingsNotOpened, 2150, 122},
    {FileError::SettingsWrongType, 2152, 123},  {FileError::TableNotWritten, 2151, 151},
    {FileError::TableNotOpened, 2150, 152},     {FileError::TableWrongSize, 2152, 153},
};

std::string ExistingSettingsFolder(const std::string& documentsFolder) {
  if (documentsFolder.empty()) return {};
  const std::string folder = SettingsFolder(documentsFolder);
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

}  // namespace

FileDialogRequest SettingsFileDialog(FileDialogPurpose purpose, const std::string& extension,
                                     const std::string& documentsFolder) {
  const std::string pattern = "*." + extension;
  return {LangText(purpose == FileDialogPurpose::Read ? kReadTitle : kSaveTitle),
          {{LangText(kSettingsFile) + " (" + pattern + ")", pattern},
           {LangText(kAllFiles) + " (*.*)", "*.*"}},
          ExistingSettingsFolder(documentsFolder),
          extension};
}

std::string FileErrorText(FileError error, const std::string& path) {
  const ErrorMessage& m =
      *std::find_if(std::begin(kMessages), std::end(kMessages),
                    [error](const ErrorMessage& e) { return e.error == error; });
  return LangText(m.textId) + " (" + std::to_string(m.number) + ") : \n" + path;
}

void ShowFileError(UiServices& ui, FileError error, const std::string& path) {
  ui.MessageBox(FileErrorText(error, path), mb::kIconStop);
}
