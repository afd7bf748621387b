#pragma once

#include <string>
#include <vector>

// Tables of texts on standard output.

using TextRow = std::vector<std::string>;

// Columns padded to their widest cell, right-aligned; or plain comma-separated values.
void PrintTable(const std::vector<TextRow>& rows, bool csv);
