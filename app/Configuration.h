#pragma once

#include <string>
#include <string_view>

#include "files/DataFolders.h"

class IniFile;
class TSterownik;

// The program's configuration file "Malver2.ini": general settings, the live parameters'
// trace colours and their display flags per family, and view options.

struct Configuration {
  // Section "1".
  int comm = 0;
  int elmComm = 0;
  int colourScheme = 3;
  int language = 1;
  int viewLevel = 1;
  int top = 0;
  int left = 0;
  int width = 800;
  int height = 600;
  int state = 0;  // 0 normal, 1 minimised, 2 maximised
  // Section "3".
  int checkBox1 = 0;
  int checkBox2 = 0;
  int checkBox3 = 0;
  int button4 = 0;
  int button5 = 0;
  // False when no file was read: the window then keeps its designed size, centred.
  bool fromFile = false;
};

// Makes "VESK", "VESK/Malver II" and its "Scope" and "Settings" folders where missing.
void CreateDataFolders(const std::string& documentsFolder);

// Where the configuration is read from: the data folder's "Malver2.ini", else the program's own
// path with ".ini", else nothing (empty).
std::string ConfigurationReadPath(const std::string& documentsFolder,
                                  const std::string& programPath);
// Where it is written: the data folder's "Malver2.ini" when that folder exists, else beside the
// program.
std::string ConfigurationWritePath(const std::string& documentsFolder,
                                   const std::string& programPath);

// Reads the file (an empty path reads nothing), applies the checks, and hands the trace
// colours and display flags to the link.
Configuration ReadConfiguration(const std::string& path, TSterownik& link, int screenWidth,
                                int screenHeight);
// The same from a file's contents already parsed.
Configuration ConfigurationFrom(const IniFile& ini, TSterownik& link, int screenWidth,
                                int screenHeight);

// On a first start, with no file read, the program speaks the desktop's language when it is one
// of the fourteen (the locale name as LanguageOfLocale takes it); otherwise the default stays.
void UseDesktopLanguage(Configuration& config, std::string_view desktopLocale);

// Writes the file, keeping what this run does not write: the window bounds while maximised,
// the colours and flags of the families not connected. False when it cannot be written.
bool WriteConfiguration(const std::string& path, const Configuration& config,
                        const TSterownik& link);
