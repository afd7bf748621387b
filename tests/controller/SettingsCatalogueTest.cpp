// The settings catalogue of each family: records, defaults, range check and value texts.

#include "controller/NumberText.h"
#include "controller/SettingsCatalogue.h"

#include <gtest/gtest.h>

#include "settings/SettingVisibility.h"

#include <algorithm>

#include "controller/Clock.h"
#include "controller/SettingsCatalogueData.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "tests/support/FakeUi.h"
#include "tests/support/LinkTestAccess.h"

namespace {

using namespace catalogue;

int NamedRecords(const Katalog& list) {
  return static_cast<int>(
      std::count_if(list.begin(), list.end(), [](const Nastawa& n) { return n.nazwa != 0; }));
}

TEST(SettingsCatalogueTest, NamedRecordsPerList) {
  EXPECT_EQ(NamedRecords(MalverCatalogue(13)), 131);
  EXPECT_EQ(NamedRecords(MalverCatalogue(17)), 131);
  EXPECT_EQ(NamedRecords(MalverCatalogue(12)), 133) << "settings 137 and 138 are named up to 12";
  EXPECT_EQ(NamedRecords(KaviCatalogue(17, 0)), 175);
  EXPECT_EQ(NamedRecords(KaviCatalogue(11, 13)), 175);
  EXPECT_FALSE(MalverCatalogue(15)[0].nazwa || MalverCatalogue(15)[256].nazwa) << "checksum bytes";
}

TEST(SettingsCatalogueTest, SampleRows) {
  struct Case {
    bool kavi;
    int firmware, setting;
    uint32_t name;
    uint8_t kind, min, def, max;
    double scale;
    uint8_t unit;
    int fromVersion, options;
  };
  const Case cases[] = {
      {false, 15, 1, 3000, kList, 0, 0, 8, 1.0, kNoUnit, 0, 3011},
      {true, 17, 1, 3000, kList, 0, 0, 13, 1.0, kNoUnit, 0, 3011},
      {true, 16, 1, 3000, kList, 0, 0, 8, 1.0, kNoUnit, 0, 3011},
      {false, 15, 3, 3030, kNumber | 2, 5, 50, 200, 0.06, kVolt, 0, 0},
      {true, 17, 5, 4750, kNumber | 1, 0, 5, 25, 0.1, kMs, 9, 0},
      {true, 17, 6, 987, kBitFlag | 1, 0, 9, 255, 1.0, kNoUnit, 12, 0},
      {true, 17, 9, 989, kNumber | 3, 0, 100, 255, 0.008, kMs, 12, 0},
      {false, 15, 111, 4110, kHex, 0, 0, 255, 1.0, kNoUnit, 6, 0},
      {false, 15, 115, 4150, kTroubleCode, 0, 0, 255, 1.0, kNoUnit, 0, 0},
      {false, 15, 127, 4270, kNumber, 10, 33, 250, 10.0, kMs, 6, 0},
      {false, 15, 134, 4442, kNumber, 0, 100, 100, 1.0, kPercent, 13, 0},
      {false, 12, 134, 4440, kSigned, 78, 138, 228, 1.0, kPercent, 11, 0},
      {false, 12, 156, 4560, kYesNo, 0, 0, 1, 1.0, kNoUnit, 5, 0},
      {true, 17, 159, 4590, kNumber, 0, 20, 200, 50.0, kRpm, 9, 0},
      {true, 17, 261, 0, 0, 0, 0, 4, 0, kNoUnit, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setting);
    const Nastawa n =
        (c.kavi ? KaviCatalogue(c.firmware, 0) : MalverCatalogue(c.firmware))[c.setting];
    if (c.name != 0) {
      EXPECT_EQ(n.nazwa, c.name);
      EXPECT_EQ(n.typ, c.kind);
      EXPECT_EQ(n.min, c.min);
      EXPECT_EQ(n.domyslna, c.def);
      EXPECT_DOUBLE_EQ(n.skala, c.scale);
      EXPECT_EQ(n.jednostka, c.unit);
      EXPECT_EQ(n.odWersji, c.fromVersion);
      EXPECT_EQ(n.opcje, c.options);
      EXPECT_EQ(n.normaOd, 0);
      EXPECT_EQ(n.normaDo, 255);
    }
    EXPECT_EQ(n.max, c.max);
  }
}

TEST(SettingsCatalogueTest, StoredDefaultImagesAsDelivered) {
  ObrazNastaw image{};
  int size = 0;
  ASSERT_TRUE(StoredDefaultImage(true, 11, image, size));
  EXPECT_EQ(size, 256);
  EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + 8),
            (std::vector<uint8_t>{0x0E, 0x00, 0x01, 0x32, 0x00, 0x05, 0x00, 0x03}));
  ASSERT_TRUE(StoredDefaultImage(false, 1, image, size));
  EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + 8),
            (std::vector<uint8_t>{0xB0, 0x00, 0x01, 0x32, 0x00, 0x01, 0x00, 0x00}));
  EXPECT_EQ(image[41], 45) << "version 1 level thresholds";
  int stored = 0;
  for (int version = 0; version < 30; ++version) {
    stored += StoredDefaultImage(false, version, image, size);
    stored += StoredDefaultImage(true, version, image, size);
  }
  EXPECT_EQ(stored, 21);
  EXPECT_FALSE(StoredDefaultImage(false, 13, image, size));
  ASSERT_TRUE(StoredDefaultImage(true, 15, image, size));
  EXPECT_EQ(size, 512);
  EXPECT_EQ(image[258], 100);
}

