#include "lang/Langtext.h"

#include <gtest/gtest.h>

#include "lang/Utf16.h"
#include "resources/EmbeddedResources.h"
#include "tests/support/FakeUi.h"

namespace {

// Cells in table order: Polish, English, Russian, Spanish, Bulgarian, Portuguese, Greek,
// Czech, Ukrainian, Romanian, Albanian, Hungarian, Korean, Italian.
const char* const kTable =
    "1000\tPolski (Polish)\tEnglish\tРусский (Russian)\tEspañol (Spain)\tБългарски (Bulgarian)\t"
    "Português (Portuguese)\tΕλληνική (Greek)\tČeský (Czech)\tУкраїнська (Ukrainian)\t"
    "Romana (Romanian)\tShqiptar (Albanian)\tMagyar (Hungarian)\t한국의 (Korean)\t"
    "Italiana (Italian)\r\n"
    "1080\tTak\tYes\tДа\tSí\tДа\tSim\tΝαι\tAno\tТак\tDa\tPo\tIgen\t예\tSì\r\n"
    "this line is broken\r\n"
    "2100\tPolski tylko\tEnglish only\t\t\t\t\t\t\t\t\t\t\t\t\r\n"
    "2101\tZ rosyjskim\tWith Russian\tС русским\t\t\t\t\t\t\t\t\t\t\t\r\n"
    "2102\tTylko polski\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"
    "2103\t  \t  padded  \t   \t\t\t\t\t\t\t\t\t\t\t\r\n"
    "2104\tKrótka\tShort\r\n";

class LangtextTest : public ::testing::Test {
 protected:
  LangtextTest() { table.Load(std::string(kUtf16LeBom) + Utf8ToUtf16Le(kTable)); }
  std::string In(int language, int id) {
    table.LanguageIndex = language;
    return table.LangText(id);
  }
  TextTable table;
};

TEST_F(LangtextTest, LanguageNamesAndLimits) {
  EXPECT_EQ(In(0, 1000), "English");
  EXPECT_EQ(In(1, 1000), "Polski (Polish)");
  EXPECT_EQ(In(12, 1000), "한국의 (Korean)");
  EXPECT_EQ(In(13, 1080), "Sì");
  for (int id : {99, 999, 7000, -5, 1001, 6999})
    EXPECT_EQ(In(0, id), "") << id;
  EXPECT_EQ(In(14, 1080), "") << "no such language";
  EXPECT_EQ(In(-1, 1080), "");
}

TEST_F(LangtextTest, FixedTextsAreTheSameInEveryLanguage) {
  for (int language = 0; language < TextTable::kLanguageCount; ++language) {
    EXPECT_EQ(In(language, 802), "Calculated engine load");
    EXPECT_EQ(In(language, 849), "O2 B2S4");
    EXPECT_EQ(In(language, 900), "   1");
    EXPECT_EQ(In(language, 920), " flaga ACC");
    EXPECT_EQ(In(language, 960), "ms\\rpm");
    EXPECT_EQ(In(language, 996), "oscylator");
    EXPECT_EQ(In(language, 995), "");
    EXPECT_EQ(In(language, 100), "");
  }
}

TEST_F(LangtextTest, FallBacks) {
  struct Case {
    int language, id;
    const char* expected;
  };
  const Case cases[] = {
      {2, 2100, "English only"}, {3, 2100, "English only"},
      {6, 2100, "English only"}, {13, 2100, "English only"},
      {4, 2100, "English only"}, {5, 2100, "English only"},
      {4, 2101, "С русским"},    {5, 2101, "С русским"},
      {3, 2101, "With Russian"}, {0, 2102, ""},
      {1, 2102, "Tylko polski"}, {2, 2102, ""},
      {0, 2103, "padded"},       {1, 2103, ""},
      {2, 2103, "padded"},       {13, 2104, "Short"},
      {1, 2104, "Krótka"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(In(c.language, c.id), c.expected) << c.language << "/" << c.id;

  // Without fallback an empty cell stays empty; the chosen language is not touched.
  EXPECT_EQ(table.Text(2100, 2, false), "");
  EXPECT_EQ(table.Text(2101, 4, false), "");
  EXPECT_EQ(table.Text(2101, 2, false), "С русским");
}

TEST_F(LangtextTest, MalformedLinesAreSkippedAndFoundLinesCached) {
  EXPECT_EQ(table.Lines().size(), 7u);
  EXPECT_EQ(In(0, 2101), "With Russian");
  EXPECT_EQ(table.TextLineCache[2101], 3);
  EXPECT_EQ(In(0, 1000), "English");
  EXPECT_EQ(table.TextLineCache[1000], 0) << "the first line is never cached";
  EXPECT_EQ(In(0, 2999), "");
  EXPECT_EQ(table.TextLineCache[2999], 0);
}

TEST(BuiltInTextTableTest, ResourceFormAndLanguageNames) {
  const std::string_view resource = TextTableResource();
  ASSERT_GE(resource.size(), 4u);
  EXPECT_EQ(resource.substr(0, 2), kUtf16LeBom);
  EXPECT_EQ(resource.substr(resource.size() - 4), std::string_view("\r\0\n\0", 4));

  const char* const names[TextTable::kLanguageCount] = {
      "English",           "Polski (Polish)",       "Русский (Russian)",
      "Español (Spain)",   "Български (Bulgarian)", "Português (Portuguese)",
      "Ελληνική (Greek)",  "Český (Czech)",         "Українська (Ukrainian)",
      "Romana (Romanian)", "Shqiptar (Albanian)",   "Magyar (Hungarian)",
      "한국의 (Korean)",   "Italiana (Italian)"};
  TextTable& table = Texts();
  const int saved = table.LanguageIndex;
  for (int language = 0; language < TextTable::kLanguageCount; ++language) {
    table.LanguageIndex = language;
    EXPECT_EQ(LangText(1000), names[language]);
  }
  table.LanguageIndex = saved;
}

TEST(LangMessageBoxTest, ShowsTheTextOfTheIdAndReturnsTheButton) {
  FakeUi ui;
  ui.answers.push_back(mb::kIdNo);
  TextTable& table = Texts();
  table.LanguageIndex = 0;
  EXPECT_EQ(LangMessageBox(ui, 1080, mb::kYesNo | mb::kIconExclamation), mb::kIdNo);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Yes");
  EXPECT_EQ(ui.messages[0].flags, 52);
}

}  // namespace
