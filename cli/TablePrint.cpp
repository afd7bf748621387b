#include "cli/TablePrint.h"

#include <algorithm>
#include <cstdio>

void PrintTable(const std::vector<TextRow>& rows, bool csv) {
  std::vector<size_t> widths;
  for (const TextRow& row : rows)
    for (size_t i = 0; i < row.size(); ++i) {
      if (widths.size() <= i) widths.push_back(0);
      widths[i] = std::max(widths[i], row[i].size());
    }
  for (const TextRow& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      if (csv) {
        line += (i > 0 ? "," : "") + row[i];
        continue;
      }
      line += (i > 0 ? "  " : "") + std::string(widths[i] - row[i].size(), ' ') + row[i];
    }
    if (!csv) line.erase(line.find_last_not_of(' ') + 1);  // cells without data at the end
    std::printf("%s\n", line.c_str());
  }
}
