// Live-parameter definitions and their texts, decoded from the simulated controller's status
// frames and from frames built for one rule.

#include <gtest/gtest.h>

#include "controller/ParamList.h"
#include "lang/Langtext.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/SimLink.h"

namespace {

// The readings panel of a family as the installer sees it: name, value, unit.
std::vector<std::string> ReadingsPanel(TSterownik& link) {
  std::vector<std::string> rows;
  for (int n = 0; n < link.PodajIleParamBiez(0x20); ++n) {
    const Wykres& w = link.ListaWykresow[link.PodajPozycje(0x20, n)];
    std::string row = LangText(w.nazwa) + " " + link.StrParamBiez(0x20, n);
    if (w.jednostka) row += " " + LangText(w.jednostka);
    rows.push_back(row);
  }
  return rows;
}

struct PanelCase {
  int family;
  std::vector<std::string> rows;
  const char* state;
};

class LivePanelTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(LivePanelTest, SimulatedStatusFramesDecode) {
  const PanelCase& c = GetParam();
  Texts().LanguageIndex = 0;
  SimLink s(c.family);
  s.controller.frozenLiveValues = true;
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  s.controller.silent = true;
  s.Tick();
  ASSERT_EQ((s.link.BuforOdbioru[3] & 0xF0), 0x90) << "the last frame read is a status frame";
  EXPECT_EQ(ReadingsPanel(s.link), c.rows);
  const uint8_t* frame = s.link.BuforOdbioru.data();
  EXPECT_EQ(s.link.StrStanPracy(frame[10] | frame[11] << 8, 1), c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Families, LivePanelTest,
    ::testing::Values(
        PanelCase{2,
                  {"Revolutions 850 [rpm]", "Vacuum 0.35 [bar]", "Gas pressure 1.20 [bar]",
                   "Reducer temp. 55 [°C]", "Gas temp. 30 [°C]", "Power supply 14.00 [V]"},
                  "GAS"},
        PanelCase{255,
                  {"Revolutions 850 [rpm]", "Vacuum 0.35 [bar]", "Gas pressure 1.20 [bar]",
                   "Reducer temp. 55 [°C]", "Gas temp. 30 [°C]", "Fuel pressure 2.50 [V]",
                   "SHRT FT 1 - [%]", "LONG FT 1 - [%]", "SHRT FT 2 - [%]", "LONG FT 2 - [%]"},
                  "GAS"},
        PanelCase{8,
                  {"Revolutions 850 [rpm]", "PWM 2.50 [V]", "Fuel pressure 2.00 [V]",
                   "Emulation 2.50 [V]", "Power supply 14.00 [V]"},
                  "GAS"},
        PanelCase{13,
                  {"TimeIn 3.200 [ms]", "TimeOut 3.600 [ms]", "Emulation 50.0 [%]",
                   "AnIn1 1.00 [V]", "Power supply 14.00 [V]"},
                  "GAS"}),
    [](const auto& info) { return "Family" + std::to_string(info.param.family); });

// A link with one definition under test and a status frame the test writes into.
class ValueTypeTest : public ::testing::Test {
 protected:
  ValueTypeTest() : link(ui, clock, "no-ftdi-library-here.so") {
    link.ListaWykresow.clear();
    link.DodajWykres(0, 0, 11, 10, 1, 0, 0, 1, 0, 0, 0);
  }
  std::string Show(int type, double scale, int decimals, uint8_t b0, uint8_t b1 = 0) {
    if (link.ListaWykresow.size() == 1)
      link.DodajWykres(1400, 0, type, 40, scale, decimals, 0, 1, 0x20, 0, 0);
    link.ListaWykresow[1].rodzaj = type;
    link.ListaWykresow[1].skala = scale;
    link.ListaWykresow[1].miejsca = decimals;
    link.BuforOdbioru[40] = b0;
    link.BuforOdbioru[41] = b1;
    return link.StrParamBiez(0x20, 0);
  }
  FakeUi ui;
  SteadyClock clock;
  TSterownik link;
};

TEST_F(ValueTypeTest, RawValuesByType) {
  struct Case {
    int type;
    double scale;
    int decimals;
    uint8_t b0, b1;
    const char* text;
  };
  const Case cases[] = {
      {0, 1, 0, 0x01, 0, "1"},
      {3, 1, 0, 0x01, 0, "0"},
      {10, 0.02, 2, 80, 9, "1.60"},
      {11, 10, 0, 85, 1, "3410"},
      {14, 1, 0, 0x10, 0xF3, "784"},
      {20, 1, 0, 100, 0, "-28"},
      {21, 1, 0, 0x23, 0x01, "18"},
      {22, 1, 1, 0, 0, "-"},
      {22, 1, 1, 160, 0, "25.0"},
      {23, 1, 0, 2, 0, "CL"},
      {23, 1, 0, 3, 0, "-"},
      {24, 1, 0, 0, 0, "-"},
      {24, 1, 0, 130, 0, "90"},
      {25, 1, 1, 100, 0, "-14.0"},
      {26, 0.005, 2, 200, 0, "10.35"},
      {99, 1, 0, 1, 0, " "},
      {11, 0.004, 5, 0x20, 3, "3.200"},
  };
  for (const Case& c : cases) {
    link.ListaWykresow.resize(1);
    EXPECT_EQ(Show(c.type, c.scale, c.decimals, c.b0, c.b1), c.text) << c.type;
  }
}

TEST_F(ValueTypeTest, UnchangedValueIsShownOnce) {
  EXPECT_EQ(Show(24, 1, 0, 90), "50");
  EXPECT_EQ(Show(24, 1, 0, 90), "") << "nothing changed";
  EXPECT_EQ(Show(24, 1, 0, 0), "-");
  EXPECT_EQ(Show(24, 1, 0, 90), "50") << "shown again after the \"-\"";
  ToggleReadingsPanel(link, 1);
  ToggleReadingsPanel(link, 1);
  EXPECT_EQ(link.StrParamBiez(0x20, 0), "50") << "a toggle shows it afresh";
}

TEST_F(ValueTypeTest, InjectorOpeningFromTheSettings) {
  link.DodajWykres(931, 1053, 12, 60, 0.004, 3, 0, 1, 0x20, 0, 0);
  link.Nastawy()[89] = 250;
  link.Nastawy()[90] = 118;
  EXPECT_EQ(link.StrParamBiez(0x20, 0), "1.200");
  EXPECT_EQ(link.StrParamBiez(0x20, 0), "1.200") << "never compared with the last value";
}

TEST(WorkStateTest, TextsAndColours) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  Texts().LanguageIndex = 0;
  struct Case {
    int family, status, longForm;
    const char* text;
    uint32_t colour;
  };
  const Case cases[] = {
      {2, 0x0306, 0, "GAS", 0x00A000},
      {2, 0x0106, 0, "No rotation", 0xC0C0C0},
      {2, 0x0006, 0, "No ignition", 0x808080},
      {5, 0x0300, 1, "WORK ON PETROL", 0x0000FF},
      {5, 0x0300, 0, "PETROL", 0x0000FF},
      {255, 0x0302, 1, "Waiting", 0x4080FF},
      {255, 0x0305, 0, "Switching-over", 0xEA00EA},
      {6, 0x0307, 1, "MIX", 0xFF8000},
      {6, 0x0303, 1, "", 0},
      {8, 0x0003, 0, "GAS", 0x00A000},
      {13, 0x0000, 1, "WORK ON PETROL", 0x0000FF},
      {7, 0x0306, 0, "", 0},
  };
  for (const Case& c : cases) {
    link.ObrazSterownika[img::Schemat] = static_cast<uint8_t>(c.family);
    EXPECT_EQ(link.StrStanPracy(c.status, c.longForm), c.text) << c.family << " " << c.status;
    EXPECT_EQ(link.KolorStanuPracy(c.status), c.colour) << c.family << " " << c.status;
  }
}

TEST(WorkStateTest, InformationTexts) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  Texts().LanguageIndex = 0;
  link.ObrazSterownika[img::Schemat] = 255;
  struct Case {
    uint8_t code, detail, flags;
    int kind;
    std::string text;
  };
  const Case cases[] = {
      {240, 1, 0, 1, LangText(2001)},
      {240, 17, 0, 1, LangText(2017)},
      {240, 25, 0, 1, "Manual switching on gas"},
      {240, 34, 0, 1, LangText(2020)},
      {240, 53, 0, 1, "Petrol addition to bank 2"},
      {240, 59, 0, 1, "Kick down"},
      {240, 66, 0, 1, "Stored DTC"},
      {243, 0, 0, 1, "Adaptation"},
      {240, 18, 0x40, 1, LangText(1737)},
      {0, 0, 0x20, 2, LangText(3210)},
      {0, 0, 0x80, 2, LangText(4560)},
      {0, 0, 0x03, 0, ""},
  };
  uint8_t frame[128] = {};
  for (const Case& c : cases) {
    frame[6] = c.code;
    frame[7] = c.detail;
    frame[11] = c.flags;
    EXPECT_EQ(link.InfoPracy(frame), c.kind) << int(c.detail);
    EXPECT_EQ(link.StrInfoPracy(frame), c.text) << int(c.detail);
  }
  link.ObrazSterownika[img::Schemat] = 2;
  frame[6] = 0;
  frame[11] = 0x40;
  EXPECT_EQ(link.StrInfoPracy(frame), LangText(4600)) << "cold leaning outside KAVI";
}

