#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class UiServices;

// The built-in text table of fourteen languages, addressed by text id.
class TextTable {
 public:
  static constexpr int kLanguageCount = 14;
  static constexpr int kCacheSize = 7000;

  // Loads the resource form (UTF-16LE, optional byte-order mark, CR LF lines). A line that
  // does not begin with a four-digit id and a TAB is skipped. The line cache is cleared.
  void Load(std::string_view resource);

  // The text of id in LanguageIndex, with the fall-backs; never fails (empty when unknown).
  std::string LangText(int id) { return Text(id, LanguageIndex); }
  // The text of id in a given language; without fallback an empty cell stays empty.
  std::string Text(int id, int language, bool fallback = true);

  // The table's lines as loaded (UTF-8, without line ends).
  const std::vector<std::string>& Lines() const { return lines_; }

  void ClearCache() { TextLineCache.fill(0); }

  // 0 English, 1 Polish, 2 Russian, 3 Spanish, 4 Bulgarian, 5 Portuguese, 6 Greek, 7 Czech,
  // 8 Ukrainian, 9 Romanian, 10 Albanian, 11 Hungarian, 12 Korean, 13 Italian.
  int LanguageIndex = 0;
  // Position in the line list where each id was last found; 0 = not yet found.
  std::array<int, kCacheSize> TextLineCache{};

 private:
  int FindLine(int id);
  std::string CellText(int position, int cell) const;

  std::vector<std::string> lines_;
};

// The program's own table, loaded from the compiled resource on first use.
TextTable& Texts();

// Shorthands over Texts(), used by every caption, hint and message of the program.
std::string LangText(int id);
int LangMessageBox(UiServices& ui, int id, int flags);
