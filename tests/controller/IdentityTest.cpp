// What the identity block says: names, version texts, predicates and the family selection.

#include <gtest/gtest.h>

#include <cstring>

#include "controller/Clock.h"
#include "controller/Tsterownik.h"
#include "tests/support/FakeUi.h"
#include "tests/support/LinkTestAccess.h"

namespace {

class IdentityTest : public ::testing::Test {
 protected:
  IdentityTest() : link(ui, clock, "no-ftdi-library-here.so") {}
  uint8_t& At(int offset) { return LinkTestAccess::ObrazSterownika(link)[offset]; }
  void Identity(int family, int model, int firmware, int injectors) {
    At(img::Schemat) = family;
    At(img::Wyrob) = model;
    At(img::Wersja) = firmware;
    At(img::IleWtr) = injectors;
    At(img::Firma) = 1;
  }
  FakeUi ui;
  SteadyClock clock;
  TSterownik link;
};

TEST_F(IdentityTest, DisplayNames) {
  struct Case {
    int model, cylinders, revision, special;
    const char* name;
  };
  const Case cases[] = {
      {9, 4, 13, 3, "KAVI 4 CYL. V1.2 \"Valvetronic\""},
      {9, 5, 7, 0, "KAVI V1.0"},
      {12, 8, 19, 0, "KAVI 4+4 CYL. V2.0A"},
      {12, 6, 13, 0, "KAVI 3+3 CYL."},
      {4, 8, 13, 17, "MALVER FORTIX \"3X2 inj. (Toyota)\""},
      {6, 0, 0, 1, " \"MASTER\""},
      {14, 0, 0, 0, ""},
      {13, 0, 0, 20, "Fuel Pump Emulator"},
  };
  for (const Case& c : cases) {
    At(img::Wyrob) = c.model;
    At(img::IleWtrProgramu) = c.cylinders;
    At(img::WersjaSprzetu) = c.revision;
    At(img::Opis) = c.special;
    EXPECT_EQ(link.StrNazwaSterownika(), c.name) << c.model;
  }
}

TEST_F(IdentityTest, BarcodeDateAndInjectorTexts) {
  std::memcpy(&At(img::KodKreskowy), "AB12345678901234", 16);
  EXPECT_EQ(link.StrKodKreskowy(), "AB12345678901234");
  At(img::KodKreskowy + 5) = 0;
  EXPECT_EQ(link.StrKodKreskowy(), "AB123");

  At(img::MiesiacProdukcji) = 3;
  At(img::DzienProdukcji) = 7;
  EXPECT_EQ(link.StrDataProdukcji(), "") << "no year, no date";
  At(img::RokProdukcji) = 14;
  EXPECT_EQ(link.StrDataProdukcji(), "2014.03.07");

  EXPECT_EQ(link.StrIleWtryskiwaczy(), "");
  At(img::IleWtr) = 8;
  At(img::Wyrob) = 12;
  EXPECT_EQ(link.StrIleWtryskiwaczy(), "8/4");
  At(img::Wyrob) = 9;
  EXPECT_EQ(link.StrIleWtryskiwaczy(), "8");
}

TEST_F(IdentityTest, VersionTextParts) {
  At(img::Wersja) = 21;
  At(img::WerBeta) = 3;
  At(img::Litera) = 1;
  At(img::SchematProgramu) = 255;
  At(img::WersjaSprzetu) = 13;
  At(img::IleWtrProgramu) = 6;
  At(img::Kod) = 0x1A;
  At(img::Kod + 1) = 0x2B;
  At(img::Kod + 2) = 0x03;
  EXPECT_EQ(link.StrWersjaCyframi(0x01), "21 beta3  ");
  EXPECT_EQ(link.StrWersjaCyframi(0x02), "B.");
  EXPECT_EQ(link.StrWersjaCyframi(0x0C), "255.13.6.21  ") << "no firmware date, none shown";
  At(img::RokProgramu) = 25;
  At(img::MiesiacProgramu) = 2;
  At(img::DzienProgramu) = 3;
  EXPECT_EQ(link.StrWersjaCyframi(0x08), "(2025.02.03)  ");
  EXPECT_EQ(link.StrWersjaCyframi(0x10), "1A.2B.03  ");
  EXPECT_EQ(link.StrWersjaCyframi(0x80).substr(0, 16), "Eep=80 80 80 80 ");
  At(img::StanIdentyfikacji) = 2;
  EXPECT_EQ(link.StrWersjaCyframi(0x01), "21 beta3  ") << "a locked controller still shows it";
  At(img::StanIdentyfikacji) = 1;
  EXPECT_EQ(link.StrWersjaCyframi(0xFF), "");
}

TEST_F(IdentityTest, KaviBoardPredicates) {
  struct Case {
    int variant, firmware;
    bool dual, differential, plus60, detectsPetrolType, scope2;
  };
  const Case cases[] = {
      {13, 16, false, true, false, false, false}, {13, 17, false, true, false, true, false},
      {16, 15, true, false, true, false, false},  {17, 12, true, false, true, true, false},
      {19, 17, true, false, true, true, false},   {21, 17, false, false, true, true, true},
  };
  At(img::Schemat) = 255;
  for (const Case& c : cases) {
    At(img::WariantPlytki) = c.variant;
    At(img::Wersja) = c.firmware;
    SCOPED_TRACE(c.variant);
    EXPECT_EQ(link.Czy_KAVI_DUAL(), c.dual);
    EXPECT_EQ(link.CzyKaviRoznicowa(), c.differential);
    EXPECT_EQ(link.CzyKaviTestPlus60V(), c.plus60);
    EXPECT_EQ(link.CzyKaviTypDetBen(), c.detectsPetrolType);
    EXPECT_EQ(link.CzyKaviOscyloskop2(), c.scope2);
  }
  At(img::Schemat) = 5;
  EXPECT_FALSE(link.CzyKaviTestPlus60V()) << "only the KAVI family";
}

TEST_F(IdentityTest, TablePredicates) {
  std::fill_n(&At(img::KorOdObr1), 512, 100);
  EXPECT_FALSE(link.CzyKoretkaOdObr());
  At(img::KorOdObr2 + 255) = 101;
  EXPECT_TRUE(link.CzyKoretkaOdObr());

  std::fill_n(&At(img::KorOdTempRed), 256, 128);
  At(img::KorOdTempRed + 49) = 0;  // below byte 50 does not count
  EXPECT_FALSE(link.CzyKoretkaOdTempRed());
  At(img::KorOdTempRed + 50) = 0;
  EXPECT_TRUE(link.CzyKoretkaOdTempRed());

  std::fill_n(&At(img::MapaCis), 256, 0);
  EXPECT_FALSE(link.CzyMapaCisnienia());
  At(img::MapaCis + 7) = 1;
  EXPECT_TRUE(link.CzyMapaCisnienia());
  LinkTestAccess::Nastawy(link)[156] = 1;
  At(img::Wersja) = 12;
  EXPECT_FALSE(link.CzyDotryskiBenzyny());
  At(img::Wersja) = 13;
  EXPECT_TRUE(link.CzyDotryskiBenzyny());

  At(img::Domieszka + 3) = 9;
  LinkTestAccess::Nastawy(link)[12] = 2;
  EXPECT_FALSE(link.CzyDomieszkaBenzyny());
  LinkTestAccess::Nastawy(link)[12] = 1;
  EXPECT_TRUE(link.CzyDomieszkaBenzyny());
}

TEST_F(IdentityTest, SelectionNormalisesTheGasControllerIdentity) {
  Identity(2, 3, 15, 5);
  At(img::Eeprom1) = 77;
  At(img::Eeprom1 + 1) = 78;
  At(img::Eeprom1 + 2) = 178;
  At(img::Eeprom1 + 3) = 179;
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(At(img::IleWtr), 8);
  EXPECT_EQ(link.IleWtryskiwaczy(), 8);
  EXPECT_EQ(link.StrIleWtryskiwaczy(), "8");
  EXPECT_EQ(At(img::Eeprom1), 128);
  EXPECT_EQ(At(img::Eeprom1 + 1), 78);
  EXPECT_EQ(At(img::Eeprom1 + 2), 178);
  EXPECT_EQ(At(img::Eeprom1 + 3), 128);
}

TEST_F(IdentityTest, SelectionByFamily) {
  struct Case {
    int family, model, firmware, injectors;
    int wantModel;
    bool twoBanks;
    int multiplierRange, kaviChannels;
    size_t charts;
  };
  const Case cases[] = {
      {2, 3, 15, 4, 2, false, 200, 0, 66},    {5, 4, 14, 8, 5, true, 200, 0, 65},
      {6, 5, 15, 6, 6, false, 200, 0, 66},    {255, 9, 17, 6, 255, true, 80, 6, 66},
      {255, 12, 16, 8, 255, true, 80, 0, 66}, {255, 9, 17, 4, 255, false, 80, 0, 66},
      {8, 8, 10, 4, 8, false, 200, 0, 6},     {13, 13, 3, 4, 13, false, 200, 0, 15},
      {9, 1, 1, 4, 0, false, 200, 0, 65},  // unknown: the lists built at start stay
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    TSterownik fresh(ui, clock, "no-ftdi-library-here.so");
    LinkTestAccess::ObrazSterownika(fresh)[img::Schemat] = c.family;
    LinkTestAccess::ObrazSterownika(fresh)[img::Wyrob] = c.model;
    LinkTestAccess::ObrazSterownika(fresh)[img::Wersja] = c.firmware;
    LinkTestAccess::ObrazSterownika(fresh)[img::IleWtr] = c.injectors;
    fresh.ListaNastawWykresyOdPlytki(0);
    EXPECT_EQ(static_cast<int>(fresh.Model()), c.wantModel);
    EXPECT_EQ(fresh.DwaBanki(), c.twoBanks);
    EXPECT_EQ(fresh.ZakresMnoznika(), c.multiplierRange);
    EXPECT_EQ(fresh.KanalyFsi(), c.kaviChannels);
    EXPECT_EQ(fresh.ListaWykresow().size(), c.charts);
  }
}

TEST_F(IdentityTest, FamilySpecificListChanges) {
  Identity(2, 3, 15, 6);
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaNastaw()[4].nazwa, 3040u);
  EXPECT_EQ(link.ListaNastaw()[20].max, 2);
  EXPECT_EQ(link.ListaWykresow()[8].flagi, 3);
  EXPECT_EQ(link.ListaWykresow()[9].flagi, 0);
  EXPECT_EQ(link.ListaWykresow()[34].flagi, 0x41) << "six channels: P 5..G 6 shown";
  EXPECT_EQ(link.ListaWykresow()[35].flagi, 0);

