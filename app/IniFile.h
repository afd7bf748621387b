#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// A configuration file in the Windows profile format: "[section]" lines, then "key=value"
// lines. Keys keep their file order; a key written again keeps its place, so a run that does
// not write some keys leaves them as an earlier run wrote them.
class IniFile {
 public:
  // False when the file cannot be read; the object then holds nothing.
  bool Load(const std::string& path);
  // The text of a file: lines that are neither a section nor a key are passed over.
  void Parse(std::string_view text);
  // Written whole to a temporary file renamed over the old one.
  bool Save(const std::string& path) const;
  std::string Text() const;

  // The key's value as a decimal integer, or fallback when missing or not a number.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  void WriteInteger(const std::string& section, const std::string& key, int value);

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  Section* Find(const std::string& name);
  const Section* Find(const std::string& name) const;

  std::vector<Section> sections_;
};
