#include "lang/LanguageExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "lang/Langtext.h"
#include "lang/Utf16.h"

namespace {

namespace fs = std::filesystem;

const char* const kTable =
    "1000\tPolski (Polish)\tEnglish\tРусский (Russian)\tEspañol (Spain)\tБългарски (Bulgarian)\t"
    "Português (Portuguese)\tΕλληνική (Greek)\tČeský (Czech)\tУкраїнська (Ukrainian)\t"
    "Romana (Romanian)\tShqiptar (Albanian)\tMagyar (Hungarian)\t한국의 (Korean)\t"
    "Italiana (Italian)\r\n"
    "1080\tTak\tYes\tДа\tSí\tДа\tSim\tΝαι\tAno\tТак\tDa\tPo\tIgen\t예\tSì\r\n"
    "2102\tTylko polski\t\tПо-русски\tEs\tБг\tPt\tEl\tCz\tUk\tRo\tSq\tHu\tKo\tIt\r\n";

class LanguageExportTest : public ::testing::Test {
 protected:
  LanguageExportTest()
      : folder(fs::temp_directory_path() / ("malver-lang-" + std::to_string(getpid())) / "Lang") {
    fs::remove_all(folder.parent_path());
    table.Load(std::string(kUtf16LeBom) + Utf8ToUtf16Le(kTable));
    table.LanguageIndex = 7;
  }
  ~LanguageExportTest() override { fs::remove_all(folder.parent_path()); }

  // A written file as text: checks the byte-order mark and returns the UTF-8 content.
  std::string FileText(const std::string& name) {
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string bytes = s.str();
    EXPECT_EQ(bytes.substr(0, 2), kUtf16LeBom) << name;
    return Utf16LeToUtf8(std::string_view(bytes).substr(2));
  }

  fs::path folder;
  TextTable table;
  std::vector<std::string> captions;
};

TEST_F(LanguageExportTest, WritesEveryFileAndRestoresTheTable) {
  const auto result = ExportLanguageFiles(table, folder.string(),
                                          [this](const std::string& c) { captions.push_back(c); });
  ASSERT_TRUE(result.ok) << result.failedFile;

  EXPECT_EQ(FileText("__all.csv"), std::string(kTable));
  EXPECT_EQ(FileText("english.csv"), "1080\tYes\tYes\r\n2102\tTylko polski\t\r\n");
  EXPECT_EQ(FileText("_english.csv"), "2102\tTylko polski\t\r\n");
  EXPECT_EQ(FileText("polish.csv"), "1080\tYes\tTak\r\n2102\tTylko polski\tTylko polski\r\n");
  EXPECT_FALSE(fs::exists(folder / "_polish.csv")) << "nothing untranslated in Polish";
  EXPECT_EQ(FileText("russian.csv"), "1080\tYes\tДа\r\n2102\tTylko polski\tПо-русски\r\n");
  EXPECT_EQ(FileText("italiana.csv"), "1080\tYes\tSì\r\n2102\tTylko polski\tIt\r\n");
  const char* const names[] = {"spain.csv",     "bulgarian.csv", "portuguese.csv", "greek.csv",
                               "czech.csv",     "ukrainian.csv", "romanian.csv",   "albanian.csv",
                               "hungarian.csv", "korean.csv"};
  for (const char* name : names) {
    EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_FALSE(fs::exists(folder / (std::string("_") + name))) << name;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 16);

  EXPECT_EQ(table.LanguageIndex, 7);
  EXPECT_EQ(captions.front(), "1000  Český (Czech)");
  EXPECT_EQ(captions[80], "1080  Ano");
  EXPECT_EQ(captions.back(), "");
}

TEST_F(LanguageExportTest, FileThatCannotBeWrittenIsReported) {
  fs::create_directories(folder / "polish.csv");  // a folder stands where a file must go
  const auto result = ExportLanguageFiles(table, folder.string(), [](const std::string&) {});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failedFile, (folder / "polish.csv").string());
  EXPECT_TRUE(fs::exists(folder / "english.csv")) << "what came before stays written";
  EXPECT_FALSE(fs::exists(folder / "polish.csv.tmp")) << "no half-written file is left";
  EXPECT_EQ(table.LanguageIndex, 7);
}

TEST_F(LanguageExportTest, FolderThatCannotBeMadeIsReported) {
  fs::create_directories(folder.parent_path());
  std::ofstream(folder.string());  // a file stands where the folder should be
  const auto result = ExportLanguageFiles(table, folder.string(), [](const std::string&) {});
  EXPECT_FALSE(result.ok);
}

}  // namespace
