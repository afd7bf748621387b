#pragma once

#include <string>

// Where the program keeps its per-user data: "VESK/Malver II" below the user's documents
// folder, and its sub-folders; the root folder stands in when the system gives no documents
// folder. The window layer makes them at start-up.

std::string DataFolder(const std::string& documentsFolder);
// Settings files (".set") and table files (".fpe", ".fpm").
std::string SettingsFolder(const std::string& documentsFolder);
// Where the developers' exports go; the program never makes it.
std::string DeveloperFolder(const std::string& documentsFolder);
// Scope recordings (".osc").
std::string ScopeFolder(const std::string& documentsFolder);
// The workstation's password record; empty without a documents folder, where the program
// keeps no record.
std::string PasswordFilePath(const std::string& documentsFolder);