TEST(ParamListTest, OfferedDefinitionsAndAdministratorExtras) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  link.ObrazSterownika[img::Schemat] = 2;
  link.ObrazSterownika[img::Wersja] = 15;
  link.ObrazSterownika[img::IleWtr] = 4;
  link.ListaNastawWykresyOdPlytki(0);
  const std::vector<int> rows = ParamListRows(link);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(), 1);
  EXPECT_EQ(rows.size(), static_cast<size_t>(link.PodajIleParamBiez(0x02)));
  EXPECT_EQ(std::count(rows.begin(), rows.end(), 23), 0) << "the injection times are not offered";

  const int scope = link.PodajIleParamBiez(0x01);
  link.ParamAdmin = true;
  EXPECT_EQ(link.PodajIleParamBiez(0x01) - scope, 14 + 4) << "14 traces and 4 digital lines";
  EXPECT_EQ(link.PodajPozycje(0x40, 100), static_cast<int>(link.ListaWykresow.size()));

  const bool shown = link.ListaWykresow[2].flagi & 0x20;
  ToggleReadingsPanel(link, 2);
  EXPECT_NE(bool(link.ListaWykresow[2].flagi & 0x20), shown);
  EXPECT_EQ(link.ListaWykresow[2].ostatnia, -999.0);
  EXPECT_TRUE(IsObdDerived(15) && IsObdDerived(22) && !IsObdDerived(23));
}

