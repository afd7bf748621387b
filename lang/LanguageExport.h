#pragma once

#include <functional>
#include <string>

class TextTable;

struct LanguageExportResult {
  bool ok = false;
  std::string failedFile;  // the file that could not be written, when not ok
};

// Writes "__all.csv", one file per language and, per language with untranslated texts, the
// same name with a leading underscore listing them, all UTF-16LE into langFolder (created
// when missing). showProgress receives the caption text for every id handled and an empty
// text at the end; the window repaints from it. The table's language and fall-back settings
// are restored whatever happens.
LanguageExportResult ExportLanguageFiles(
    TextTable& table, const std::string& langFolder,
    const std::function<void(const std::string&)>& showProgress);
