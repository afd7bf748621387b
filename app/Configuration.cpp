#include "app/Configuration.h"

#include <algorithm>
#include <filesystem>

#include "app/IniFile.h"
#include "controller/Tsterownik.h"
#include "lang/LocaleLanguage.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTraceColours = 38;
constexpr int kFlagGroups = 4;
constexpr int kFlagsPerGroup = 22;

// The colour key of records 1..38: the name each record has in the MALVER list as it stands
// in the file's first version, which later renames do not change.
constexpr int kColourKeys[kTraceColours] = {
    1400, 1402, 1404, 1406, 1408, 1410, 1412, 1418, 1420, 1422, 1434, 1436, 1430,
    1432, 1450, 1452, 1454, 1456, 1458, 1460, 1462, 1464, 1501, 1601, 1502, 1602,
    1503, 1603, 1504, 1604, 1505, 1605, 1506, 1606, 1507, 1607, 1508, 1608};

std::string ColourKey(int record) {
  return "Color" + std::to_string(kColourKeys[record - 1]);
}

std::string FlagKey(int group, int entry) {
  return "View" + std::to_string(group) + (entry < 10 ? "0" : "") + std::to_string(entry);
}

// A value of section "1" limited to 0..highest; outside it (negative too) becomes outOfRange.
int ReadChecked(const IniFile& ini, const char* key, int missing, int highest, int outOfRange) {
  const int value = ini.ReadInteger("1", key, missing);
  return value < 0 || value > highest ? outOfRange : value;
}

}  // namespace

void CreateDataFolders(const std::string& documentsFolder) {
  std::error_code error;
  fs::create_directories(ScopeFolder(documentsFolder), error);
  fs::create_directories(SettingsFolder(documentsFolder), error);
}

std::string ConfigurationReadPath(const std::string& documentsFolder,
                                  const std::string& programPath) {
  const std::string inData = DataFolder(documentsFolder) + "/Malver2.ini";
  if (fs::exists(inData)) return inData;
  const std::string beside = fs::path(programPath).replace_extension(".ini").string();
  return fs::exists(beside) ? beside : std::string();
}

std::string ConfigurationWritePath(const std::string& documentsFolder,
                                   const std::string& programPath) {
  if (!documentsFolder.empty() && fs::is_directory(DataFolder(documentsFolder)))
    return DataFolder(documentsFolder) + "/Malver2.ini";
  return fs::path(programPath).replace_extension(".ini").string();
}

Configuration ReadConfiguration(const std::string& path, TSterownik& link, int screenWidth,
                                int screenHeight) {
  IniFile ini;
  if (path.empty() || !ini.Load(path)) return {};
  return ConfigurationFrom(ini, link, screenWidth, screenHeight);
}

Configuration ConfigurationFrom(const IniFile& ini, TSterownik& link, int screenWidth,
                                int screenHeight) {
  Configuration c;
  c.fromFile = true;
  c.comm = ini.ReadInteger("1", "Comm", c.comm);
  c.elmComm = ini.ReadInteger("1", "ElmComm", c.elmComm);
  c.colourScheme = ReadChecked(ini, "Comp", c.colourScheme, 5, 3);
  c.language = ReadChecked(ini, "Lang", c.language, 13, 0);  // English
  c.viewLevel = ReadChecked(ini, "View", c.viewLevel, 2, 1);
  c.top = std::max(0, ini.ReadInteger("1", "WTop", c.top));
  c.left = std::max(0, ini.ReadInteger("1", "WLeft", c.left));
  c.width = std::min(screenWidth, ini.ReadInteger("1", "WWidth", c.width));
  c.height = std::min(screenHeight, ini.ReadInteger("1", "WHeight", c.height));
  c.state = ini.ReadInteger("1", "WState", c.state);

  for (int r = 1; r <= kTraceColours; ++r)
    link.SetStoredTraceColour(
        r, static_cast<uint32_t>(
               ini.ReadInteger("2", ColourKey(r), static_cast<int>(link.KoloryWykresow()[r - 1]))));

  c.checkBox1 = ini.ReadInteger("3", "CheckBox1", c.checkBox1);
  c.checkBox2 = ini.ReadInteger("3", "CheckBox2", c.checkBox2);
  // Read back too, so that the upper table the installer chose survives the next run.
  c.checkBox3 = ini.ReadInteger("3", "CheckBox3", c.checkBox3);
  c.button4 = ini.ReadInteger("3", "Button4", c.button4);
  c.button5 = ini.ReadInteger("3", "Button5", c.button5);

  for (int g = 1; g <= kFlagGroups; ++g)
    for (int entry = 1; entry <= kFlagsPerGroup; ++entry)
      link.SetStoredTraceFlags(g, entry,
                               static_cast<uint8_t>(ini.ReadInteger(
                                   "4", FlagKey(g, entry), link.StoredTraceFlags(g, entry))));
  return c;
}

void UseDesktopLanguage(Configuration& config, std::string_view desktopLocale) {
  if (config.fromFile) return;  // the installer's own choice wins over the desktop's
  if (const auto language = LanguageOfLocale(desktopLocale)) config.language = *language;
}

bool WriteConfiguration(const std::string& path, const Configuration& c, const TSterownik& link) {
  IniFile ini;
  ini.Load(path);  // what this run does not write stays as it was
  ini.WriteInteger("1", "Comm", c.comm);
  ini.WriteInteger("1", "ElmComm", c.elmComm);
  ini.WriteInteger("1", "Comp", c.colourScheme);
  ini.WriteInteger("1", "Lang", c.language);
  ini.WriteInteger("1", "View", c.viewLevel);
  ini.WriteInteger("1", "WState", c.state);
  if (c.state != 2) {  // a maximised window keeps the normal bounds of an earlier run
    ini.WriteInteger("1", "WTop", c.top);
    ini.WriteInteger("1", "WLeft", c.left);
    ini.WriteInteger("1", "WWidth", c.width);
    ini.WriteInteger("1", "WHeight", c.height);
  }
  const int group = link.Traits().traceFlagGroup;
  const std::vector<Wykres>& definitions = link.ListaWykresow();
  const bool lists = group != 0 && definitions.size() > kTraceColours;
  if (lists)
    for (int r = 1; r <= kTraceColours; ++r)
      ini.WriteInteger("2", ColourKey(r), static_cast<int>(definitions[r].kolor));
  ini.WriteInteger("3", "CheckBox1", c.checkBox1);
  ini.WriteInteger("3", "CheckBox2", c.checkBox2);
  ini.WriteInteger("3", "CheckBox3", c.checkBox3);
  ini.WriteInteger("3", "Button4", c.button4);
  ini.WriteInteger("3", "Button5", c.button5);
  if (lists)
    for (int entry = 1; entry <= kFlagsPerGroup; ++entry)
      ini.WriteInteger("4", FlagKey(group, entry), definitions[entry].flagi);
  return ini.Save(path);
}
