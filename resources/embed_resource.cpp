// Build-time tool: turns a file of resources/ into a C++ source that compiles it into the
// program, so nothing is read from disk at run time.
//
//   embed_resource --text-table texts.tsv out.cpp Name   UTF-8 table -> UTF-16LE resource form
//   embed_resource --binary file out.cpp Name            bytes as they are
//
// The generated source defines `std::string_view Name()`.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "lang/Utf16.h"

namespace {

constexpr int kCellsPerLine = 14;

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

// Checks one source line: four digits, then fourteen TAB-separated cells.
bool ValidLine(const std::string& line, int& id) {
  if (line.size() < 5 || line[4] != '\t') return false;
  id = 0;
  for (int k = 0; k < 4; ++k) {
    if (line[k] < '0' || line[k] > '9') return false;
    id = id * 10 + (line[k] - '0');
  }
  int tabs = 0;
  for (char c : line)
    tabs += c == '\t';
  return tabs == kCellsPerLine;
}

// The resource form: byte-order mark, UTF-16LE, every line (the last too) ending in CR LF.
bool TextTableToResource(const std::string& source, const std::string& path, std::string& out) {
  out = std::string(kUtf16LeBom);
  std::istringstream lines(source);
  std::string line;
  int lineNumber = 0;
  int lastId = -1;
  while (std::getline(lines, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    int id = 0;
    if (!ValidLine(line, id) || id <= lastId) {
      std::cerr << path << ":" << lineNumber
                << ": expected a new ascending four-digit id and exactly " << kCellsPerLine
                << " TAB-separated cells\n";
      return false;
    }
    lastId = id;
    out += Utf8ToUtf16Le(line + "\r\n");
  }
  return true;
}

std::string CppSource(const std::string& bytes, const std::string& name) {
  std::string s = "#include <string_view>\n\nnamespace {\nconst unsigned char kData[] = {";
  char hex[8];
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 20 == 0) s += "\n";
    std::snprintf(hex, sizeof hex, "%u,", static_cast<unsigned char>(bytes[i]));
    s += hex;
  }
  s += "0};\n}  // namespace\n\nstd::string_view " + name +
       "() {\n  return {reinterpret_cast<const char*>(kData), " + std::to_string(bytes.size()) +
       "};\n}\n";
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: embed_resource (--text-table|--binary) input output.cpp Name\n";
    return 2;
  }
  const std::string mode = argv[1], input = argv[2], output = argv[3], name = argv[4];
  std::string bytes;
  if (!ReadFile(input, bytes)) {
    std::cerr << input << ": cannot read\n";
    return 1;
  }
  if (mode == "--text-table" && !TextTableToResource(std::string(bytes), input, bytes)) return 1;
  std::ofstream out(output, std::ios::binary);
  out << CppSource(bytes, name);
  return out ? 0 : 1;
}