TEST(SettingsCatalogueTest, NumberFormats) {
  EXPECT_EQ(FormatNumber(50 * 0.06, 2), "3.00");
  EXPECT_EQ(FormatNumber(50 * 0.06, 0), "3");
  EXPECT_EQ(FormatNumber(0.1 * 3, 0), "0.3");
  EXPECT_EQ(FormatNumber(12.5, 1), "12.5");
  EXPECT_EQ(FormatNumber(0.008 * 100, 3), "0.800");
  EXPECT_EQ(FormatNumber(-0.001, 2), "0.00") << "no negative zero";
  EXPECT_EQ(FormatNumber(-0.0, 0), "0");
  EXPECT_EQ(FormatNumber(1.23456, 7), "1.2346") << "at most four decimals";
  EXPECT_EQ(FormatNumber(3, 2, ','), "3,00");
}

class LinkCatalogueTest : public ::testing::Test {
 protected:
  LinkCatalogueTest() : link(ui, clock, "no-ftdi-library-here.so") { Texts().LanguageIndex = 0; }
  void Select(int family, int firmware) {
    LinkTestAccess::ObrazSterownika(link)[img::Schemat] = static_cast<uint8_t>(family);
    LinkTestAccess::ObrazSterownika(link)[img::Wersja] = static_cast<uint8_t>(firmware);
    LinkTestAccess::ObrazSterownika(link)[img::IleWtr] = 4;
    link.ListaNastawWykresyOdPlytki(0);
  }
  std::string Text(int setting, uint8_t raw) {
    LinkTestAccess::Nastawy(link)[setting] = raw;
    return link.StrNastawa(setting);
  }
  FakeUi ui;
  SteadyClock clock;
  TSterownik link;
};

// The catalogue of a controller holds what its firmware has: named settings from their first
// version on, with their units and the range warning.
TEST_F(LinkCatalogueTest, WhatTheCatalogueHoldsForAFirmware) {
  Select(2, 15);
  int held = 0;
  for (int i = 0; i < kSettingsCount; ++i)
    held += IsListed(link, i);
  EXPECT_EQ(held, 117) << "131 named for this firmware, 14 of them hidden by zeros elsewhere";
  EXPECT_FALSE(IsListed(link, 0)) << "the page checksum is no setting";
  EXPECT_EQ(link.UnitText(3), "[V]");
  EXPECT_EQ(link.UnitText(1), "");
  LinkTestAccess::Nastawy(link)[3] = link.ListaNastaw()[3].max;
  EXPECT_FALSE(link.OutsideRange(3));
  LinkTestAccess::Nastawy(link)[3] = static_cast<uint8_t>(link.ListaNastaw()[3].max + 1);
  EXPECT_TRUE(link.OutsideRange(3));
}

TEST_F(LinkCatalogueTest, ValueTexts) {
  Select(5, 15);
  EXPECT_EQ(Text(3, 50), "3.00");
  EXPECT_EQ(Text(3, 4), "? 0.24");
  EXPECT_EQ(Text(51, 168), "40");
  EXPECT_EQ(Text(21, 0), "No");
  EXPECT_EQ(Text(21, 1), "Yes");
  EXPECT_EQ(Text(21, 2), "?");
  EXPECT_EQ(Text(8, 1), LangText(3082));
  EXPECT_EQ(Text(8, 3), "?");
  EXPECT_EQ(Text(111, 10), "0Ah");
  LinkTestAccess::Nastawy(link)[116] = 0x43;
  EXPECT_EQ(Text(115, 0x01), "C0301");
  LinkTestAccess::Nastawy(link)[116] = 0xC0;
  EXPECT_EQ(Text(115, 0x12), "U0012");
  LinkTestAccess::Nastawy(link)[116] = 0;
  EXPECT_EQ(Text(115, 0), LangText(4091));
  EXPECT_EQ(Text(116, 5), "") << "the high byte is never shown by itself";

  LinkTestAccess::ObrazSterownika(link)[img::Eeprom1] = 128;
  EXPECT_EQ(Text(90, 113), "0.70");
  LinkTestAccess::ObrazSterownika(link)[img::Eeprom1 + 2] = 138;
  EXPECT_EQ(Text(92, 128), "1.20");
  LinkTestAccess::ObrazSterownika(link)[img::Mnoznik1] = 25;
  LinkTestAccess::ObrazSterownika(link)[img::Mnoznik2] = 50;
  EXPECT_EQ(Text(190, 1).substr(0, 4), "1.25");
  EXPECT_EQ(Text(164, 2).substr(0, 3), "2.5");
}

