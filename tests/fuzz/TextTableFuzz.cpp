// An arbitrary text table resource: loaded, then looked up in every language, with and
// without the fall-backs.

#include <string_view>

#include "lang/Langtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextTable table;
  table.Load(std::string_view(reinterpret_cast<const char*>(data), size));
  static constexpr int kIds[] = {0, 99, 100, 999, 1000, 1080, 1241, 2100, 6130, 6999, 7000, -1};
  for (int language = -1; language <= TextTable::kLanguageCount; ++language)
    for (int id : kIds) {
      table.Text(id, language);
      table.Text(id, language, false);
    }
  return 0;
}
