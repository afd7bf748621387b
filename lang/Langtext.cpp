#include "lang/Langtext.h"

#include "lang/FixedTexts.h"
#include "lang/UiServices.h"
#include "lang/Utf16.h"
#include "resources/EmbeddedResources.h"

namespace {

constexpr int kFirstFixedId = 100;
constexpr int kLastFixedId = 999;
constexpr int kIdDigits = 4;

constexpr int kPolishCell = 1;
constexpr int kEnglishCell = 2;
constexpr int kRussianCell = 3;

bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && IsControlOrSpace(s[begin]))
    ++begin;
  while (end > begin && IsControlOrSpace(s[end - 1]))
    --end;
  return std::string(s.substr(begin, end - begin));
}

bool BeginsWithId(const std::string& line, int id) {
  return line.size() > kIdDigits && line.compare(0, kIdDigits, std::to_string(id)) == 0;
}

bool IsTableLine(std::string_view line) {
  if (line.size() <= kIdDigits || line[kIdDigits] != '\t') return false;
  for (int k = 0; k < kIdDigits; ++k)
    if (line[k] < '0' || line[k] > '9') return false;
  return true;
}

}  // namespace

void TextTable::Load(std::string_view resource) {
  if (resource.substr(0, 2) == kUtf16LeBom) resource.remove_prefix(2);
  const std::string text = Utf16LeToUtf8(resource);
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (IsTableLine(line)) lines_.emplace_back(line);
    start = end + 1;
  }
  ClearCache();
}

int TextTable::FindLine(int id) {
  const int cached = TextLineCache[id];
  if (cached != 0 && cached < static_cast<int>(lines_.size()) && BeginsWithId(lines_[cached], id))
    return cached;
  for (size_t position = 0; position < lines_.size(); ++position) {
    if (BeginsWithId(lines_[position], id)) {
      TextLineCache[id] = static_cast<int>(position);
      return static_cast<int>(position);
    }
  }
  return -1;
}

// Cell 1 is the first after the id; a missing cell is empty.
std::string TextTable::CellText(int position, int cell) const {
  std::string_view rest(lines_[position]);
  rest.remove_prefix(kIdDigits + 1);
  for (int k = 1; k < cell; ++k) {
    const size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) return {};
    rest.remove_prefix(tab + 1);
  }
  return Trimmed(rest.substr(0, rest.find('\t')));
}

std::string TextTable::Text(int id, int language, bool fallback) {
  if (id >= kFirstFixedId && id <= kLastFixedId) return std::string(FixedText(id));
  if (id < kFirstFixedId || id >= kCacheSize || language < 0 || language >= kLanguageCount)
    return {};
  const int position = FindLine(id);
  if (position < 0) return {};

  switch (language) {
    case 0:
      return CellText(position, kEnglishCell);
    case 1:
      return CellText(position, kPolishCell);
    default:
      break;
  }
  std::string text = CellText(position, language + 1);
  if (!text.empty() || !fallback) return text;
  // Bulgarian and Portuguese readers are better served by Russian than by English.
  const bool viaRussian = language == 4 || language == 5;
  if (viaRussian) text = CellText(position, kRussianCell);
  return text.empty() ? CellText(position, kEnglishCell) : text;
}

TextTable& Texts() {
  static TextTable table = [] {
    TextTable t;
    t.Load(TextTableResource());
    return t;
  }();
  return table;
}

std::string LangText(int id) {
  return Texts().LangText(id);
}

int LangMessageBox(UiServices& ui, int id, int flags) {
  return ui.MessageBox(LangText(id), flags);
}
