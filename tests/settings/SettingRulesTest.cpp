// The editor's rules without a window: which settings are offered, how their values read, and
// what one change drives.

#include <gtest/gtest.h>

#include "controller/SettingsCatalogue.h"
#include "lang/Langtext.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"
#include "settings/TypedValue.h"
#include "tests/support/IdentifiedLinkTest.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/SettingsFiles.h"

namespace {

// The rules seen from the advanced view with the administrator's cells.
class SettingRulesTest : public IdentifiedLinkTest {
 protected:
  EditorView view{2, EditorView::kMainPage, true};
};

TEST_F(SettingRulesTest, VisibilityFollowsTheSettingsItDependsOn) {
  struct Case {
    int family;
    int setting;
    int dependsOn, value;
    bool visible;
  };
  const Case cases[] = {
      {2, 2, 1, 6, false},       {2, 2, 1, 7, true},        {2, 2, 1, 9, false},
      {2, 3, 1, 7, false},       {2, 68, 1, 6, true},       {2, 4, 1, 6, false},
      {5, 4, 1, 6, true},        {6, 4, 1, 7, true},        {2, 67, 8, 2, false},
      {255, 67, 8, 2, true},     {2, 75, 81, 0, false},     {2, 108, 81, 3, true},
      {2, 48, 15, 2, false},     {2, 18, 15, 3, true},      {255, 18, 138, 0, false},
      {255, 19, 138, 1, true},   {2, 115, 114, 0, false},   {255, 265, 114, 0, false},
      {2, 265, 114, 0, true},    {255, 258, 257, 2, false}, {255, 295, 257, 2, true},
      {255, 306, 261, 2, false}, {255, 306, 261, 3, true},  {255, 310, 308, 1, false},
      {2, 157, 156, 0, false},   {2, 159, 156, 1, true},    {255, 157, 156, 0, true},
      {8, 2, 1, 6, true},  // emulators show everything their firmware has
  };
  for (const Case& c : cases) {
    Identify(c.family, 17);
    S(c.dependsOn) = static_cast<uint8_t>(c.value);
    EXPECT_EQ(IsVisible(link, c.setting), c.visible)
        << c.family << ": " << c.setting << " with " << c.dependsOn << " = " << c.value;
  }
}

TEST_F(SettingRulesTest, VisibilityByBoardAndFirmware) {
  Identify(255, 17, 9, 6, 13);  // a differential board: no setting 137; it detects petrol type
  EXPECT_FALSE(IsVisible(link, 137));
  EXPECT_TRUE(IsVisible(link, 260));
  EXPECT_FALSE(IsVisible(link, 275)) << "not a DUAL board";
  Identify(255, 17, 9, 6, 17);
  EXPECT_TRUE(IsVisible(link, 275));
  EXPECT_TRUE(IsVisible(link, 273)) << "tests with plus 60 V";
  Identify(255, 11, 9, 8);
  EXPECT_FALSE(IsVisible(link, 93)) << "eight channels before firmware 12";
  Identify(255, 12, 12, 8);
  EXPECT_TRUE(IsVisible(link, 93));

  Identify(2, 4);
  EXPECT_FALSE(IsListed(link, 156)) << "from firmware 5 on";
  Identify(255, 14);
  EXPECT_FALSE(IsVisible(link, 298)) << "a setting of firmware 17";
  EXPECT_TRUE(IsListed(link, 3));
  EXPECT_FALSE(IsListed(link, 0)) << "the page checksum is no setting";
  Identify(2, 1);
  EXPECT_TRUE(IsListed(link, 156)) << "development firmware has everything";

  // The emulators offer every setting of their list, whatever their firmware; the gas
  // controllers only those of theirs.
  Identify(8, 10);
  for (const int setting : {47, 133, 134, 135, 136, 137, 138, 296, 297, 300, 301, 305})
    EXPECT_TRUE(IsVisible(link, setting)) << "emulator at firmware 10: " << setting;
  EXPECT_EQ(SetRawValue(link, view, 47, 3).refusal, TypedRefusal::None);
  Identify(2, 10);
  EXPECT_FALSE(IsVisible(link, 47)) << "a MALVER at firmware 10";
}

TEST_F(SettingRulesTest, OptionTextsOfTheEditorsOwnLists) {
  struct Case {
    int family, setting, value;
    std::string text;
  };
  const Case cases[] = {
      {2, 24, 1, "Barracuda 1.9 Ohm"},
      {2, 24, 26, "r > 10 Ohm (PWM 100%)"},
      {255, 109, 5, "ISO 15765-4 CAN 29/250"},
      {255, 109, 1, LangText(4092)},
      {255, 1, 9, "VAG intake cam sensor"},
      {255, 1, 3, LangText(3014)},
      {2, 4, 0, LangText(3041)},
      {5, 4, 0, LangText(3051)},
      {5, 4, 2, LangText(3043) + " (" + LangText(3103) + ")"},
      {2, 40, 3, LangText(3404)},
      {2, 40, 6, "VESK"},
      {2, 7, 0, "0-1 V "},
      {255, 12, 1, LangText(1404)},
      {255, 12, 2, LangText(4091)},
      {2, 93, 7, "8"},
      {255, 93, 1, "1-4-3-6-2-5 (AUDI)"},
      {2, 135, 0, LangText(1081)},
      {2, 135, 3, "-3"},
      {255, 123, 9, "RPM  Engine speed"},
      {255, 123, 17, "Oxygen sensor Bank 1 Sensor 1"},
      {255, 123, 25, "O2 S1 WR lambda (24h)"},
      {255, 123, 40, "O2 S8 WR lambda (3Bh)"},
      {255, 157, 1, "TPS (" + LangText(1420) + ")"},
      {255, 304, 3, "10 " + LangText(1066)},
      {255, 298, 13, "ecu8"},
      {255, 299, 0, "-"},
      {255, 299, 2, "rpm"},
      {255, 299, 13, "ecu8"},
  };
  for (const Case& c : cases) {
    Identify(c.family, 17, c.family == 255 ? 9 : 3, 6);
    EXPECT_EQ(ValueText(link, c.setting, c.value), c.text) << c.family << ": " << c.setting;
  }
  Identify(2, 17);
  S(24) = 40;
  EXPECT_EQ(ValueText(link, 24), "?") << "a list value above its maximum";
  EXPECT_EQ(ValueText(link, 3, 50), "3.00") << "numbers keep the catalogue's texts";
  EXPECT_EQ(OptionTexts(link, 7).size(), static_cast<size_t>(link.ListaNastaw()[7].max + 1));
}

TEST_F(SettingRulesTest, ChangesDriveTheirDependants) {
  Identify(2, 15, 3, 4);
  SetValue(link, view, 24, 26, 1);
  const uint8_t injector[5] = {30, 168, 128, 100, 0};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(S(25 + i), injector[i]) << 25 + i;

  SetValue(link, view, 1, 8, 1);
  EXPECT_EQ(S(2), 116);
  SetValue(link, view, 1, 7, 1);
  EXPECT_EQ(S(65), 50);
  EXPECT_EQ(S(68), 0);

  SetValue(link, view, 8, 0, 1);
  const uint8_t inputs[8] = {1, 2, 4, 8, 0, 32, 0, 128};
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(S(32 + i), inputs[i]) << 32 + i;
  EXPECT_TRUE(link.FlagiRozkazow() & CommandBit::SendInjectorMask);

  S(86) = 100;
  SetValue(link, view, 20, 1, 1);
  EXPECT_EQ(S(86), 180) << "CNG works at 1.80 bar at least";
  EXPECT_EQ(S(63), 100);
  EXPECT_EQ(S(12), 2);

  SetValue(link, view, 40, 5, 1);
  EXPECT_EQ(S(44), 50);
  EXPECT_EQ(S(41), 13);
}

TEST_F(SettingRulesTest, MultiplierStepsFillItsTableAndTheOtherBankWhileAlike) {
  Identify(5, 15, 4, 8);  // FORTIX: two banks, alike
  ASSERT_EQ(link.AktalnyBank(), 0);
  LinkTestAccess::ObrazSterownika(link)[img::Mnoznik1] = 110;
  const SettingChange change = StepSetting(link, view, 190, +1);
  EXPECT_TRUE(change.stored);
  const auto& image = link.ObrazSterownika();
  EXPECT_EQ(image[img::Mnoznik1], 111);
  EXPECT_EQ(image[img::Mnoznik1 + 200], 111);
  EXPECT_EQ(image[img::Mnoznik2 + 17], 111) << "the banks stay alike";
  EXPECT_EQ(S(190), 0);

  LinkTestAccess::ObrazSterownika(link)[img::Mnoznik1] = 250;
  EXPECT_FALSE(StepSetting(link, view, 190, +1).stored) << "250 is the most";
}

TEST_F(SettingRulesTest, RefusalsAndTheWriteOfThePage) {
  Identify(2, 15);
  LinkTestAccess::FlagiZapisu(link) = 0;
  S(1) = 6;
  EXPECT_FALSE(SetValue(link, view, 2, 5, 1).stored) << "hidden";
  EXPECT_FALSE(SetValue(link, {0, EditorView::kCalibrationPanel, false}, 86, 90, 1).stored)
      << "the calibration panel at the basic level";
  EXPECT_FALSE(StepSetting(link, view, 3, -1 - S(3)).stored) << "below the minimum";

  EXPECT_TRUE(SetValue(link, view, 3, 999, 1).stored);
  EXPECT_EQ(S(3), link.ListaNastaw()[3].max) << "clamped";
  // Not connected: the page is not queued (writes need a connection), but the image changed.
  EXPECT_EQ(link.FlagiZapisu(), 0u);

  SetValue(link, view, 306, 0x1234, 2);
  EXPECT_EQ(S(306), 0x34);
  EXPECT_EQ(S(307), 0x12);
}

// Every value of every listed setting, typed as the program prints it, comes back as printed.
TEST_F(SettingRulesTest, TypedValuesReadAsPrinted) {
  for (const int family : {2, 255}) {
    Identify(family, 17, family == 255 ? 9 : 3, 6);
    const auto image = LinkTestAccess::ObrazSterownika(link);
    for (int setting = 0; setting < kSettingsCount; ++setting) {
      LinkTestAccess::ObrazSterownika(link) = image;
      const Nastawa& n = link.ListaNastaw()[setting];
      if (!IsListed(link, setting) || IsMultiplier(setting)) continue;
      if (InputOf(link, setting) == Input::TroubleCode) continue;
      for (const int raw :
           {static_cast<int>(n.min), (n.min + n.max) / 2, static_cast<int>(n.max)}) {
        LinkTestAccess::ObrazSterownika(link) = image;
        const std::string printed = ValueText(link, setting, raw);
        if (printed == "?" || printed == "-") continue;  // no option, nothing to type
        const TypedChange typed = SetTypedValue(link, view, setting, printed);
        EXPECT_EQ(typed.refusal, TypedRefusal::None) << family << ": " << setting << " " << printed;
        EXPECT_EQ(ValueText(link, setting), printed) << family << ": " << setting;
      }
    }
    LinkTestAccess::ObrazSterownika(link) = image;
  }
}

TEST_F(SettingRulesTest, TypedValuesAndTheirRefusals) {
  Identify(2, 17, 3, 6);
  S(1) = 6;
  S(113) = 0;
  S(114) = 1;
  struct Case {
    int setting;
    std::string typed;
    TypedRefusal refusal;
    std::string shown;  // the value's text afterwards, for those taken
  };
  const Case cases[] = {
      {3, "3", TypedRefusal::None, "3.00"},
      {3, " 2,4 ", TypedRefusal::None, "2.40"},
      {3, "3.01", TypedRefusal::NotAValue, ""},
      {3, "99", TypedRefusal::OutsideLimits, ""},
      {3, "three", TypedRefusal::NotAValue, ""},
      {24, "barracuda 1.9 ohm", TypedRefusal::None, "Barracuda 1.9 Ohm"},
      {113, LangText(1080), TypedRefusal::None, LangText(1080)},
      {111, "1a", TypedRefusal::None, "1Ah"},
      {115, "p0301", TypedRefusal::None, "P0301"},
      {115, "Q0301", TypedRefusal::NotAValue, ""},
      {190, "1.25", TypedRefusal::None, "1.25"},
      {190, "9", TypedRefusal::OutsideLimits, ""},
      {2, "1", TypedRefusal::Hidden, ""},
      {0, "1", TypedRefusal::NoSuchSetting, ""},
      {600, "1", TypedRefusal::NoSuchSetting, ""},
  };
  for (const Case& c : cases) {
    const TypedChange typed = SetTypedValue(link, view, c.setting, c.typed);
    EXPECT_EQ(typed.refusal, c.refusal) << c.setting << " " << c.typed;
    if (c.refusal == TypedRefusal::None) {
      EXPECT_EQ(ValueText(link, c.setting), c.shown) << c.setting << " " << c.typed;
    }
  }
  EXPECT_EQ(SetRawValue(link, view, 24, 1).refusal, TypedRefusal::None);
  EXPECT_EQ(ValueText(link, 24), "Barracuda 1.9 Ohm");
  EXPECT_EQ(SetRawValue(link, view, 24, 200).refusal, TypedRefusal::OutsideLimits);
  EXPECT_EQ(SetRawValue(link, view, 24, 256).refusal, TypedRefusal::NotAValue);

  Identify(255, 17, 9, 6);
  EXPECT_EQ(SetTypedValue(link, view, 299, "rpm").refusal, TypedRefusal::None);
  EXPECT_EQ(S(299), 2);
}

// A limit the controller's firmware sets holds wherever a value comes from: typed on the command
// line, stepped or picked in the editor, chosen in the level sensor window. No view has to be
// laid out first.
TEST_F(SettingRulesTest, TheFirmwaresLevelSensorTypesHoldEverywhere) {
  struct Case {
    int family, firmware;
    int types;  // how many the firmware knows
  };
  const Case cases[] = {{2, 8, 5},  {2, 2, 5},   {255, 9, 5},  {2, 10, 12},
                        {2, 1, 12}, {5, 16, 12}, {255, 17, 12}};
  for (const Case& c : cases) {
    Identify(c.family, c.firmware);
    SCOPED_TRACE(testing::Message() << c.family << " at firmware " << c.firmware);
    EXPECT_EQ(OptionTexts(link, 40).size(), static_cast<size_t>(c.types));
    EXPECT_EQ(SetRawValue(link, view, 40, c.types - 1).refusal, TypedRefusal::None);
    EXPECT_EQ(SetRawValue(link, view, 40, c.types).refusal, TypedRefusal::OutsideLimits);
    SetValue(link, view, 40, 11, 1);
    EXPECT_EQ(S(40), c.types - 1) << "held to the last type";
    S(40) = static_cast<uint8_t>(c.types - 1);
    EXPECT_FALSE(StepSetting(link, view, 40, +1).stored);
  }
  Identify(2, 8);
  EXPECT_EQ(SetTypedValue(link, view, 40, "VESK").refusal, TypedRefusal::NotAValue)
      << "type 6 is not this firmware's";
}

// Setting 138 decides what the KAVI family's settings 18 and 19 are; every front end reads and
// limits them by it, as soon as it changes.
TEST_F(SettingRulesTest, TheKaviPressureEmulationDecidesSettings18And19) {
  Identify(255, 17, 9, 6);
  S(138) = 0;
  ASSERT_TRUE(SetValue(link, view, 138, 2, 1).stored);
  EXPECT_EQ(SetRawValue(link, view, 18, 200).refusal, TypedRefusal::None);
  EXPECT_EQ(ValueText(link, 18), "0.72") << "an offset of (200 - 128) x 0.01";
  EXPECT_EQ(SetTypedValue(link, view, 19, "7.50").refusal, TypedRefusal::None);
  EXPECT_EQ(S(19), 240);
  ASSERT_TRUE(SetValue(link, view, 138, 1, 1).stored);
  EXPECT_EQ(SetRawValue(link, view, 18, 200).refusal, TypedRefusal::OutsideLimits)
      << "a modulation goes up to 100";

  // As a settings file brings it: the range check keeps the file's offset.
  std::vector<uint8_t> file = SettingsFileOf(255);
  file[SettingPosition(138)] = 2;
  file[SettingPosition(18)] = 200;
  file[SettingPosition(0)] = PageChecksum(&file[SettingPosition(0)]);
  ASSERT_TRUE(link.LoadSettings(file, "offset.set"));
  EXPECT_EQ(S(18), 200);
  EXPECT_EQ(link.ListaNastaw()[18].nazwa, 4387u);
}

// The editor shows some settings only in administrator mode; no other way in changes them
// outside it.
TEST_F(SettingRulesTest, AdministratorsSettingsNeedAdministratorMode) {
  struct Case {
    int family, setting;
    bool reserved;
  };
  const Case cases[] = {
      {2, 13, true},    {2, 25, true},    {2, 29, true},    {2, 73, true},     {2, 89, true},
      {2, 24, false},   {2, 3, false},    {255, 259, true}, {255, 298, true},  {255, 299, true},
      {255, 312, true}, {255, 9, true},   {255, 16, true},  {255, 110, true},  {255, 27, true},
      {255, 13, false}, {255, 23, false}, {255, 89, false}, {255, 264, false},
  };
  const EditorView installer{2, EditorView::kMainPage, false};
  for (const Case& c : cases) {
    Identify(c.family, 17, c.family == 255 ? 9 : 3, 6);
    S(138) = 1;
    SCOPED_TRACE(testing::Message() << c.family << ": " << c.setting);
    const Nastawa& n = link.ListaNastaw()[c.setting];
    const int other = S(c.setting) == n.min ? n.max : n.min;
    EXPECT_EQ(SetRawValue(link, installer, c.setting, other).refusal,
              c.reserved ? TypedRefusal::Administrators : TypedRefusal::None);
    EXPECT_EQ(S(c.setting) == other, !c.reserved);
    EXPECT_EQ(SetRawValue(link, view, c.setting, n.min).refusal, TypedRefusal::None);
  }
  Identify(2, 15);
  S(13) = 0;
  EXPECT_FALSE(ToggleSetting(link, {2, EditorView::kMainPage, false}, 13).stored);
  EXPECT_TRUE(ToggleSetting(link, view, 13).stored);
  EXPECT_EQ(S(13), 1);
}

TEST(TroubleCodeTest, TypedCodes) {
  struct Case {
    const char* typed;
    int code;
  };
  const Case cases[] = {{"P0301", 0x0301}, {"c1a2b", 0x4000 | 0x1A2B},
                        {"U3FFF", 0xFFFF}, {"B0000", 0x8000},
                        {"X0301", -1},     {"P030", -1},
                        {"P03G1", -1},     {"P03011", -1}};
  for (const Case& c : cases)
    EXPECT_EQ(ParseTroubleCode(c.typed).value_or(-1), c.code) << c.typed;
}

}  // namespace