TEST_F(LinkCatalogueTest, BitFlagOfTheKaviEmulator) {
  Select(255, 17);
  EXPECT_EQ(Text(6, 0x02), "Yes");
  EXPECT_EQ(Text(6, 0xFD), "No");
}

TEST_F(LinkCatalogueTest, DefaultsPerFamilyAndFirmware) {
  Select(13, 3);
  link.WypelnijNastawyDomyslne();
  EXPECT_TRUE(std::all_of(link.Nastawy(), link.Nastawy() + 512, [](uint8_t b) { return b == 0; }));

  Select(2, 13);
  link.WypelnijNastawyDomyslne();
  EXPECT_EQ(link.Nastawy()[3], 50);
  EXPECT_TRUE(std::all_of(link.Nastawy() + 256, link.Nastawy() + 512, [](uint8_t b) {
    return b == 0;
  })) << "page 1 unused, byte 256 too";
  EXPECT_EQ(ramka::Total(link.Nastawy(), 256), 0);

  Select(255, 15);
  link.WypelnijNastawyDomyslne();
  EXPECT_EQ(ramka::Total(link.Nastawy() + 256, 256), 0) << "page 1 in use";
  EXPECT_EQ(link.Nastawy()[258], 100);

  Select(255, 14);
  link.WypelnijNastawyDomyslne();
  EXPECT_TRUE(
      std::all_of(link.Nastawy() + 256, link.Nastawy() + 512, [](uint8_t b) { return b == 0; }));

  Select(6, 15);
  link.WypelnijNastawyDomyslne();
  EXPECT_EQ(link.Nastawy()[1], 7) << "LUMO: RPM from the petrol injectors";
  EXPECT_EQ(link.Nastawy()[5], 0);
  EXPECT_EQ(ramka::Total(link.Nastawy(), 256), 0);
}

TEST_F(LinkCatalogueTest, RangeCheckRepairsOnlyWhatIsOutOfRange) {
  Select(2, 15);
  link.WypelnijNastawyDomyslne();
  const uint8_t checksum = link.Nastawy()[0];
  LinkTestAccess::Nastawy(link)[2] = 0;
  LinkTestAccess::Nastawy(link)[3] = 201;
  LinkTestAccess::Nastawy(link)[4] = 2;
  LinkTestAccess::Nastawy(link)[300] = 250;
  link.ListaNastawSprawdzenie();
  EXPECT_EQ(link.Nastawy()[2], 1);
  EXPECT_EQ(link.Nastawy()[3], 50);
  EXPECT_EQ(link.Nastawy()[4], 2);
  EXPECT_EQ(link.Nastawy()[300], 250) << "page 1 is not checked";
  EXPECT_EQ(link.Nastawy()[0], checksum);
}

TEST_F(LinkCatalogueTest, KaviSubstitutionFollowsThePressureEmulation) {
  Select(255, 17);
  LinkTestAccess::Nastawy(link)[138] = 2;
  link.PodmianaNastaw();
  EXPECT_EQ(link.ListaNastaw()[18].nazwa, 4387u);
  EXPECT_EQ(link.ListaNastaw()[18].typ, kSigned | 2);
  EXPECT_EQ(link.ListaNastaw()[19].nazwa, 4388u);
  EXPECT_EQ(link.ListaNastaw()[19].typ, kAltNumber | 2);
  EXPECT_EQ(link.ListaNastaw()[19].max, 255);
  LinkTestAccess::Nastawy(link)[138] = 1;
  link.PodmianaNastaw();
  EXPECT_EQ(link.ListaNastaw()[18].nazwa, 3180u);
  EXPECT_EQ(link.ListaNastaw()[19].jednostka, kSecond);
  EXPECT_EQ(link.ListaNastaw()[19].max, 100);
}

}  // namespace
