// The injection-time grid's rules: rows, labels, colours, switch-off boxes, and the mask a
// click on a box sends.

#include "controller/InjectionRows.h"

#include <gtest/gtest.h>

#include "controller/Colour.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

namespace {

class InjectionRowsTest : public ::testing::Test {
 protected:
  // A controller of the family, model and injector count, its lists built as after
  // identification.
  void Identify(int family, int model, int injectors, int special = 0, int variant = 0) {
    auto& image = LinkTestAccess::ObrazSterownika(link);
    image[img::Schemat] = static_cast<uint8_t>(family);
    image[img::Wyrob] = static_cast<uint8_t>(model);
    image[img::IleWtr] = static_cast<uint8_t>(injectors);
    image[img::Opis] = static_cast<uint8_t>(special);
    image[img::WariantPlytki] = static_cast<uint8_t>(variant);
    image[img::Wersja] = 17;
    link.ListaNastawWykresyOdPlytki(0);
  }
  uint8_t* Settings() { return LinkTestAccess::Nastawy(link); }

  OfflineLink offline;
  TSterownik& link = offline.link;
};

TEST_F(InjectionRowsTest, MalverRowsShowTheirCylindersAndBoxes) {
  Identify(2, 3, 4);
  Settings()[32] = 0b101;  // channel 1 driven by cylinders 1 and 3
  Settings()[33] = 0b10;
  Settings()[34] = 0;  // channel 3 unused
  LinkTestAccess::ZalaczoneWtryskiwacze(link) = 0b0010;
  EXPECT_EQ(InjectionRowCount(link, false), 4);
  EXPECT_EQ(InjectionRowCount(link, true), 1);
  const InjectionRow first = InjectionRowOf(link, 0);
  EXPECT_EQ(first.label, "1");
  EXPECT_EQ(first.cylinders, "13");
  EXPECT_TRUE(first.active && first.switchOffBox && !first.switchedOn && !first.coloured);
  EXPECT_TRUE(InjectionRowOf(link, 1).switchedOn);
  EXPECT_FALSE(InjectionRowOf(link, 2).active) << "no petrol input: no times";
  EXPECT_EQ(first.petrolBarScale, 1.0);
}

TEST_F(InjectionRowsTest, BoxesThatAreNotThere) {
  Identify(5, 4, 8, 6);  // FORTIX "4x2 inj. (QASHQAI)": channels switched in pairs
  EXPECT_TRUE(InjectionRowOf(link, 0).switchOffBox);
  EXPECT_FALSE(InjectionRowOf(link, 1).switchOffBox);

  Identify(255, 9, 4, 0, 16);  // KAVI DUAL: channels kept on petrol have no box
  Settings()[31] = 0b0100;
  EXPECT_FALSE(InjectionRowOf(link, 2).switchOffBox);
  EXPECT_TRUE(InjectionRowOf(link, 1).switchOffBox);
}

TEST_F(InjectionRowsTest, KaviLabelsAndColours) {
  struct Case {
    int model, injectors, special;
    int rows;
    std::vector<std::string> labels;
    std::vector<uint32_t> colours;
  };
  const uint32_t yellow = Rgb(255, 223, 0), green = Rgb(0, 234, 0), red = Rgb(255, 40, 40),
                 blue = Rgb(80, 80, 255);
  const Case cases[] = {
      // the two-bank model numbers each bank's channels from 1 and colours them alike
      {12, 6, 0, 6, {"1", "2", "3", "1", "2", "3"}, {yellow, green, red, yellow, green, red}},
      {12,
       8,
       0,
       8,
       {"1", "2", "3", "4", "1", "2", "3", "4"},
       {yellow, green, red, blue, yellow, green, red, blue}},
      // six re-ordered channels take the colour of their cylinder's firing position
      {9,
       6,
       0,
       6,
       {"1", "2", "3", "4", "5", "6"},
       {yellow, green, Rgb(255, 168, 201), Rgb(255, 40, 255), red, blue}},
      {9, 6, 10, 3, {"1", "2", "3"}, {yellow, green, Rgb(255, 168, 201)}},  // "3 cyl."
  };
  for (const Case& c : cases) {
    Identify(255, c.model, c.injectors, c.special);
    Settings()[93] = 0;  // the first firing order
    SCOPED_TRACE(c.model * 100 + c.injectors);
    ASSERT_EQ(InjectionRowCount(link, false), c.rows);
    for (int row = 0; row < c.rows; ++row) {
      const InjectionRow r = InjectionRowOf(link, row);
      EXPECT_EQ(r.label, c.labels[static_cast<size_t>(row)]) << row;
      EXPECT_EQ(r.cylinders, r.label);
      EXPECT_EQ(r.colour, c.colours[static_cast<size_t>(row)]) << row;
      EXPECT_TRUE(r.coloured && r.active);
      EXPECT_EQ(r.petrolBarScale, 3.0);
    }
  }
}

// The two-bank model marks where each bank starts and shows its port bank's petrol times apart.
TEST_F(InjectionRowsTest, TwoBankModelNamesItsBanks) {
  for (const int injectors : {6, 8}) {
    Identify(255, 12, injectors);
    const int firstPort = injectors / 2;
    for (int row = 0; row < injectors; ++row) {
      const InjectionRow r = InjectionRowOf(link, row);
      SCOPED_TRACE(injectors * 10 + row);
      EXPECT_EQ(r.bankLabel, row == 0 ? "DI" : row == firstPort ? "MPI" : "");
      EXPECT_EQ(r.portInjection, row >= firstPort);
      EXPECT_TRUE(r.blackLabels);
    }
  }
  Identify(255, 9, 6);
  EXPECT_EQ(InjectionRowOf(link, 0).bankLabel, "");
  EXPECT_FALSE(InjectionRowOf(link, 4).portInjection || InjectionRowOf(link, 4).blackLabels);
}

TEST_F(InjectionRowsTest, RowsNeverExceedTheGrid) {
  Identify(2, 3, 4);
  LinkTestAccess::IleWtryskiwaczy(link) = 9;  // a controller in its bootloader reports anything
  EXPECT_EQ(InjectionRowCount(link, false), 8);
  LinkTestAccess::IleWtryskiwaczy(link) = 0;
  EXPECT_EQ(InjectionRowCount(link, false), 1);
}

TEST_F(InjectionRowsTest, ClickingABoxSwitchesTheChannelsOfItsRule) {
  struct Case {
    int switching;
    int row;
    uint8_t petrolOnly;
    uint8_t mask;
  };
  const Case cases[] = {
      {0, 2, 0, 0xFF ^ 0x04}, {1, 0, 0, 0xFF ^ 0x55}, {1, 3, 0, 0xFF ^ 0xAA},
      {2, 1, 0, 0x00},        {0, 1, 0x03, 0xFC},  // channels kept on petrol stay off gas
  };
  for (const Case& c : cases) {
    Identify(2, 3, 4);
    Settings()[56] = static_cast<uint8_t>(c.switching);
    Settings()[31] = c.petrolOnly;
    LinkTestAccess::ZalaczoneWtryskiwacze(link) = 0xFF;
    LinkTestAccess::FlagiRozkazow(link) = 0;
    link.ToggleInjector(c.row);
    EXPECT_EQ(link.ZalaczoneWtryskiwacze(), c.mask) << c.switching << "/" << c.row;
    EXPECT_EQ(link.FlagiRozkazow(), CommandBit::SendInjectorMask) << "sent even when unchanged";
  }

  Identify(255, 9, 6);  // re-ordered channels: the box of a cylinder switches its channel
  Settings()[31] = Settings()[56] = Settings()[93] = 0;
  LinkTestAccess::ZalaczoneWtryskiwacze(link) = 0xFF;
  link.ToggleInjector(2);
  EXPECT_EQ(link.ZalaczoneWtryskiwacze(), 0xFF ^ (1 << link.FsiPozKanalu(2)));
  EXPECT_FALSE(InjectionRowOf(link, 2).switchedOn);
  link.ToggleInjector(8);  // no such row
  EXPECT_EQ(link.ZalaczoneWtryskiwacze(), 0xFF ^ (1 << link.FsiPozKanalu(2)));
}

}  // namespace
