#include "controller/FileMessages.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "files/DataFolders.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"

namespace {

constexpr int kReadTitle = 1103;
constexpr int kSaveTitle = 1104;
constexpr int kAllFiles = 1110;
constexpr int kSettingsFile = 1111;
constexpr int kReadScopeTitle = 1105;
constexpr int kSaveScopeTitle = 1106;
constexpr int kCsvTitle = 1107;
constexpr int kScopeFile = 1112;
constexpr int kCsvFile = 1113;

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
    {FileError::ScopeNotWritten, 2151, 131},    {FileError::ScopeNotOpened, 2150, 132},
    {FileError::ScopeWrongType, 2152, 133},     {FileError::CsvNotWritten, 2151, 134},
    {FileError::PasswordNotWritten, 2151, 161}, {FileError::PasswordNotOpened, 2150, 162},
    {FileError::PasswordWrongSize, 2152, 163},  {FileError::PasswordEmpty, 2152, 164},
};

std::string Existing(const std::string& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

// A file's own type first, then all files.
FileDialogRequest Dialog(int title, int fileType, const std::string& extension,
                         const std::string& folder) {
  const std::string pattern = "*." + extension;
  return {LangText(title),
          {{LangText(fileType) + " (" + pattern + ")", pattern},
           {LangText(kAllFiles) + " (*.*)", "*.*"}},
          folder,
          extension};
}

}  // namespace

FileDialogRequest SettingsFileDialog(FileDialogPurpose purpose, const std::string& extension,
                                     const std::string& documentsFolder) {
  return Dialog(purpose == FileDialogPurpose::Read ? kReadTitle : kSaveTitle, kSettingsFile,
                extension, Existing(SettingsFolder(documentsFolder)));
}

FileDialogRequest ScopeFileDialog(FileDialogPurpose purpose, const std::string& documentsFolder) {
  return Dialog(purpose == FileDialogPurpose::Read ? kReadScopeTitle : kSaveScopeTitle, kScopeFile,
                "osc", Existing(ScopeFolder(documentsFolder)));
}

FileDialogRequest CsvFileDialog() {
  return Dialog(kCsvTitle, kCsvFile, "csv", {});
}

std::string FileErrorText(FileError error, const std::string& path) {
  const ErrorMessage& m =
      *std::find_if(std::begin(kMessages), std::end(kMessages),
                    [error](const ErrorMessage& e) { return e.error == error; });
  return LangText(m.textId) + " (" + std::to_string(m.number) + ") : \n" + Printable(path);
}

void ShowFileError(UiServices& ui, FileError error, const std::string& path) {
  ui.MessageBox(FileErrorText(error, path), mb::kIconStop);
}
