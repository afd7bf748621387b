#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "app/MapSubViews.h"
#include "tests/support/IdentifiedLinkTest.h"

namespace {

size_t At(int button) {
  return static_cast<size_t>(std::find(kMapButtons.begin(), kMapButtons.end(), button) -
                             kMapButtons.begin());
}

class MapSubViewsTest : public IdentifiedLinkTest {};

TEST_F(MapSubViewsTest, RowsFollowFamilyFirmwareAndLevel) {
  struct Case {
    int family, firmware, special, admin;
    int height;
    bool corrections, injectionOffset, admixture, gasAdvance;
    int admixtureCaption;
  };
  const Case cases[] = {
      {2, 12, 0, 0, 25, true, true, true, false, 1218},
      {2, 15, 0, 0, 50, true, false, true, false, 4560},  // offsets only for the extended level
      {2, 15, 0, 2, 50, true, true, true, false, 4560},
      {5, 15, 11, 0, 50, false, false, true, false, 4560},  // the special version 11
      {6, 15, 0, 0, 50, false, false, true, false, 4560},
      {255, 14, 0, 0, 50, true, true, true, false, 1220},
      {255, 17, 0, 0, 50, true, true, true, true, 1220},
  };
  for (const Case& c : cases) {
    Identify(c.family, c.firmware, 3, 4, 0, c.special);
    const MapRows rows = MapRowsOf(link, c.admin, false);
    SCOPED_TRACE(testing::Message() << c.family << " v" << c.firmware << " admin " << c.admin);
    EXPECT_EQ(rows.height, c.height);
    EXPECT_TRUE(rows.visible[At(11)] && rows.visible[At(12)]);
    EXPECT_EQ(rows.visible[At(13)], c.corrections);
    EXPECT_EQ(rows.visible[At(21)], c.injectionOffset);
    EXPECT_EQ(rows.visible[At(22)], c.admixture);
    EXPECT_EQ(rows.visible[At(23)], c.gasAdvance);
    EXPECT_FALSE(rows.visible[At(25)]);
    EXPECT_EQ(rows.captionId[At(22)], c.admixtureCaption);
  }
  Identify(8, 10);
  EXPECT_EQ(MapRowsOf(link, 0, false).height, 0) << "an emulator has no map rows";
}

TEST_F(MapSubViewsTest, KindAndStripFollowFamilyAndSettings) {
  Identify(2, 15);
  const MapSubView map = MapSubViewOf(link, 11);
  EXPECT_EQ(map.kind, 0);
  EXPECT_EQ(map.stripHeight, 96);
  EXPECT_EQ(map.stripMode, 20);
  EXPECT_TRUE(map.help);
  EXPECT_EQ(MapSubViewOf(link, 13).kind, 2);
  EXPECT_EQ(MapSubViewOf(link, 13).stripHeight, 0);
  EXPECT_EQ(MapSubViewOf(link, 16).kind, 5);
  EXPECT_EQ(MapSubViewOf(link, 22).kind, 11);
  Identify(255, 17);
  EXPECT_EQ(MapSubViewOf(link, 16).kind, 6);
  S(138) = 2;
  const MapSubView characteristic = MapSubViewOf(link, 16);
  EXPECT_EQ(characteristic.kind, 7);
  EXPECT_TRUE(characteristic.scopeAbove);
  EXPECT_EQ(MapSubViewOf(link, 23).stripHeight, 118);
}

TEST_F(MapSubViewsTest, EverySubViewOffersItsCommands) {
  struct Case {
    int family, firmware, button, emulatorMode;
    std::array<int, 4> tags;
  };
  const Case cases[] = {
      {2, 15, 11, 0, {311, 312, 313, 0}},   {2, 15, 12, 0, {321, 322, 323, 0}},
      {2, 15, 13, 0, {331, 0, 0, 0}},       {2, 15, 15, 0, {331, 0, 0, 0}},
      {2, 15, 16, 0, {340, 342, 343, 0}},   {2, 15, 16, 3, {340, 342, 343, 344}},
      {2, 15, 21, 0, {361, 0, 0, 0}},       {2, 15, 22, 0, {381, 0, 0, 0}},
      {2, 12, 22, 0, {371, 0, 0, 0}},       {255, 17, 16, 0, {341, 342, 343, 0}},
      {255, 17, 21, 0, {362, 0, 0, 0}},     {255, 17, 22, 0, {372, 373, 374, 375}},
      {255, 17, 23, 0, {348, 0, 0, 0}},     {255, 17, 24, 0, {349, 0, 0, 0}},
      {255, 17, 26, 0, {345, 346, 347, 0}}, {8, 10, 16, 0, {340, 342, 343, 344}},
  };
  for (const Case& c : cases) {
    Identify(c.family, c.firmware);
    S(15) = static_cast<uint8_t>(c.emulatorMode);
    SCOPED_TRACE(testing::Message() << c.family << " v" << c.firmware << " button " << c.button);
    const CommandRow row = MapSubViewOf(link, c.button).commands;
    for (size_t i = 0; i < 4; ++i)
      EXPECT_EQ(row[i].tag, c.tags[i]) << "Btn5" << i + 1;
  }
  Identify(255, 17);
  S(138) = 2;
  EXPECT_EQ(MapSubViewOf(link, 16).commands[0].tag, 0) << "the characteristic has no table";
}

TEST_F(MapSubViewsTest, EmulatorCaptionsSayWhatTheButtonDoes) {
  Identify(2, 15);
  S(15) = 3;
  CommandRow row = MapSubViewOf(link, 16).commands;
  EXPECT_EQ(row[0].caption, "   " + LangText(1258) + "   ");
  EXPECT_EQ(row[3].caption, "  " + LangText(1201) + " " + LangText(1261) + "  ");
  EXPECT_EQ(row[3].colour, CommandButton::Colour::Selected);
  link.SetUczenieEmulacji(true);
  row = MapSubViewOf(link, 16).commands;
  EXPECT_EQ(row[3].caption, "  " + LangText(1201) + " " + LangText(1263) + "  ");
  EXPECT_EQ(row[3].colour, CommandButton::Colour::Red);
  S(15) = 1;
  EXPECT_FALSE(EmulatorLearningOffered(link));
}

TEST_F(MapSubViewsTest, ToolsFollowTheTableAndItsAxis) {
  struct Case {
    int family, kind, upperTable, correctionAxis, emulatorAxis;
    MapTools tools;
  };
  const Case cases[] = {
      {2, 0, 0, 0, 0, {}},
      {2, 4, 0, 0, 0, {}},
      {2, 1, 0, 0, 0, {false, true, true, true, true, true}},
      {2, 1, 1, 0, 0, {true, true, true, true, true, true}},
      {2, 1, 0, 1, 0, {false, true, true, true, false, true}},  // no range for a time axis
      {255, 1, 2, 1, 0, {true, false, true, true, true, true}},
      {2, 5, 0, 0, 0, {false, false, false, false, false, true}},
      {2, 5, 0, 0, 2, {false, false, false, false, true, true}},
      {255, 15, 0, 0, 2, {false, false, false, false, true, true}},
  };
  for (const Case& c : cases) {
    Identify(c.family, 17);
    S(76) = static_cast<uint8_t>(c.correctionAxis);
    S(48) = static_cast<uint8_t>(c.emulatorAxis);
    SCOPED_TRACE(testing::Message() << c.family << " kind " << c.kind << " upper " << c.upperTable);
    const MapTools t = MapToolsOf(link, c.kind, c.upperTable);
    EXPECT_EQ(t.viewRow, c.tools.viewRow);
    EXPECT_EQ(t.axis, c.tools.axis);
    EXPECT_EQ(t.nearest, c.tools.nearest);
    EXPECT_EQ(t.smooth, c.tools.smooth);
    EXPECT_EQ(t.range, c.tools.range);
    EXPECT_EQ(t.plusMinus, c.tools.plusMinus);
  }
}

TEST_F(MapSubViewsTest, CaptionsShowWhatTheControllerUses) {
  Identify(2, 15);
  S(15) = 0;
  EXPECT_FALSE(MapSubViewInUse(link, 16));
  S(15) = 3;
  EXPECT_TRUE(MapSubViewInUse(link, 16));
  EXPECT_FALSE(MapSubViewInUse(link, 11)) << "the injection map is never marked in use";
  EXPECT_FALSE(MapSubViewInUse(link, 23)) << "gas advance is a KAVI table";
  Identify(255, 17);
  S(261) = 1;
  EXPECT_TRUE(MapSubViewInUse(link, 23));
}

TEST_F(MapSubViewsTest, BankRowFollowsBoardAndBank) {
  Identify(2, 15);
  EXPECT_FALSE(BankRowOf(link, 0).shown) << "one bank only";
  Identify(5, 15);
  const BankRow both = BankRowOf(link, 0);
  ASSERT_TRUE(both.shown);
  EXPECT_TRUE(both.bothShown);
  EXPECT_EQ(both.captions[0], LangText(1720) + " 1&2");
  EXPECT_EQ(both.pressed, 0);
  EXPECT_EQ(both.copyTag, 0) << "no copy while both banks are edited together";
  EXPECT_FALSE(BankRowOf(link, 5).shown) << "the emulator tables have one bank";
  EXPECT_FALSE(BankRowOf(link, 17).shown);
  S(92) = S(90) + 1;  // the banks differ: the first is in view, and copies onto the second
  link.WyznaczBank();
  EXPECT_EQ(BankRowOf(link, 0).pressed, 1);
  EXPECT_EQ(BankRowOf(link, 0).copyTag, 3);
  Identify(255, 17, 12);
  const BankRow diMpi = BankRowOf(link, 0);
  ASSERT_TRUE(diMpi.shown);
  EXPECT_FALSE(diMpi.bothShown);
  EXPECT_EQ(diMpi.captions[1], "DI");
  EXPECT_EQ(diMpi.captions[2], "MPI");
  EXPECT_EQ(diMpi.copyTag, 0);
}

}  // namespace
