#include "lang/LanguageExport.h"

#include <filesystem>
#include <vector>

#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "lang/Utf16.h"

namespace {

constexpr int kFirstId = 1000;
constexpr int kLastId = 6999;

constexpr const char* kFileNames[TextTable::kLanguageCount] = {
    "english.csv",    "polish.csv",    "russian.csv", "spain.csv",     "bulgarian.csv",
    "portuguese.csv", "greek.csv",     "czech.csv",   "ukrainian.csv", "romanian.csv",
    "albanian.csv",   "hungarian.csv", "korean.csv",  "italiana.csv"};

bool WriteUtf16File(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string bytes(kUtf16LeBom);
  for (const std::string& line : lines)
    bytes += Utf8ToUtf16Le(line + "\r\n");
  return WriteFileAtomically(path.string(), bytes).ok;
}

// A language file shows what is missing: an empty cell stays empty.
std::string TextIn(TextTable& table, int language, int id) {
  return table.Text(id, language, false);
}

}  // namespace

LanguageExportResult ExportLanguageFiles(
    TextTable& table, const std::string& langFolder,
    const std::function<void(const std::string&)>& showProgress) {
  namespace fs = std::filesystem;
  const fs::path folder(langFolder);
  std::error_code error;
  fs::create_directories(folder, error);

  const fs::path allFile = folder / "__all.csv";
  if (!WriteUtf16File(allFile, table.Lines())) return {false, allFile.string()};

  // Looking every id up once caches the ids present; the first line (id 1000) stays uncached
  // and is therefore never exported.
  for (int id = kFirstId; id <= kLastId; ++id) {
    table.TextLineCache[id] = 0;
    const std::string text = table.LangText(id);
    showProgress(std::to_string(id) + "  " + text);
  }

  for (int language = 0; language < TextTable::kLanguageCount; ++language) {
    std::vector<std::string> all, missing;
    for (int id = kFirstId; id <= kLastId; ++id) {
      if (table.TextLineCache[id] == 0) continue;
      std::string source = TextIn(table, 0, id);
      if (source.empty()) source = TextIn(table, 1, id);
      const std::string line = std::to_string(id) + "\t" + source + "\t";
      const std::string translated = TextIn(table, language, id);
      if (translated.empty()) missing.push_back(line);
      all.push_back(line + translated);
      showProgress(std::to_string(language) + "  " + all.back());
    }
    const fs::path file = folder / kFileNames[language];
    if (!WriteUtf16File(file, all)) return {false, file.string()};
    const fs::path missingFile = folder / (std::string("_") + kFileNames[language]);
    if (!missing.empty() && !WriteUtf16File(missingFile, missing))
      return {false, missingFile.string()};
  }
  showProgress("");
  return {true, {}};
}
