// The settings editor's layout, navigation, geometry and look, worked out without a window.

#include <gtest/gtest.h>

#include <set>

#include "controller/SettingsCatalogue.h"
#include "controller/StatusDecoding.h"
#include "lang/Langtext.h"
#include "settings/EditorGeometry.h"
#include "settings/EditorLayout.h"
#include "settings/EditorLook.h"
#include "settings/SettingVisibility.h"
#include "tests/support/IdentifiedLinkTest.h"
#include "tests/support/LinkTestAccess.h"

namespace {

class EditorLayoutTest : public IdentifiedLinkTest {
 protected:
  EditorLayout Layout(int viewLevel, int mode = 0, bool administrator = false) {
    EditorView view{viewLevel, mode, administrator};
    view.viewLevel = ImposedViewLevel(link, view);
    return LayoutFor(link, view);
  }
};

TEST_F(EditorLayoutTest, MainPagesByLevelFamilyAndFirmware) {
  struct Case {
    int family, firmware, special, level;
    bool administrator;
    int rows;
    int row, column, cell;
  };
  const Case cases[] = {
      {2, 15, 0, 0, false, 16, 2, 0, 2},    // basic: setting 2 always
      {2, 15, 0, 1, false, 19, 9, 0, -10},  // full
      {2, 15, 0, 2, false, 26, 2, 0, 14},   // advanced: 14 unless the signal needs 2
      {5, 15, 0, 2, false, 26, 5, 0, 15},   // FORTIX shows the emulation in row 5
      {2, 15, 0, 2, false, 26, 5, 0, 5},
      {2, 3, 0, 2, true, 24, 23, 1, -1},   // early firmware: 24 rows, row 23 empty
      {2, 3, 0, 2, true, 24, 2, 0, 2},     // and setting 2 in row 2
      {2, 13, 0, 2, true, 26, 25, 0, -1},  // 156 gone above firmware 12
      {2, 12, 0, 2, true, 26, 25, 0, 156},
      {2, 12, 0, 2, false, 26, 25, 1, -1},  // 13 for administrators only
      {2, 12, 0, 2, true, 26, 25, 1, 13},
      {255, 17, 0, 0, false, 26, 1, 1, 10},   // KAVI: its own page, whatever the level
      {255, 17, 0, 0, false, 26, 24, 0, -1},  // 259, 312, 298, 299 for administrators
      {255, 17, 0, 0, true, 26, 25, 1, 299},
      {2, 15, 11, 0, false, 18, 4, 0, 4},  // "DuzOzed"
  };
  for (const Case& c : cases) {
    Identify(c.family, c.firmware, c.family == 255 ? 9 : 3, 4, 0, c.special);
    S(1) = 1;
    const EditorLayout l = Layout(c.level, 0, c.administrator);
    SCOPED_TRACE(testing::Message() << c.family << "/" << c.firmware << " level " << c.level);
    EXPECT_EQ(l.Rows(), c.rows);
    EXPECT_EQ(l.Cell(c.row, c.column), c.cell);
  }
  Identify(255, 17, 9, 4, 13);
  EXPECT_EQ(Layout(2).Cell(4, 0), -1) << "no setting 137 on a differential board";
  Identify(2, 15);
  S(1) = 7;
  EXPECT_EQ(Layout(2).Cell(2, 0), 2) << "the divider of the RPM signal";
}

TEST_F(EditorLayoutTest, EmbeddedPanelsAndTheBankRule) {
  Identify(5, 15, 4, 8);
  EXPECT_EQ(Layout(1, 27).cells, (std::vector<int>{190, 90}));
  // Banks that differ, the second shown: its multiplier and idle correction stand in.
  LinkTestAccess::NumerBanku(link) = 2;
  EXPECT_EQ(Layout(1, 27).cells, (std::vector<int>{164, 92}));
  EXPECT_EQ(BankSuffix(link, 164), " " + LangText(1720) + " 2");
  EXPECT_EQ(BankSuffix(link, 190), "");

  Identify(6, 15);
  EXPECT_EQ(Layout(1, 20).cells, (std::vector<int>{79, 90, 78, -1, 77, -1, -1, -1}));
  Identify(8, 10, 8);
  EXPECT_EQ(Layout(1, 21).Cell(0, 0), 2);
  Identify(255, 17, 9, 6);
  S(138) = 2;
  EXPECT_EQ(Layout(1, 21, true).Cell(0, 0), 75);
  EXPECT_EQ(Layout(1, 21, false).Cell(2, 0), -1) << "21 for administrators";
  EXPECT_EQ(Layout(1, 1).Cell(3, 0), 84) << "KAVI only";

  S(109) = 3;
  const EditorLayout obd = Layout(1, EditorView::kObdPanel, true);
  EXPECT_EQ(obd.Rows(), 14);
  EXPECT_EQ(obd.Cell(11, 0), 128) << "the PID reading scope of CAN protocols";
  EXPECT_EQ(NameId(link, {1, EditorView::kObdPanel, true}, 113), 4160);
  EXPECT_EQ(Layout(1, EditorView::kObdPanel, false).Cell(11, 0), -1);
}

TEST_F(EditorLayoutTest, HelpPanelsListTheirSetting) {
  Identify(2, 15, 3, 6);
  S(15) = 3;
  EXPECT_EQ(Layout(1, 1015).cells, (std::vector<int>{15, 6, 48, 18, 19}));
  EXPECT_EQ(Layout(1, 1015).columns, 1);
  EXPECT_EQ(Layout(1, 1216).Rows(), 6) << "one row per injector";
  EXPECT_EQ(Layout(1, 1133).Rows(), 3);
  Identify(2, 12);
  EXPECT_EQ(Layout(1, 1133).Rows(), 5) << "137 and 138 up to firmware 12";
}

// The settings reserved to administrators are exactly those the editor shows only among its
// administrator cells: on the main pages, in the strips the family's windows open and in the
// help panels they lead to, whatever the settings that choose a cell.
TEST_F(EditorLayoutTest, ReservedSettingsAreThoseOnlyAdministratorsAreShown) {
  struct Controller {
    int family, firmware, model, injectors;
    std::vector<int> strips;  // the calibration strip, the map's sub-views, the OBD panel
  };
  const std::vector<int> malver = {1, 20, 21, 27, 28, EditorView::kObdPanel};
  const std::vector<int> kavi = {1, 20, 21, 22, 23, 24, 25, 26, 27, EditorView::kObdPanel};
  const Controller controllers[] = {{2, 15, 3, 4, malver}, {2, 12, 3, 4, malver},
                                    {5, 16, 4, 8, malver}, {6, 14, 5, 4, malver},
                                    {255, 17, 9, 6, kavi}, {255, 13, 9, 4, kavi}};
  for (const Controller& c : controllers) {
    Identify(c.family, c.firmware, c.model, c.injectors);
    std::set<int> shown[2];  // without and with the administrator flag
    for (const bool administrator : {false, true}) {
      std::set<int>& cells = shown[administrator];
      auto add = [&](const EditorLayout& layout) {
        for (const int cell : layout.cells)
          if (cell > 0) cells.insert(cell);
      };
      for (const int obdProtocol : {0, 3})
        for (const int emulation : {0, 1, 2})
          for (const int emulationKind : {1, 2, 3}) {
            S(109) = static_cast<uint8_t>(obdProtocol);
            S(138) = static_cast<uint8_t>(emulation);
            S(15) = static_cast<uint8_t>(emulationKind);
            for (const int level : {0, 1, 2})
              add(Layout(level, EditorView::kMainPage, administrator));
            for (const int strip : c.strips)
              add(Layout(2, strip, administrator));
            // Help panels lead on to others.
            size_t before = 0;
            do {
              before = cells.size();
              for (const int setting : std::set<int>(cells))
                if (HelpFor(link, {2, 0, administrator}, setting) == HelpTarget::HelpPanel)
                  add(Layout(2, EditorView::kHelpPanels + setting, administrator));
            } while (cells.size() != before);
          }
    }
    for (int setting = 0; setting < kSettingsCount; ++setting) {
      const bool onlyAdministrators = shown[1].count(setting) && !shown[0].count(setting);
      EXPECT_EQ(ReservedToAdministrators(link, setting), onlyAdministrators)
          << c.family << " at firmware " << c.firmware << ": setting " << setting;
    }
  }
}

TEST_F(EditorLayoutTest, ArrowKeysPassOverEmptyAndHiddenCells) {
  Identify(2, 15);
  S(1) = 1;  // hides setting 2 (row 2 of the full page)
  const EditorLayout full = Layout(1);
  auto move = [&](int row, int column, int direction) {
    const auto to = MoveSelection(link, full, {row, column}, direction);
    return to ? to->row * 10 + to->column : -1;
  };
  EXPECT_EQ(move(1, 0, +1), 30) << "over the hidden setting 2";
  EXPECT_EQ(move(3, 0, -1), 10);
  EXPECT_EQ(move(1, 0, -1), -1) << "past the first row: a beep";
  EXPECT_EQ(move(17, 0, +1), 11) << "from the foot of the left column to the right one";
  EXPECT_EQ(move(1, 1, -1), 170) << "and back";
  EXPECT_EQ(move(17, 1, +1), -1);
}

TEST_F(EditorLayoutTest, Geometry) {
  const EditorLayout page{2, std::vector<int>(2 * 20, 1)};
  EditorGeometry g = GeometryFor({1, 0, false}, page, 800, 500);
  EXPECT_EQ(g.rowHeight, 25);
  EXPECT_EQ(g.columnWidth, 400);
  EXPECT_EQ(g.valueLeft, 218);
  EXPECT_EQ(g.valueRight, 393);
  EXPECT_EQ(g.buttonSize, 25);
  g = GeometryFor({1, 0, false}, page, 800, 300);
  EXPECT_EQ(g.rowHeight, 18) << "never below 18";
  EXPECT_EQ(g.columnWidth, 390) << "and then the columns 10 pixels narrower";
  EXPECT_EQ(GeometryFor({1, 20, false}, page, 800, 300).rowHeight, 22) << "embedded panels";
  const EditorLayout help{1, {15, 6}};
  g = GeometryFor({1, 1015, false}, help, 300, 200);
  EXPECT_EQ(g.rowHeight, 25) << "help panels: 18 to 25";
  EXPECT_EQ(g.columnWidth, 300);
  EXPECT_EQ(g.buttonSize, 25);
  EXPECT_EQ(GeometryFor({1, 0, false}, page, 200, 2000).buttonSize, 10) << "a tenth of the column";

  EXPECT_EQ(FittingFontSize([](int size) { return 10 * size; }, [](int size) { return size; }, 150,
                            30, 24),
            14);
  EXPECT_EQ(FittingFontSize([](int) { return 999; }, [](int size) { return size; }, 150, 30, 24),
            7);
  const int intervals[] = {RepeatInterval(0), RepeatInterval(2), RepeatInterval(3),
                           RepeatInterval(10), RepeatInterval(30)};
  EXPECT_EQ(std::vector<int>(std::begin(intervals), std::end(intervals)),
            (std::vector<int>{600, 600, 300, 100, 30}));
}

TEST_F(EditorLayoutTest, NozzleIndicator) {
  struct Case {
    int setting90;
    double marker;
  };
  // f = 1 + (s - 128) * 0.02 maps -1.56, -1, -0.5, 1.5, 2.3, 3.54 to the parts' edges.
  const Case cases[] = {{0, 0.0},       {28, 1.0 / 6}, {53, 2.0 / 6}, {153, 4.0 / 6},
                        {193, 5.0 / 6}, {255, 1.0},    {128, 3.5 / 6}};
  for (const Case& c : cases)
    EXPECT_NEAR(NozzleMarker(c.setting90), c.marker, 1e-9) << c.setting90;
}

TEST_F(EditorLayoutTest, LookOfASetting) {
  Identify(2, 15);
  S(20) = 0;
  S(86) = 79;
  EXPECT_TRUE(WarningBackground(link, 86));
  S(86) = 120;
  EXPECT_FALSE(WarningBackground(link, 86));
  S(85) = 219;
  EXPECT_TRUE(WarningBackground(link, 85));
  EXPECT_EQ(HoverTextId(link, 3), 3039);
  EXPECT_EQ(HelpFor(link, {1, 0, false}, 24), HelpTarget::None) << "for administrators";
  EXPECT_EQ(HelpFor(link, {1, 0, true}, 24), HelpTarget::HelpPanel);
  EXPECT_EQ(HelpFor(link, {1, 0, false}, 8), HelpTarget::InjectorSequence);

  const EditorColours light = EditorColoursFor(3, 0xFFFFFF, 0);
  EXPECT_EQ(light.selectedBackground, 0xF2D2B5u);
  EXPECT_EQ(light.selectedText, 0x0F0F0Fu) << "the value text lightened by 15";
  EXPECT_EQ(EditorColoursFor(5, 0, 0).hiddenText, 0x3C3C3Cu);

  EXPECT_EQ(HelpVideoAddress(11, 0), "") << "only in Polish";
  EXPECT_NE(HelpVideoAddress(11, 1), "");
  EXPECT_EQ(HelpVideoAddress(18, 1), "");
}

TEST_F(EditorLayoutTest, WorkIndicatorHighlightsTheActingCorrections) {
  struct Case {
    int family;
    uint8_t flags, load, rpm;
    int indicator;
  };
  const Case cases[] = {{2, 0x03, 2, 3, 1}, {2, 0x03, 5, 9, 2}, {2, 0x03, 5, 5, 0},
                        {2, 0x01, 2, 3, 0}, {2, 0x83, 5, 5, 4}, {255, 0x43, 2, 2, 5},
                        {2, 0x43, 2, 2, 1}, {8, 0x03, 2, 3, 0}};
  for (const Case& c : cases) {
    Identify(c.family, 15);
    std::vector<uint8_t> frame(128, 0);
    frame[11] = c.flags;
    frame[15] = c.load;
    frame[16] = c.rpm;
    DecodedStatus status;
    TakeFrame(code::Poll, frame, status);
    DecodeStatus({link.Rodzina(), {}, nullptr, '.'}, status);
    EXPECT_EQ(WorkIndicator(link, status), c.indicator)
        << c.family << " " << int(c.flags) << " " << int(c.load) << " " << int(c.rpm);
  }
  EXPECT_TRUE(Highlighted(90, 1));
  EXPECT_TRUE(Highlighted(164, 2));
  EXPECT_TRUE(Highlighted(89, 6));
  EXPECT_FALSE(Highlighted(89, 2));
}

}  // namespace
