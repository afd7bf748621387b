// The gas level sensor window's rules without a window: presets, the threshold order, the
// shift of all four, the LEDs and the colour schemes.

#include <gtest/gtest.h>

#include "settings/LevelRules.h"
#include "settings/SetValue.h"
#include "tests/support/IdentifiedLinkTest.h"

namespace {

class LevelRulesTest : public IdentifiedLinkTest {
 protected:
  LevelRulesTest() { Identify(2, 17); }
  void Thresholds(int s41, int s42, int s43, int s44) {
    S(41) = static_cast<uint8_t>(s41);
    S(42) = static_cast<uint8_t>(s42);
    S(43) = static_cast<uint8_t>(s43);
    S(44) = static_cast<uint8_t>(s44);
  }
  std::vector<int> Thresholds() { return {S(41), S(42), S(43), S(44)}; }
  EditorView view{2, EditorView::kMainPage, true};
};

TEST_F(LevelRulesTest, ChoosingATypeWritesItsThresholds) {
  SetValue(link, view, level::kSensorType, 6, 1);
  // 1/4, 1/2, 3/4 and 4/4 LED in volts.
  EXPECT_DOUBLE_EQ(level::Volts(S(44)), 0.14);
  EXPECT_DOUBLE_EQ(level::Volts(S(43)), 0.24);
  EXPECT_DOUBLE_EQ(level::Volts(S(42)), 0.42);
  EXPECT_DOUBLE_EQ(level::Volts(S(41)), 0.56);
  EXPECT_TRUE(level::InOrder(link));
  SetValue(link, view, level::kSensorType, 11, 1);
  EXPECT_EQ(Thresholds(), (std::vector<int>{3, 17, 47, 60}));
  EXPECT_TRUE(level::InOrder(link)) << "every preset is in its own order";
}

TEST_F(LevelRulesTest, TheThresholdsOnTheWrongSideAreRed) {
  struct Case {
    int type;
    std::vector<int> thresholds;  // 41, 42, 43, 44
    std::array<bool, 4> red;
  };
  const Case cases[] = {
      {6, {28, 21, 12, 7}, {false, false, false, false}},
      {6, {28, 21, 12, 12}, {false, false, false, false}},  // equal is in order
      {6, {28, 21, 12, 13}, {false, false, true, true}},
      {6, {20, 21, 12, 7}, {true, true, false, false}},
      {6, {28, 11, 12, 7}, {false, true, true, false}},
      {1, {8, 20, 39, 44}, {false, false, false, false}},
      {1, {8, 20, 39, 30}, {false, false, true, true}},  // falling: 44 below 43
      {1, {8, 20, 39, 39}, {false, false, false, false}},
      {1, {8, 40, 39, 44}, {false, true, true, false}},
      {1, {25, 20, 39, 44}, {true, true, false, false}},
  };
  for (const Case& c : cases) {
    S(40) = static_cast<uint8_t>(c.type);
    Thresholds(c.thresholds[0], c.thresholds[1], c.thresholds[2], c.thresholds[3]);
    EXPECT_EQ(level::OutOfOrder(link), c.red) << c.type << ": " << c.thresholds[3];
  }
}

TEST_F(LevelRulesTest, TheShiftMovesAllFourButNotPastTheirLimits) {
  Thresholds(255, 100, 50, 0);
  level::ShiftAll(link, view, +1);
  EXPECT_EQ(Thresholds(), (std::vector<int>{255, 101, 51, 1}));
  Thresholds(255, 100, 50, 0);
  level::ShiftAll(link, view, -1);
  EXPECT_EQ(Thresholds(), (std::vector<int>{254, 99, 49, 0}));
}

TEST_F(LevelRulesTest, AThresholdStaysInsideItsByte) {
  Thresholds(40, 30, 20, 10);
  for (int raw : {256, -1, 1000})
    level::SetThreshold(link, view, 42, raw);
  EXPECT_EQ(S(42), 30);
  level::SetThreshold(link, view, 42, 255);
  EXPECT_EQ(S(42), 255);
}

TEST_F(LevelRulesTest, ListsFollowTheFirmware) {
  struct Case {
    int firmware, setting;
    bool enabled;
  };
  const Case cases[] = {{7, 139, false}, {8, 139, true}, {8, 72, false}, {9, 72, true},
                        {10, 47, false}, {11, 47, true}, {1, 47, true},  {2, 139, false},
                        {3, 40, true},   {3, 98, true}};
  for (const Case& c : cases) {
    Identify(2, c.firmware);
    EXPECT_EQ(level::ListEnabled(link, c.setting), c.enabled) << c.firmware << ": " << c.setting;
  }
  EXPECT_EQ(level::ListItems(link, 72), (std::vector<std::string>{"No", "Yes"}));
  EXPECT_EQ(level::ListItems(link, 40).size(), 5u) << "firmware 3 knows five sensor types";
  Identify(2, 17);
  EXPECT_EQ(level::ListItems(link, 40).size(), 12u);
}

TEST_F(LevelRulesTest, ANewVolumeIsHeardAndOtherListsAreOnlyStored) {
  LinkTestAccess::FlagiRozkazow(link) = 0;
  level::ChooseOption(link, view, 99, 2);
  EXPECT_EQ(S(99), 2);
  EXPECT_EQ(link.FlagiRozkazow(), 0u);
  level::ChooseOption(link, view, 98, 1);
  EXPECT_EQ(S(98), 1);
  EXPECT_TRUE(link.FlagiRozkazow() & CommandBit::SpeakerTest);
}

TEST_F(LevelRulesTest, LedByteLightsTheSwitch) {
  constexpr uint32_t G = 0x00A000, O = 0xA4A0A0, R = 0x0000C8;
  struct Case {
    int byte;
    std::array<uint32_t, 5> colours;
  };
  const Case cases[] = {
      {0x21, {G, O, O, O, R}}, {0x3C, {G, G, G, G, O}}, {0x06, {O, O, O, G, G}},
      {0x03, {O, O, O, O, G}}, {0x00, {O, O, O, O, O}}, {0x18, {O, G, G, O, O}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(level::LedColours(c.byte), c.colours) << c.byte;
}

TEST_F(LevelRulesTest, PaletteCellsPickTheirSchemes) {
  EXPECT_EQ(level::PaletteCode(0, 0), 0);
  EXPECT_EQ(level::PaletteCode(399, 239), 24);
  EXPECT_EQ(level::PaletteCode(170, 85), 12);
  const auto grey = level::Scheme(level::PaletteCode(170, 170));
  ASSERT_TRUE(grey);
  EXPECT_EQ(*grey, (std::array<uint32_t, 7>{0x646464, 0xA0A0A0, 0xC8C8C8, 0xF0F0F0, 0x0000F0,
                                            0xF0F0F0, 0x0000F0}));
  EXPECT_EQ((*level::Scheme(10))[4], 0x00F0F0u) << "a yellow reserve";
  for (int code : {5, 9, 15, 25, 30, -1})
    EXPECT_FALSE(level::Scheme(code)) << code;
}

TEST_F(LevelRulesTest, SavedColoursGoToTheImageWithTheirCommand) {
  const auto defaults = link.KoloryLed();
  EXPECT_EQ(defaults[1], 0x00EC76u) << "the defaults from the start";
  LinkTestAccess::FlagiRozkazow(link) = 0;
  link.ZapiszKoloryLed(*level::Scheme(13));
  const auto& image = link.ObrazSterownika();
  EXPECT_EQ(image[125], 0xD2);  // 4/4 red, green, blue
  EXPECT_EQ(image[126], 0x8E);
  EXPECT_EQ(image[127], 0x00);
  EXPECT_EQ(image[146], 255);
  for (int i = 147; i <= 154; ++i)
    EXPECT_EQ(image[i], 0) << i;
  EXPECT_EQ(link.KoloryLed(), *level::Scheme(13));
  EXPECT_TRUE(link.FlagiRozkazow() & CommandBit::SendLedColours);
}

}  // namespace
