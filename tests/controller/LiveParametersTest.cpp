// Live-parameter definitions and their texts, decoded from the simulated controller's status
// frames and from frames built for one rule.

#include <gtest/gtest.h>

#include "controller/ParamList.h"
#include "controller/StatusDecoding.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/SimLink.h"

namespace {

// The readings panel of a family as the installer sees it: name, value, unit.
std::vector<std::string> ReadingsPanel(TSterownik& link) {
  std::vector<std::string> rows;
  for (int n = 0; n < link.PodajIleParamBiez(0x20); ++n) {
    const Wykres& w = link.ListaWykresow()[link.PodajPozycje(0x20, n)];
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
  const DecodedStatus& status = s.link.LastStatus();
  ASSERT_GT(status.length, 4) << "a status frame was decoded";
  EXPECT_EQ(ReadingsPanel(s.link), c.rows);
  EXPECT_EQ(s.link.StrStanPracy(status.statusWord, 1), c.state);
  EXPECT_EQ(LangText(status.workState.longText), c.state);
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

// A link with one definition under test, shown a recorded status frame the test writes.
class ValueTypeTest : public ::testing::Test {
 protected:
  ValueTypeTest() : link(ui, clock, "no-ftdi-library-here.so") {
    LinkTestAccess::ListaWykresow(link).clear();
    link.DodajWykres(0, 0, 11, 10, 1, 0, 0, 1, 0, 0, 0);
    link.DodajWykres(1400, 0, 24, 40, 1, 0, 0, 1, 0x20, 0, 0);
  }
  std::string Show(uint8_t b0) {
    std::vector<uint8_t>& recording = LinkTestAccess::BuforOsc(link);
    recording.assign(128, 0);
    recording[40] = b0;
    link.OdbiorOsc(0);
    return link.StrParamBiez(0x20, 0);
  }
  FakeUi ui;
  SteadyClock clock;
  TSterownik link;
};

TEST_F(ValueTypeTest, UnchangedValueIsShownOnce) {
  EXPECT_EQ(Show(90), "50");
  EXPECT_EQ(Show(90), "") << "nothing changed";
  EXPECT_EQ(Show(0), "-");
  EXPECT_EQ(Show(90), "50") << "shown again after the \"-\"";
  link.ToggleReadingsPanel(1);
  link.ToggleReadingsPanel(1);
  EXPECT_EQ(link.StrParamBiez(0x20, 0), "50") << "a toggle shows it afresh";
  link.ForgetShownValues();
  EXPECT_EQ(link.StrParamBiez(0x20, 0), "50");
}

TEST_F(ValueTypeTest, InjectorOpeningFromTheSettings) {
  LinkTestAccess::ListaWykresow(link).pop_back();
  link.DodajWykres(931, 1053, 12, 60, 0.004, 3, 0, 1, 0x20, 0, 0);
  LinkTestAccess::Nastawy(link)[89] = 250;
  LinkTestAccess::Nastawy(link)[90] = 118;
  Show(0);
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
    LinkTestAccess::ObrazSterownika(link)[img::Schemat] = static_cast<uint8_t>(c.family);
    EXPECT_EQ(link.StrStanPracy(c.status, c.longForm), c.text) << c.family << " " << c.status;
    EXPECT_EQ(link.KolorStanuPracy(c.status), c.colour) << c.family << " " << c.status;
  }
}

TEST(WorkStateTest, InformationTexts) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  Texts().LanguageIndex = 0;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 255;
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
  std::vector<uint8_t> frame(128, 0);
  auto decoded = [&](Family family) {
    DecodedStatus status;
    TakeFrame(code::Poll, frame, status);
    DecodeStatus({family, {}, nullptr, '.'}, status);
    return status;
  };
  for (const Case& c : cases) {
    frame[6] = c.code;
    frame[7] = c.detail;
    frame[11] = c.flags;
    const DecodedStatus status = decoded(Family::Kavi);
    EXPECT_EQ(link.InfoPracy(status), c.kind) << int(c.detail);
    EXPECT_EQ(link.StrInfoPracy(status), c.text) << int(c.detail);
  }
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 2;
  frame[6] = 0;
  frame[11] = 0x40;
  EXPECT_EQ(link.StrInfoPracy(decoded(Family::Rumo)), LangText(4600))
      << "cold leaning outside KAVI";
  frame.resize(7);
  frame[6] = sub_record::Information;
  EXPECT_EQ(link.StrInfoPracy(decoded(Family::Rumo)), "") << "the message number did not arrive";
}

TEST(ParamListTest, OfferedDefinitionsAndAdministratorExtras) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 2;
  LinkTestAccess::ObrazSterownika(link)[img::Wersja] = 15;
  LinkTestAccess::ObrazSterownika(link)[img::IleWtr] = 4;
  link.ListaNastawWykresyOdPlytki(0);
  const std::vector<int> rows = ParamListRows(link);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(), 1);
  EXPECT_EQ(rows.size(), static_cast<size_t>(link.PodajIleParamBiez(0x02)));
  EXPECT_EQ(std::count(rows.begin(), rows.end(), 23), 0) << "the injection times are not offered";

  const int scope = link.PodajIleParamBiez(0x01);
  link.SetParamAdmin(true);
  EXPECT_EQ(link.PodajIleParamBiez(0x01) - scope, 14 + 4) << "14 traces and 4 digital lines";
  EXPECT_EQ(link.PodajPozycje(0x40, 100), static_cast<int>(link.ListaWykresow().size()));

  const bool shown = link.ListaWykresow()[2].flagi & 0x20;
  link.ToggleReadingsPanel(2);
  EXPECT_NE(bool(link.ListaWykresow()[2].flagi & 0x20), shown);
  EXPECT_EQ(link.ListaWykresow()[2].ostatnia, -999.0);
  EXPECT_TRUE(IsObdDerived(15) && IsObdDerived(22) && !IsObdDerived(23));
}

