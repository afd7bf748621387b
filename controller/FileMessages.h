#pragma once

#include <string>

#include "lang/UiServices.h"

// What the settings and table files' dialogs show, and how their failures are told.

enum class FileDialogPurpose { Read, Save };

// The dialog of a settings or table file with the extension ("set", "fpm", "fpe"): its file
// type first, then all files; it opens in the settings folder below documentsFolder when that
// folder exists.
FileDialogRequest SettingsFileDialog(FileDialogPurpose purpose, const std::string& extension,
                                     const std::string& documentsFolder);
// The dialog of a scope recording (".osc"), in the scope folder when that exists.
FileDialogRequest ScopeFileDialog(FileDialogPurpose purpose, const std::string& documentsFolder);
// The save dialog of the scope's CSV export.
FileDialogRequest CsvFileDialog();

enum class FileError {
  SettingsNotWritten,
  SettingsNotOpened,
  SettingsWrongType,
  TableNotWritten,
  TableNotOpened,
  TableWrongSize,
  ScopeNotWritten,
  ScopeNotOpened,
  ScopeWrongType,
  CsvNotWritten,
  PasswordNotWritten,
  PasswordNotOpened,
  PasswordWrongSize,
  PasswordEmpty,
};

// The message of a failure: its text, its number in parentheses, and the file's path (its
// control characters escaped).
std::string FileErrorText(FileError error, const std::string& path);
// Shows it in a message box with the error icon.
void ShowFileError(UiServices& ui, FileError error, const std::string& path);
