#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <utility>

#include "lang/Langtext.h"
#include "lang/LanguageExport.h"
#include "resources/EmbeddedResources.h"

namespace {

namespace fs = std::filesystem;

// The ids the program's texts use, as runs of consecutive ids.
const std::pair<int, int> kIdRuns[] = {
    {1000, 1000}, {1050, 1066}, {1080, 1085}, {1088, 1090}, {1100, 1108}, {1110, 1120},
    {1150, 1153}, {1160, 1166}, {1170, 1173}, {1180, 1182}, {1200, 1208}, {1210, 1224},
    {1229, 1252}, {1255, 1276}, {1278, 1287}, {1290, 1298}, {1300, 1304}, {1330, 1336},
    {1339, 1373}, {1375, 1377}, {1380, 1388}, {1400, 1415}, {1418, 1437}, {1440, 1447},
    {1450, 1465}, {1501, 1508}, {1601, 1608}, {1700, 1739}, {1741, 1741}, {1743, 1743},
    {1745, 1745}, {1800, 1804}, {1811, 1817}, {1821, 1826}, {1901, 1908}, {1911, 1918},
    {1921, 1928}, {1931, 1934}, {1940, 1940}, {1950, 1950}, {1960, 1960}, {1970, 1970},
    {2001, 2030}, {2100, 2109}, {2150, 2155}, {2200, 2203}, {2298, 2298}, {3000, 3000},
    {3009, 3009}, {3011, 3020}, {3029, 3030}, {3039, 3044}, {3048, 3052}, {3059, 3062},
    {3070, 3070}, {3080, 3083}, {3089, 3092}, {3100, 3103}, {3109, 3110}, {3119, 3120},
    {3129, 3130}, {3140, 3140}, {3149, 3154}, {3160, 3160}, {3170, 3170}, {3180, 3180},
    {3190, 3190}, {3200, 3203}, {3210, 3210}, {3230, 3230}, {3240, 3241}, {3310, 3310},
    {3370, 3370}, {3380, 3380}, {3390, 3390}, {3400, 3405}, {3450, 3450}, {3452, 3455},
    {3460, 3460}, {3470, 3470}, {3480, 3480}, {3490, 3490}, {3499, 3500}, {3509, 3510},
    {3519, 3520}, {3529, 3530}, {3539, 3540}, {3549, 3551}, {3559, 3563}, {3569, 3573},
    {3579, 3580}, {3590, 3590}, {3599, 3600}, {3609, 3610}, {3619, 3620}, {3629, 3630},
    {3639, 3640}, {3650, 3650}, {3659, 3660}, {3669, 3670}, {3679, 3680}, {3689, 3690},
    {3700, 3700}, {3709, 3710}, {3720, 3720}, {3740, 3740}, {3749, 3752}, {3770, 3770},
    {3780, 3780}, {3790, 3790}, {3810, 3816}, {3820, 3820}, {3830, 3830}, {3840, 3840},
    {3850, 3850}, {3860, 3860}, {3890, 3890}, {3900, 3901}, {3950, 3950}, {3959, 3964},
    {3969, 3970}, {3980, 3980}, {3990, 3990}, {4030, 4030}, {4040, 4040}, {4050, 4050},
    {4060, 4060}, {4070, 4070}, {4080, 4080}, {4090, 4092}, {4100, 4100}, {4110, 4110},
    {4119, 4120}, {4130, 4130}, {4139, 4140}, {4150, 4150}, {4160, 4160}, {4169, 4169},
    {4230, 4230}, {4270, 4270}, {4280, 4280}, {4290, 4290}, {4299, 4300}, {4309, 4310},
    {4319, 4320}, {4330, 4330}, {4340, 4344}, {4350, 4350}, {4360, 4360}, {4370, 4370},
    {4380, 4383}, {4387, 4388}, {4390, 4394}, {4430, 4430}, {4432, 4432}, {4440, 4440},
    {4442, 4442}, {4450, 4450}, {4460, 4460}, {4462, 4462}, {4470, 4470}, {4480, 4480},
    {4560, 4563}, {4569, 4570}, {4580, 4580}, {4590, 4590}, {4600, 4600}, {4609, 4610},
    {4620, 4620}, {4630, 4630}, {4640, 4640}, {4650, 4653}, {4670, 4670}, {4680, 4680},
    {4690, 4690}, {4700, 4700}, {4710, 4710}, {4750, 4750}, {4770, 4770}, {4810, 4810},
    {4830, 4830}, {4840, 4842}, {5570, 5573}, {5580, 5580}, {5600, 5603}, {5610, 5615},
    {5620, 5620}, {5630, 5630}, {5830, 5834}, {5840, 5840}, {5850, 5850}, {5860, 5860},
    {5870, 5870}, {5880, 5880}, {5890, 5890}, {5900, 5900}, {5910, 5910}, {5950, 5953},
    {5960, 5960}, {5970, 5970}, {6000, 6003}, {6010, 6010}, {6020, 6022}, {6030, 6030},
    {6040, 6040}, {6050, 6050}, {6059, 6060}, {6080, 6083}, {6090, 6090}, {6100, 6100},
    {6110, 6110}, {6130, 6130}, {6140, 6142}, {6150, 6152}, {6160, 6160}, {6300, 6301},
};

// English texts as the program's menus, messages and catalogues quote them, one or more from
// every run of ids.
const std::pair<int, const char*> kEnglishSample[] = {
    {1050, "[V]"},
    {1080, "Yes"},
    {1088, "On"},
    {1100, "Device"},
    {1110, "All files"},
    {1150, "View"},
    {1160, "Color"},
    {1171, "Manual"},
    {1180, "Help"},
    {1200, "Settings"},
    {1210, "Corrections 2D"},
    {1229, "OBD module"},
    {1255, "Starting fuel mixture test"},
    {1278, "Sensors"},
    {1292, "Autocalibration aborted"},
    {1330, "Device info"},
    {1340, "Service"},
    {1375, "Injectors configuration"},
    {1380, "Injectors size calculator"},
    {1400, "Revolutions"},
    {1418, "Lambda"},
    {1440, "Fuel pressure"},
    {1450, "Fuel sys 1"},
    {1501, "P 1"},
    {1601, "G 1"},
    {1700, "Petrol"},
    {1901, "Vacuum sensor error – the value of voltage is too low"},
    {1911, "Too low power supply"},
    {1921, "Gas pressure reducing"},
    {1931, "Work on both GAS and petrol due to the minimal gas temperature"},
    {1940, "Fault on gas injector number"},
    {1950, "Short circuit on gas injector number"},
    {1960, "Full open the gas injector number"},
    {1970, "Ignition order error "},
    {2021, "Switch on the mix due to the full open gas injectors"},
    {2100, "Do you want to restore factory settings ?"},
    {2150, "File open error"},
    {2200, "Password"},
    {3000, "RPM signal"},
    {3080, "Petrol injection type"},
    {3160, "Shift"},
    {3310, "Switch selected Injectors on GASOLINE"},
    {3470, "Sampling period"},
    {3550, "Changeover delay per cyl."},
    {3630, "Minimum gas pressure"},
    {3710, "Pressure sensor"},
    {3820, "Calibration per cylinder"},
    {3960, "Switching signal"},
    {4070, "Acceptable adjustments"},
    {4150, "OBD errors"},
    {4310, "Delay after ignition"},
    {4387, "Offset"},
    {4462, "Below 50°C"},
    {4610, "Maximum injection time"},
    {4700, "Finish below turnover"},
    {5580, "Petrol injection time"},
    {5860, "Max. pressure"},
    {5970, "From manifold pressure"},
    {6080, "Injection on a cold engine"},
    {6141, "Writing to the controller:"},
    {6142,
     "The scope recording file was closed because the record size changed – start a new recording "
     "file:"},
    {6150, "The settings and multipliers from before the calibration were restored."},
    {6160,
     "The controller is waiting in its bootloader: the last firmware update did not finish. Run "
     "the firmware update again to bring it back."},
};

// Splits one resource line into the id and its cells.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

class TextTableContentTest : public ::testing::Test {
 protected:
  TextTableContentTest() { table.Load(TextTableResource()); }
  std::string In(int language, int id) {
    table.LanguageIndex = language;
    return table.LangText(id);
  }
  TextTable table;
};

TEST_F(TextTableContentTest, HoldsExactlyTheUsedIdsWithFourteenCells) {
  std::set<int> expected;
  for (const auto& [first, last] : kIdRuns)
    for (int id = first; id <= last; ++id)
      expected.insert(id);
  ASSERT_EQ(expected.size(), 756u);

  std::vector<int> ids;
  for (const std::string& line : table.Lines()) {
    const auto fields = Fields(line);
    ASSERT_EQ(fields.size(), 15u) << line;
    ids.push_back(std::stoi(fields[0]));
    EXPECT_FALSE(fields[1].empty()) << "Polish of " << fields[0];
    EXPECT_FALSE(fields[2].empty()) << "English of " << fields[0];
  }
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), expected);
  EXPECT_EQ(ids.size(), expected.size()) << "each id once";
}

