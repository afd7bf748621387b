#include "app/ProgramDataFolder.h"

#include <filesystem>

std::string ProgramDataFolder(const std::string& besideProgram) {
  namespace fs = std::filesystem;
  const fs::path beside(besideProgram);
  std::error_code error;
  if (fs::is_directory(beside, error)) return besideProgram;
  const fs::path installed =
      beside.parent_path().parent_path() / "share" / "malver" / beside.filename();
  return fs::is_directory(installed, error) ? installed.string() : besideProgram;
}
