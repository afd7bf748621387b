#include "files/DocumentsFolder.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "files/FileIo.h"

namespace {

constexpr char kKey[] = "XDG_DOCUMENTS_DIR=";
constexpr char kHomeVariable[] = "$HOME";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The user's folder settings are a few lines; anything larger, or not a file, is none.
constexpr size_t kLargestUserDirs = 64 * 1024;

std::string FileText(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, kLargestUserDirs).ok) return {};
  return {bytes.begin(), bytes.end()};
}

// The value of the documents line: quoted, "$HOME/..." or an absolute path.
std::string DocumentsLine(const std::string& home, const std::string& line) {
  std::string value = line.substr(sizeof kKey - 1);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  if (value.rfind(kHomeVariable, 0) == 0) return home + value.substr(sizeof kHomeVariable - 1);
  return value.rfind('/', 0) == 0 ? value : std::string();
}

}  // namespace

std::string DocumentsFolderOf(const std::string& home, const std::string& userDirs) {
  if (home.empty()) return {};
  std::istringstream lines(userDirs);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(kKey, 0) != 0) continue;
    const std::string folder = DocumentsLine(home, line);
    if (!folder.empty()) return folder;
  }
  return home + "/Documents";
}

std::string UserDocumentsFolder() {
  const std::string home = Environment("HOME");
  const std::string configHome = Environment("XDG_CONFIG_HOME");
  const std::string config = configHome.empty() ? home + "/.config" : configHome;
  return DocumentsFolderOf(home,
                           home.empty() ? std::string() : FileText(config + "/user-dirs.dirs"));
}