TEST_F(TextTableContentTest, LanguageNamesLine) {
  EXPECT_EQ(table.Lines().front(),
            "1000\tPolski (Polish)\tEnglish\tРусский (Russian)\tEspañol (Spain)\t"
            "Български (Bulgarian)\tPortuguês (Portuguese)\tΕλληνική (Greek)\tČeský (Czech)\t"
            "Українська (Ukrainian)\tRomana (Romanian)\tShqiptar (Albanian)\t"
            "Magyar (Hungarian)\t한국의 (Korean)\tItaliana (Italian)");
}

TEST_F(TextTableContentTest, EnglishAndPolishTextsAsQuoted) {
  // The lookup trims a cell; the trailing spaces some texts carry are checked below.
  for (const auto& [id, english] : kEnglishSample) {
    const std::string text(english);
    EXPECT_EQ(In(0, id), text.substr(0, text.find_last_not_of(' ') + 1)) << id;
  }
  const std::pair<int, const char*> polish[] = {
      {1000, "Polski (Polish)"},
      {1339, "Licznik awaryjnych uruchomień"},
      {1388, "Uwaga: Wybrana opcja może spowodować problemy z transmisją ze sterownikiem"},
  };
  for (const auto& [id, text] : polish)
    EXPECT_EQ(In(1, id), text) << id;
}