  Identity(5, 4, 12, 4);
  At(img::Opis) = 1;  // MASTER
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaNastaw()[4].nazwa, 3048u);
  EXPECT_EQ(link.ListaNastaw()[20].max, 1);
  EXPECT_EQ(link.ListaWykresow()[8].flagi, 0);
  EXPECT_EQ(link.ListaWykresow()[9].flagi, 0x33) << "keeps its own";
  EXPECT_EQ(link.ListaWykresow()[31].flagi, 0) << "four channels";
  EXPECT_EQ(link.ListaNastaw()[109].max, 0);

  Identity(6, 5, 15, 8);
  At(img::Opis) = 0;
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaNastaw()[5].domyslna, 0);
  EXPECT_EQ(link.ListaWykresow()[12].flagi, 0);
  EXPECT_EQ(link.ListaWykresow()[38].flagi, 0x41);
}

TEST_F(IdentityTest, KaviCatalogueFollowsVersionChannelsAndModel) {
  Identity(255, 9, 17, 6);
  At(img::WariantPlytki) = 13;
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaNastaw()[1].max, 13);
  EXPECT_EQ(link.ListaNastaw()[261].max, 4);
  EXPECT_EQ(link.ListaNastaw()[260].min, 1);
  EXPECT_EQ(link.ListaNastaw()[262].max, 2);
  EXPECT_EQ(link.ListaNastaw()[93].max, 2);
  EXPECT_EQ(link.ListaNastaw()[138].typ & 0xF0, 0x80);
  EXPECT_EQ(link.ListaNastaw()[138].opcje, 4381);

  Identity(255, 12, 13, 4);
  At(img::WariantPlytki) = 18;
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaNastaw()[1].max, 8);
  EXPECT_EQ(link.ListaNastaw()[260].min, 0);
  EXPECT_EQ(link.ListaNastaw()[93].max, 0);
  EXPECT_EQ(link.ListaNastaw()[13].typ, 0x80);
  EXPECT_EQ(link.ListaNastaw()[13].max, 1);
  EXPECT_EQ(link.ListaNastaw()[24].max, 31);
  EXPECT_EQ(link.ListaNastaw()[81].max, 3);
}

TEST_F(IdentityTest, KaviChannelsInCylinderOrder) {
  Identity(255, 9, 17, 6);
  LinkTestAccess::Nastawy(link)[93] = 1;
  link.ListaNastawWykresyOdPlytki(0);
  ASSERT_EQ(link.KanalyFsi(), 6);
  const int expected[] = {0, 1, 3, 5, 2, 4};
  for (int channel = 0; channel < 6; ++channel) {
    EXPECT_EQ(link.FsiPozCyl(channel), expected[channel]);
    EXPECT_EQ(link.FsiPozKanalu(expected[channel]), channel);
  }
  EXPECT_EQ(link.FsiPozKanalu(7), 6) << "absent";
  LinkTestAccess::Nastawy(link)[93] = 3;
  EXPECT_EQ(link.FsiPozCyl(2), 2) << "an order outside the table leaves channels alone";
}

}  // namespace
