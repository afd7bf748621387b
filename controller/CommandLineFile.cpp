#include "controller/CommandLineFile.h"

#include <filesystem>

CommandLineFile CommandLineFileKind(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension == ".set") return CommandLineFile::Settings;
  if (extension == ".osc") return CommandLineFile::Scope;
  return CommandLineFile::None;
}
