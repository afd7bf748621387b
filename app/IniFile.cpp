#include "app/IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "files/FileIo.h"

namespace {

// A configuration file is a few kilobytes; anything much larger is not one.
constexpr size_t kLargestFile = 1024 * 1024;

std::string Trimmed(const std::string& s) {
  const size_t begin = s.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return {};
  return s.substr(begin, s.find_last_not_of(" \t\r") - begin + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

bool IniFile::Load(const std::string& path) {
  sections_.clear();
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, kLargestFile).ok) return false;
  Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return true;
}

void IniFile::Parse(std::string_view text) {
  sections_.clear();
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string line = Trimmed(std::string(text.substr(0, end)));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      sections_.push_back({line.substr(1, line.size() - 2), {}});
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos || sections_.empty()) continue;
    sections_.back().entries.emplace_back(Trimmed(line.substr(0, equals)),
                                          Trimmed(line.substr(equals + 1)));
  }
}

std::string IniFile::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    text += '[' + section.name + "]\r\n";
    for (const auto& [key, value] : section.entries)
      text += key + '=' + value + "\r\n";
  }
  return text;
}

bool IniFile::Save(const std::string& path) const {
  return WriteFileAtomically(path, Text()).ok;
}

IniFile::Section* IniFile::Find(const std::string& name) {
  for (Section& s : sections_)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::Find(const std::string& name) const {
  return const_cast<IniFile*>(this)->Find(name);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const Section* s = Find(section);
  if (!s) return fallback;
  for (const auto& [k, value] : s->entries) {
    if (!SameName(k, key)) continue;
    int result = 0;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    const auto [end, error] = std::from_chars(hex ? first + 2 : first, last, result, hex ? 16 : 10);
    return error == std::errc() && end == last ? result : fallback;
  }
  return fallback;
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  Section* s = Find(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& [k, v] : s->entries) {
    if (SameName(k, key)) {
      v = std::to_string(value);
      return;
    }
  }
  s->entries.emplace_back(key, std::to_string(value));
}
