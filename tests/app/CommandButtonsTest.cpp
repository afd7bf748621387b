#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/CommandButtons.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/TempFolder.h"

namespace {

// A KAVI controller read out over the simulated line: it has every table the Map tab erases.
class CommandButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Texts().LanguageIndex = 0;
    ASSERT_TRUE(m.ReadOut());
  }
  void Fill(int offset, uint8_t value) {
    auto& image = LinkTestAccess::ObrazSterownika(m.link);
    std::fill_n(image.begin() + offset, img::kAreaSize, value);
  }
  uint8_t At(int offset) const { return m.link.ObrazSterownika()[static_cast<size_t>(offset)]; }
  bool Written() {
    return m.TickUntil([&] { return m.link.FlagiZapisu() == 0 && m.link.FlagiZapisuWToku() == 0; });
  }
  bool ControllerHolds(int offset) const {
    return std::equal(m.controller.memory.begin() + offset,
                      m.controller.memory.begin() + offset + img::kAreaSize,
                      m.link.ObrazSterownika().begin() + offset);
  }

  MemoryLink m{IdentityOf(255, 17)};
};

TEST_F(CommandButtonsTest, ErasesAskThenResetTheirTableInTheController) {
  struct Case {
    int tag, question, offset;
    uint8_t value;
  };
  const Case cases[] = {
      {command_tag::EraseEmulatorHi, 2108, img::EmulacjaHi, 0},
      {command_tag::EraseKaviEmulatorHi, 2108, img::EmulacjaHi, 128},
      {command_tag::EraseEmulatorLo, 2108, img::EmulacjaLo, 128},
      {command_tag::EraseGasAdvance, 2108, img::PrzesGaz, 72},
      {command_tag::ErasePetrolDose, 2108, img::DawkaBen, 50},
      {command_tag::EraseAdmixture, 2108, img::Domieszka, 5},
      {command_tag::EraseEnrichment, 2108, img::MapaCis, 128},
      {command_tag::ErasePressureMap, 2108, img::MapaCis, 0},
      {command_tag::EraseExtraInjections, 2108, img::MapaCis, 0},
      {command_tag::DeleteRpmCorrections, 2104, img::KorOdObr1, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    Fill(c.offset, 77);
    m.ui.answers = {mb::kIdNo};
    EXPECT_FALSE(RunCommand(m.link, m.ui, c.tag));
    EXPECT_EQ(m.ui.messages.back().text, LangText(c.question));
    EXPECT_EQ(At(c.offset), 77) << "No changes nothing";
    m.ui.answers = {mb::kIdYes};
    EXPECT_TRUE(RunCommand(m.link, m.ui, c.tag));
    EXPECT_EQ(At(c.offset + 200), c.value);
    ASSERT_TRUE(Written());
    EXPECT_TRUE(ControllerHolds(c.offset));
  }
}

// The maps over the RPM corrections: the learned injection times, the OBD corrections, or (with
// nothing shown there) nothing at all after the question.
TEST_F(CommandButtonsTest, UpperMapDeletesFollowWhatTheTableShows) {
  for (int offset : {img::MapaEcuBen, img::MapaObdBen1, img::MapaObdBen2})
    Fill(offset, 90);
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::DeleteUpperPetrolMap, {1, 0, ""}));
  EXPECT_EQ(At(img::MapaEcuBen), 90);
  EXPECT_EQ(m.ui.messages.back().text, LangText(2101));
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::DeleteUpperPetrolMap, {1, 2, ""}));
  EXPECT_EQ(At(img::MapaEcuBen), 90);
  EXPECT_EQ(At(img::MapaObdBen1), 0);
  EXPECT_EQ(At(img::MapaObdBen2), 0);
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::DeleteUpperPetrolMap, {1, 1, ""}));
  EXPECT_EQ(At(img::MapaEcuBen), 0);
  ASSERT_TRUE(Written());
  EXPECT_TRUE(ControllerHolds(img::MapaObdBen2));
}

TEST_F(CommandButtonsTest, DeleteCorrectionsResetsTheCurveOnTheScreenOnly) {
  const auto before = m.link.ObrazSterownika();
  EXPECT_FALSE(RunCommand(m.link, m.ui, command_tag::DeleteCurve, {0, 0, ""}))
      << "no curve on the screen";
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::DeleteCurve, {2, 0, ""}));
  EXPECT_EQ(m.ui.messages.back().text, LangText(2104));
  EXPECT_EQ(At(img::KorOdTempRed + 60), 128);
  EXPECT_EQ(At(img::KorOdTempGazu + 60), before[img::KorOdTempGazu + 60]);
  ASSERT_TRUE(Written());
  EXPECT_TRUE(ControllerHolds(img::KorOdTempRed));
}

TEST_F(CommandButtonsTest, TableFilesGoThroughTheirDialogs) {
  TempFolder folder("command-table-files");
  Fill(img::MapaCis, 33);
  m.ui.paths = {folder.File("pressure.fpm")};
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::SavePressureMap, {-1, 0, folder.Path()}));
  EXPECT_EQ(m.ui.dialogs.back().request.defaultExtension, "fpm");
  Fill(img::MapaCis, 0);
  m.ui.paths = {folder.File("pressure.fpm")};
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::ReadPressureMap, {-1, 0, folder.Path()}));
  EXPECT_EQ(At(img::MapaCis + 255), 33);
  ASSERT_TRUE(Written());
  EXPECT_TRUE(ControllerHolds(img::MapaCis));
  EXPECT_FALSE(RunCommand(m.link, m.ui, command_tag::ReadEmulatorLo, {})) << "cancelled dialog";
}

TEST_F(CommandButtonsTest, LearningToggleAndPressureMapWrite) {
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::EmulatorLearning));
  EXPECT_TRUE(m.link.UczenieEmulacji());
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::EmulatorLearning));
  EXPECT_FALSE(m.link.UczenieEmulacji());
  EXPECT_TRUE(RunCommand(m.link, m.ui, command_tag::WritePressureMap));
  EXPECT_TRUE(m.link.FlagiZapisu() & AreaBit::PressureMap);
}

}  // namespace

// Long captions in a narrow bar pack the buttons close instead of pushing them out of the bar.
TEST(CommandButtonMarginTest, PacksTheButtonsWhenTheyDoNotFit) {
  const std::vector<int> polish = {90, 100, 125, 75};  // four captions, 390 pixels
  EXPECT_EQ(CommandButtonMargin(500, polish, 6), 20) << "390 + 4 x 26 = 494";
  EXPECT_EQ(CommandButtonMargin(493, polish, 6), 8);
  EXPECT_EQ(CommandButtonMargin(0, {}, 6), 20) << "no buttons";
}
