// The injector sequence window's rules without a window: the assignment matrix, the banks, the
// injection order with its check and rotation, and the detected firing order.

#include <gtest/gtest.h>

#include "controller/StatusDecoding.h"
#include "settings/SequenceRules.h"
#include "tests/support/IdentifiedLinkTest.h"

namespace {

class SequenceRulesTest : public IdentifiedLinkTest {
 protected:
  // A MALVER controller with every channel on its own petrol input.
  void Sequential(int channels, int family = 2) {
    Identify(family, 15, 3, channels);
    S(8) = 0;
    for (int r = 1; r <= 8; ++r)
      S(31 + r) = static_cast<uint8_t>(r <= channels ? 1 << (r - 1) : 0);
    S(31) = static_cast<uint8_t>(~((1 << channels) - 1));
    for (int c = 0; c < 8; ++c)
      S(288 + c) = static_cast<uint8_t>(c);
    LinkTestAccess::ZalaczoneWtryskiwacze(link) = static_cast<uint8_t>((1 << channels) - 1);
    LinkTestAccess::FlagiRozkazow(link) = 0;
    LinkTestAccess::FlagiZapisu(link) = 0;
  }
  std::vector<int> Inputs() {
    std::vector<int> inputs;
    for (int r = 1; r <= 8; ++r)
      inputs.push_back(S(31 + r));
    return inputs;
  }
  std::vector<int> Positions(int channels) {
    std::vector<int> positions;
    for (int c = 0; c < channels; ++c)
      positions.push_back(S(288 + c));
    return positions;
  }
  EditorView view{2, EditorView::kMainPage, true};
};

TEST_F(SequenceRulesTest, TheWindowServesFourSixOrEightChannelsOfMalver) {
  for (int family : {2, 5, 6, 255}) {
    for (int channels : {4, 6, 8}) {
      Identify(family, 15, 3, channels);
      EXPECT_EQ(sequence::Applies(link), family != 255) << family << ": " << channels;
    }
  }
  Identify(2, 15);
  LinkTestAccess::IleWtryskiwaczy(link) = 5;
  EXPECT_FALSE(sequence::Applies(link));
}

TEST_F(SequenceRulesTest, TheInjectionTypeTintsTheCellsItExpects) {
  struct Case {
    int type, row, channel;
    bool expected;
  };
  const Case cases[] = {
      {0, 3, 3, true},  {0, 3, 2, false}, {1, 1, 3, true}, {1, 2, 4, true},
      {1, 1, 4, false}, {1, 3, 3, false}, {2, 1, 6, true}, {2, 2, 2, false},
  };
  Sequential(6);
  for (const Case& c : cases) {
    S(8) = static_cast<uint8_t>(c.type);
    EXPECT_EQ(sequence::Expected(link, c.row, c.channel), c.expected)
        << c.type << ": " << c.row << "/" << c.channel;
  }
}

TEST_F(SequenceRulesTest, ACellClickMovesTheChannelAndASecondClickLeavesItOnPetrol) {
  Sequential(6);
  EXPECT_EQ(Inputs(), (std::vector<int>{1, 2, 4, 8, 16, 32, 0, 0}));
  EXPECT_EQ(S(31), 0xC0);

  sequence::ClickCell(link, view, 1, 3);  // channel 3 leaves input 3 for input 1
  EXPECT_EQ(Inputs(), (std::vector<int>{5, 2, 0, 8, 16, 32, 0, 0}));
  EXPECT_EQ(S(31), 0xC0) << "channel 3 still has an input";
  EXPECT_TRUE(sequence::InputUnused(link, 3));
  EXPECT_EQ(link.ZalaczoneWtryskiwacze(), 0x3F);
  EXPECT_TRUE(link.FlagiRozkazow() & CommandBit::SendInjectorMask);

  sequence::ClickCell(link, view, 1, 3);
  EXPECT_EQ(Inputs(), (std::vector<int>{1, 2, 0, 8, 16, 32, 0, 0}));
  EXPECT_TRUE(sequence::OnPetrolOnly(link, 3));
  EXPECT_EQ(link.ZalaczoneWtryskiwacze(), 0x3B) << "the channel stays off gas";
}

TEST_F(SequenceRulesTest, ACellBelowTheMatrixTogglesTheChannelOnPetrol) {
  Sequential(4);
  sequence::ClickCell(link, view, 2, 4);  // channel 4 shares input 2
  sequence::ClickBelow(link, view, 4);
  EXPECT_TRUE(sequence::OnPetrolOnly(link, 4));
  EXPECT_EQ(Inputs(), (std::vector<int>{1, 2, 4, 0, 0, 0, 0, 0}));
  EXPECT_EQ(link.ZalaczoneWtryskiwacze(), 0x07);

  sequence::ClickBelow(link, view, 4);  // back on its own input, not the one it shared
  EXPECT_EQ(Inputs(), (std::vector<int>{1, 2, 4, 8, 0, 0, 0, 0}));
  EXPECT_EQ(S(31), 0xF0);
  EXPECT_EQ(link.ZalaczoneWtryskiwacze(), 0x0F);
}

TEST_F(SequenceRulesTest, ClicksOutsideTheChannelsChangeNothing) {
  Sequential(4);
  for (auto [row, channel] : {std::pair{0, 1}, {1, 5}, {5, 1}, {1, 0}})
    sequence::ClickCell(link, view, row, channel);
  sequence::ClickBelow(link, view, 5);
  EXPECT_EQ(Inputs(), (std::vector<int>{1, 2, 4, 8, 0, 0, 0, 0}));
  EXPECT_EQ(link.FlagiZapisu(), 0u);
}

TEST_F(SequenceRulesTest, BankColumnsClearOrSetTheChannelsBit) {
  Sequential(8);
  S(30) = 0x0F;
  sequence::SetBank(link, view, 6, 2);
  sequence::SetBank(link, view, 2, 1);
  EXPECT_EQ(S(30), 0x2D);
  EXPECT_TRUE(sequence::InBank2(link, 6));
  EXPECT_FALSE(sequence::InBank2(link, 2));
}

TEST_F(SequenceRulesTest, TheOrderIsCheckedByTheSumOfItsPattern) {
  struct Case {
    uint8_t petrolOnly;
    std::vector<uint8_t> positions;
    int channels;
    int pattern;
    bool valid;
    int mode, entries;
  };
  const Case cases[] = {
      {0xFC, {1, 0}, 8, 3, true, 0, 2},
      {0xF0, {0, 2, 3, 1}, 4, 15, true, 0, 4},
      {0xF0, {0, 2, 3, 3}, 4, 15, false, 0, 4},
      {0xE0, {0, 1, 2, 3, 4}, 8, 31, true, 0, 5},
      {0xC0, {2, 0, 1, 5, 3, 4}, 6, 63, true, 1, 3},
      {0x88, {0, 1, 2, 7, 4, 5, 6, 0}, 8, 119, true, 2, 3},
      {0x00, {0, 1, 2, 3, 4, 5, 6, 7}, 8, 255, true, 3, 4},
      {0x00, {0, 1, 2, 3, 4, 5, 6, 6}, 8, 255, false, 3, 4},
      {0xF2, {0, 9, 1, 2}, 4, 13, false, 0, 1},  // a pattern without a rule
      {0x00, {0, 1, 2, 3}, 4, 15, true, 0, 4},   // channels beyond the controller don't count
  };
  for (const Case& c : cases) {
    const auto check = sequence::CheckOrder(c.petrolOnly, c.positions, c.channels);
    EXPECT_EQ(check.pattern, c.pattern) << int(c.petrolOnly);
    EXPECT_EQ(check.valid, c.valid) << int(c.petrolOnly);
    EXPECT_EQ(check.mode, c.mode) << int(c.petrolOnly);
    EXPECT_EQ(check.entries, c.entries) << int(c.petrolOnly);
  }
}

TEST_F(SequenceRulesTest, RotationRewritesTheOrderByTheChannelPattern) {
  struct Case {
    int channels;
    uint8_t petrolOnly;
    int k;
    std::vector<int> positions;
  };
  const Case cases[] = {
      {6, 0xC0, 1, {2, 0, 1, 5, 3, 4}},
      {6, 0xC0, 2, {1, 2, 0, 4, 5, 3}},
      {8, 0x88, 1, {2, 0, 1, 4, 6, 4, 5, 0}},  // channels 4 and 8 keep theirs
      {8, 0x00, 3, {1, 2, 3, 0, 5, 6, 7, 4}},
      {8, 0x00, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
      {4, 0xF0, 2, {0, 1, 2, 3}},  // in line: nothing to rotate
  };
  for (const Case& c : cases) {
    Sequential(c.channels);
    S(31) = c.petrolOnly;
    for (int i = 0; i < c.channels; ++i)
      S(288 + i) = static_cast<uint8_t>(c.channels - 1 - i);
    sequence::Rotate(link, view, c.k);
    EXPECT_EQ(S(135), c.k);
    EXPECT_EQ(Positions(c.channels), c.positions) << c.channels << " k " << c.k;
  }
}

TEST_F(SequenceRulesTest, TheRotationListFollowsThePattern) {
  Sequential(6);
  EXPECT_EQ(sequence::RotationItems(link), (std::vector<std::string>{LangText(1081), "-1", "-2"}));
  Sequential(8);
  EXPECT_EQ(sequence::RotationItems(link).size(), 4u);
  S(31) = 0xF8;
  EXPECT_EQ(sequence::RotationItems(link).size(), 3u);
}

TEST_F(SequenceRulesTest, TypingAPositionKeepsItInsideTheChannels) {
  struct Case {
    std::string typed;
    int stored;
  };
  const Case cases[] = {{"3", 2}, {"6", 5}, {"9", 0},  {"7", 0}, {"0", 0},
                        {"x", 0}, {"", 0},  {"-2", 0}, {"2a", 0}};
  Sequential(6);
  for (const Case& c : cases) {
    S(290) = 4;
    sequence::TypePosition(link, view, 3, c.typed);
    EXPECT_EQ(S(290), c.stored) << "'" << c.typed << "'";
  }
  EXPECT_EQ(sequence::PositionText(link, 3), "1");
  sequence::ClickBelow(link, view, 3);
  EXPECT_EQ(sequence::PositionText(link, 3), "-");
}

// A status frame of the length given, the engine at rpm, the detected order from byte 70.
DecodedStatus Frame(const TSterownik& link, int length, int rpm,
                    const std::vector<uint8_t>& order) {
  std::vector<uint8_t> bytes(static_cast<size_t>(length), 0);
  bytes[status_frame::kRpmTens] = static_cast<uint8_t>(rpm / 10);
  bytes[status_frame::kRpmTens + 1] = static_cast<uint8_t>(rpm / 10 >> 8);
  for (size_t i = 0; i < order.size() && 70 + i < bytes.size(); ++i)
    bytes[70 + i] = order[i];
  DecodedStatus status;
  TakeFrame(0x81, bytes, status);
  DecodeStatus({link.Rodzina(), link.ListaWykresow(), link.Nastawy()}, status);
  return status;
}

TEST_F(SequenceRulesTest, TheDetectedOrderShowsOnlyAtLowSmoothedSpeed) {
  Sequential(4, 5);
  sequence::DetectionDisplay display;
  // The average starts at 3000 rpm and falls towards the idle speed frame by frame.
  int frames = 0;
  while (!display.Frame(link, Frame(link, 128, 800, {0, 2, 3, 1}))) {
    ASSERT_LT(++frames, 100);
  }
  EXPECT_GT(frames, 5) << "one slow frame does not pull the average down";
  const auto shown = display.Frame(link, Frame(link, 128, 800, {0, 2, 3, 1}));
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->text, "1-3-4-2");
  EXPECT_TRUE(shown->valid);
  const auto wrong = display.Frame(link, Frame(link, 128, 800, {0, 2, 2, 1}));
  ASSERT_TRUE(wrong);
  EXPECT_FALSE(wrong->valid);

  EXPECT_FALSE(display.Frame(link, Frame(link, 70, 800, {}))) << "no detection bytes";
  EXPECT_FALSE(display.Frame(link, Frame(link, 128, 800, {0, 2, 4, 1}))) << "no channel 5";
  S(31) = 0xF4;  // channel 3 on petrol
  EXPECT_EQ(display.Frame(link, Frame(link, 128, 800, {0, 1, 3, 2}))->text, "1-2-3");
}

TEST_F(SequenceRulesTest, OnlyTheFortixFamilyShowsADetection) {
  Sequential(4, 2);
  sequence::DetectionDisplay display;
  for (int i = 0; i < 100; ++i)
    EXPECT_FALSE(display.Frame(link, Frame(link, 128, 800, {0, 2, 3, 1})));
}

}  // namespace