TEST(ChartListsTest, NamesThatFollowTheSettings) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 5;
  LinkTestAccess::ObrazSterownika(link)[img::Wersja] = 15;
  link.ListaNastawWykresyOdPlytki(0);
  uint8_t* settings = LinkTestAccess::Nastawy(link);
  settings[4] = 3;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow()[8].nazwa, 3044);
  EXPECT_EQ(link.ListaWykresow()[8].rodzaj, 26);
  settings[4] = 0;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow()[8].nazwa, 3041);
  EXPECT_EQ(link.ListaWykresow()[8].rodzaj, 11);

  settings[15] = 3;
  settings[6] = 1;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow()[9].nazwa, 1420);
  EXPECT_EQ(link.ListaWykresow()[10].nazwa, 1440);
  settings[6] = 0;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow()[9].nazwa, 1440);
  EXPECT_EQ(link.ListaWykresow()[10].nazwa, 1422);

  settings[123] = 9;
  settings[124] = 25;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow()[21].nazwa, 818);
  EXPECT_EQ(link.ListaWykresow()[21].jednostka, 1056);
  EXPECT_DOUBLE_EQ(link.ListaWykresow()[21].skala, 64);
  EXPECT_EQ(link.ListaWykresow()[22].nazwa, 850);
  EXPECT_EQ(link.ListaWykresow()[22].miejsca, 3);

  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 2;
  link.NazwyWykresow(1);
  EXPECT_EQ(link.ListaWykresow()[21].nazwa, 4230) << "only FORTIX and KAVI pick user PIDs";
}

TEST(ChartListsTest, ColoursAndVisibilityFromTheConfiguration) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  LinkTestAccess::KoloryWykresow(link)[0] = 0x123456;
  LinkTestAccess::ObrazSterownika(link)[img::FlagiWykresow + 75 + 1] = 0x20;  // KAVI row, entry 2
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 255;
  LinkTestAccess::ObrazSterownika(link)[img::Wersja] = 17;
  LinkTestAccess::ObrazSterownika(link)[img::IleWtr] = 6;
  link.ListaNastawWykresyOdPlytki(0);
  EXPECT_EQ(link.ListaWykresow()[1].kolor, 0x123456u);
  EXPECT_EQ(link.ListaWykresow()[2].flagi, 0x20);
  EXPECT_EQ(link.ListaWykresow()[1].flagi, 0x33);
  EXPECT_EQ(link.ListaWykresow()[42].nazwa, 1442) << "firmware 17 list";

  LinkTestAccess::ObrazSterownika(link)[img::Wersja] = 16;
  LinkTestAccess::RozmiarRekordu(link) = 128;
  link.ListaNastawWykresyOdPlytki(1);
  EXPECT_EQ(link.ListaWykresow()[39].nazwa, 1442) << "older KAVI list";
  EXPECT_EQ(link.ListaWykresow()[53].flagi, 0) << "short scope samples hold no later traces";
}

}  // namespace
