#include "files/DataFolders.h"

std::string DataFolder(const std::string& documentsFolder) {
  return documentsFolder + "/VESK/Malver II";
}

std::string SettingsFolder(const std::string& documentsFolder) {
  return DataFolder(documentsFolder) + "/Settings";
}

std::string DeveloperFolder(const std::string& documentsFolder) {
  return DataFolder(documentsFolder) + "/Developer";
}

std::string ScopeFolder(const std::string& documentsFolder) {
  return DataFolder(documentsFolder) + "/Scope";
}

std::string PasswordFilePath(const std::string& documentsFolder) {
  return documentsFolder.empty() ? std::string() : DataFolder(documentsFolder) + "/password.bin";
}