TEST_F(TextTableContentTest, TrailingSpacesOfQuotedTextsAreKept) {
  for (int id : {1285, 1738, 1970, 2022}) {
    table.LanguageIndex = 0;
    table.LangText(id);
    const auto fields = Fields(table.Lines()[table.TextLineCache[id]]);
    EXPECT_EQ(fields[2].back(), ' ') << id;
  }
}

TEST_F(TextTableContentTest, CorrectedTranslationsReachTheirLanguage) {
  // Cells that speakers corrected, looked up by language index, so that a cell in the wrong
  // column shows up too.
  const struct {
    int language;
    int id;
    const char* text;
  } cases[] = {
      {9, 1271, "Șterge multiplicatorul"},
      {13, 1271, "Cancella moltiplicatore"},
      {11, 1255, "Keverékteszt indítása"},
      {7, 1232, "Chyby"},
      {4, 1721, "И двата банка"},
      {13, 1105, "Leggi oscillogramma da file"},
      {3, 1501, "Gasol 1"},
      {5, 1608, "GPL 8"},
      {5, 1219, "Adição de gasolina"},
      {6, 1283, "Υπολογισμός"},
      {12, 3083, "동시"},
      {2, 4100, "Мониторинг"},
      {12, 3042, "람다"},
      {10, 6141, "Shkrim në kontrollues:"},
      {11, 1414, "Célnyomás"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(In(c.language, c.id), c.text) << c.id << " in " << c.language;
}

TEST_F(TextTableContentTest, ConnectingReadsApartFromSwitchingOn) {
  // "Connected" under the ignition wire and in the status panel ("CONNECTED") must not read as
  // "On"; capitals are folded for the Latin scripts.
  const auto folded = [this](int language, int id) {
    std::string text = In(language, id);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  };
  for (int language = 0; language < TextTable::kLanguageCount; ++language)
    for (int onOff : {1088, 1089})
      for (int connection : {1118, 1119, 1241, 3051, 3052})
        EXPECT_NE(folded(language, connection), folded(language, onOff))
            << connection << " and " << onOff << " in " << language;
}

TEST_F(TextTableContentTest, EveryLanguageIsTranslated) {
  const fs::path folder =
      fs::temp_directory_path() / ("malver-full-lang-" + std::to_string(getpid()));
  fs::remove_all(folder);
  ASSERT_TRUE(ExportLanguageFiles(table, folder.string(), [](const std::string&) {}).ok);
  for (const char* name : {"english.csv", "polish.csv", "russian.csv", "korean.csv"})
    EXPECT_TRUE(fs::exists(folder / name)) << name;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "__all.csv" || name[0] != '_') << "untranslated texts in " << name;
  }
  fs::remove_all(folder);
}

}  // namespace