TEST(ChartListsTest, NamesThatFollowTheSettings) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  link.ObrazSterownika[img::Schemat] = 5;
  link.ObrazSterownika[img::Wersja] = 15;
  link.ListaNastawWykresyOdPlytki(0);
  uint8_t* settings = link.Nastawy();
  settings[4] = 3;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow[8].nazwa, 3044);
  EXPECT_EQ(link.ListaWykresow[8].rodzaj, 26);
  settings[4] = 0;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow[8].nazwa, 3041);
  EXPECT_EQ(link.ListaWykresow[8].rodzaj, 11);

  settings[15] = 3;
  settings[6] = 1;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow[9].nazwa, 1420);
  EXPECT_EQ(link.ListaWykresow[10].nazwa, 1440);
  settings[6] = 0;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow[9].nazwa, 1440);
  EXPECT_EQ(link.ListaWykresow[10].nazwa, 1422);

  settings[123] = 9;
  settings[124] = 25;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow[21].nazwa, 818);
  EXPECT_EQ(link.ListaWykresow[21].jednostka, 1056);
  EXPECT_DOUBLE_EQ(link.ListaWykresow[21].skala, 64);
  EXPECT_EQ(link.ListaWykresow[22].nazwa, 850);
  EXPECT_EQ(link.ListaWykresow[22].miejsca, 3);

  link.ObrazSterownika[img::Schemat] = 2;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow[21].nazwa, 4230) << "only FORTIX and KAVI pick user PIDs";
}

TEST(ChartListsTest, ColoursAndVisibilityFromTheConfiguration) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  link.KoloryWykresow[0] = 0x123456;
  link.ObrazSterownika[img::FlagiWykresow + 75 + 1] = 0x20;  // KAVI row, entry 2
  link.ObrazSterownika[img::Schemat] = 255;
  link.ObrazSterownika[img::Wersja] = 17;
  link.ObrazSterownika[img::IleWtr] = 6;
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaWykresow[1].kolor, 0x123456u);
  EXPECT_EQ(link.ListaWykresow[2].flagi, 0x20);
  EXPECT_EQ(link.ListaWykresow[1].flagi, 0x33);
  EXPECT_EQ(link.ListaWykresow[42].nazwa, 1442) << "firmware 17 list";

  link.ObrazSterownika[img::Wersja] = 16;
  link.RozmiarRekordu = 128;
  link.ListaNastawWykresyOdPlytki(1);
  EXPECT_EQ(link.ListaWykresow[39].nazwa, 1442) << "older KAVI list";
  EXPECT_EQ(link.ListaWykresow[53].flagi, 0) << "short scope samples hold no later traces";
}

}  // namespace
