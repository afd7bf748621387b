// The grid kinds as the map view draws them: where the grids sit and which cell a point hits,
// the fonts that fit, the cells' colours, the learned maps' colours and titles above the RPM
// corrections, the captions, the check marks and the correction axis switch.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "charts/ChartKinds.h"
#include "charts/CorrectionAxis.h"
#include "charts/TableCells.h"
#include "charts/TableLayout.h"
#include "charts/TablePicture.h"
#include "controller/Protocol.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"
#include "tests/support/OfflineLink.h"

namespace {

using namespace chart;

constexpr int kKinds[] = {1, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16};

TableOptions Options(int upper, MapShown shown, bool focused = false, Block selection = {}) {
  return {upper, shown, focused, selection};
}

class TableViewTest : public ::testing::Test {
 protected:
  TableViewTest() { Texts().LanguageIndex = 0; }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(o.link)[i]; }
  uint8_t& Image(int offset) {
    return LinkTestAccess::ObrazSterownika(o.link)[static_cast<size_t>(offset)];
  }
  void SetCell(int area, int column, int row, int v) {
    Image(area + column * 16 + row) = static_cast<uint8_t>(v);
  }

  OfflineLink o;
  const ChartColours colours;
};

// ---- Layout and hit-testing ----

TEST_F(TableViewTest, GridsSitWhereTheKindPutsThem) {
  struct Case {
    int kind, upper, width, height;
    GridGeometry main;
    std::optional<GridGeometry> upperGrid;
  };
  const Case cases[] = {
      {1, 0, 1000, 600, {5, 16, 58, 34}, std::nullopt},
      {1, 1, 1000, 600, {5, 321, 58, 15}, GridGeometry{5, 16, 58, 15}},
      {1, 2, 1920, 1080, {5, 561, 112, 30}, GridGeometry{5, 16, 112, 30}},
      {13, 0, 1000, 600, {20, 16, 57, 34}, std::nullopt},
      {5, 1, 1000, 600, {20, 16, 57, 34}, std::nullopt},  // only kind 1 has an upper grid
  };
  for (const Case& c : cases) {
    const TableGrids grids = TableGridsOf(c.kind, c.upper, c.width, c.height);
    EXPECT_EQ(grids.main, c.main) << "kind " << c.kind << " upper " << c.upper;
    EXPECT_EQ(grids.upper, c.upperGrid) << "kind " << c.kind << " upper " << c.upper;
  }
}

// Whatever the size, the grids stay inside the view and the upper one ends above the main one.
TEST_F(TableViewTest, GridsFitTheViewAndKeepApart) {
  for (int kind : kKinds)
    for (int upper : {0, 1})
      for (auto [w, h] : {std::pair{640, 400}, {1000, 600}, {1366, 700}, {1920, 1080}}) {
        const TableGrids g = TableGridsOf(kind, upper, w, h);
        EXPECT_LE(g.main.left + g.main.Width(), w) << kind << " " << w << "x" << h;
        EXPECT_LE(g.main.Bottom(), h) << kind << " " << w << "x" << h;
        if (g.upper) {
          EXPECT_LT(g.upper->Bottom(), g.main.top) << w << "x" << h;
        }
      }
}

TEST_F(TableViewTest, APointHitsTheCellUnderIt) {
  const GridGeometry g{20, 16, 57, 34};  // cells from x = 22, y = 18
  struct Case {
    int x, y;
    std::optional<GridPosition> cell;
  };
  const Case cases[] = {
      {22, 18, GridPosition{0, 0}},       // the corner's first pixel
      {21, 18, std::nullopt},             // the border
      {22 + 56, 18, GridPosition{0, 0}},  // the line after the corner
      {22 + 57, 18 + 34, GridPosition{1, 1}},
      {22 + 57 * 16 + 56, 18 + 34 * 16 + 33, GridPosition{16, 16}},
      {22 + 57 * 17, 18, std::nullopt},  // right of the last column
      {22, 18 + 34 * 17, std::nullopt},  // below the last row
  };
  for (const Case& c : cases)
    EXPECT_EQ(CellAt(g, c.x, c.y), c.cell) << c.x << ", " << c.y;
  for (int column = 0; column < kGridCells; ++column)
    for (int row = 0; row < kGridCells; ++row) {
      const CellBox box = g.Box({column, row});
      EXPECT_EQ(CellAt(g, box.right - 1, box.bottom - 1), (GridPosition{column, row}));
    }
}

TEST_F(TableViewTest, TableRowZeroIsTheBottomGridRow) {
  EXPECT_EQ(GridOfTable(0, 0), (GridPosition{1, 16}));
  EXPECT_EQ(GridOfTable(15, 15), (GridPosition{16, 1}));
}

TEST_F(TableViewTest, UpperTableAsTheViewCanShowIt) {
  MemoryLink lumo(6);
  ASSERT_TRUE(lumo.ReadOut());
  EXPECT_EQ(ShownUpperTable(lumo.link, 1), 1);
  EXPECT_EQ(ShownUpperTable(lumo.link, 2), 0) << "the LUMO keeps no OBD maps";
  EXPECT_EQ(ShownUpperTable(o.link, 2), 2);
  EXPECT_EQ(ShownUpperTable(o.link, 3), 0);
}

// The largest size that fits, the petrol pressure map and dose a tenth smaller, and the
// smallest readable size when nothing fits (the view then scrolls).
TEST_F(TableViewTest, FontsFitTheCells) {
  const auto fonts = [&](int kind, int w, int h) {
    return FittedFonts(o.link, kind, 0, TableGridsOf(kind, 0, w, h), TextWidthEstimate,
                       TextHeightEstimate);
  };
  const TableFonts wide = fonts(13, 1000, 600);  // cells 57 x 34
  EXPECT_EQ(wide.headers, 18) << "\"5000\" is 54 pixels at 18 points, a line 30";
  EXPECT_EQ(wide.data, wide.headers);
  EXPECT_EQ(wide.corner, 10) << "\"bar\\rpm\" is 52 pixels at 10 points";
  EXPECT_EQ(fonts(12, 1000, 600).data, 16);
  EXPECT_EQ(fonts(14, 1000, 600).data, 14) << "\"2.040\" fits no larger";
  EXPECT_EQ(fonts(13, 200, 120).headers, kSmallestTableFont) << "nothing fits";
}

// A view smaller than this scrolls: its cells hold the headers at the smallest readable size,
// and one pixel less in either direction would not.
TEST_F(TableViewTest, LeastViewKeepsTheDigitsReadable) {
  for (int kind : kKinds)
    for (int upper : {0, 1}) {
      const ViewSize least = LeastTableView(kind, upper, TextWidthEstimate, TextHeightEstimate);
      const auto headers = [&](int w, int h) {
        const TableGrids grids = TableGridsOf(kind, upper, w, h);
        const TableFonts fonts =
            FittedFonts(o.link, kind, upper, grids, TextWidthEstimate, TextHeightEstimate);
        return TextWidthEstimate(kWidestHeader, fonts.headers) < grids.main.column - 2 &&
               TextHeightEstimate(fonts.headers) < grids.main.row - 1;
      };
      EXPECT_TRUE(headers(least.width, least.height)) << kind << " " << upper;
      EXPECT_FALSE(headers(least.width - kGridCells, least.height)) << kind << " " << upper;
    }
}

std::pair<int, int> LeastSize(int kind) {
  const ViewSize least = LeastTableView(kind, 1, TextWidthEstimate, TextHeightEstimate);
  return {least.width, least.height};
}

// Every text of every grid kind keeps inside its cell at the sizes installers use and at the
// least one, whole or as the mark that it does not fit, and never smaller than readable.
TEST_F(TableViewTest, TextsStayInsideTheirCells) {
  for (int c = 0; c < 16; ++c)
    for (int r = 0; r < 16; ++r) {
      SetCell(img::MapaEcuBen, c, r, 200);
      SetCell(img::MapaEcuGaz, c, r, 45);
    }
  for (int r = 0; r < 16; ++r)
    Setting(224 + r) = 255;
  for (int kind : kKinds)
    for (auto [w, h] : {std::pair{1000, 600}, {1920, 1080}, LeastSize(kind)}) {
      const PlotGeometry plot = PlotGeometryFor(w, h, kind);
      const Picture p = TableData(o.link, kind, plot, colours, Options(1, MapShown::Deviation),
                                  TextWidthEstimate, TextHeightEstimate);
      const TableGrids grids = TableGridsOf(kind, 1, w, h);
      for (const Shape& shape : p.shapes) {
        const Text* t = std::get_if<Text>(&shape);
        if (!t) continue;
        const int width = TextWidthEstimate(t->text, t->points);
        const int left = t->align == Align::Right    ? t->at.x - width
                         : t->align == Align::Centre ? t->at.x - width / 2
                                                     : t->at.x;
        const GridGeometry& g = grids.upper && t->at.y < grids.main.top ? *grids.upper : grids.main;
        const auto cell = CellAt(g, t->at.x - 1, t->at.y);
        ASSERT_TRUE(cell) << "kind " << kind << " \"" << t->text << "\"";
        const CellBox box = g.Box(*cell);
        EXPECT_GE(left, box.left) << "kind " << kind << " \"" << t->text << "\" " << w;
        EXPECT_LE(left + width, box.right) << "kind " << kind << " \"" << t->text << "\" " << w;
        EXPECT_LE(t->at.y + TextHeightEstimate(t->points), box.bottom) << t->text;
        EXPECT_GE(t->points, kSmallestTableFont) << t->text;
      }
    }
}

// ---- Cell colours ----

TEST_F(TableViewTest, RpmCorrectionsShadeLeanBlueAndRichRed) {
  struct Case {
    int v;
    uint32_t background;
  };
  const Case cases[] = {
      {100, colours.mainCellBackground}, {101, Rgb(255, 234, 234)}, {150, Rgb(255, 185, 185)},
      {50, Rgb(185, 185, 255)},          {255, Rgb(255, 80, 80)},  // 155 + 20 from neutral
      {0, Rgb(135, 135, 255)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MainCellColours(o.link, 1, static_cast<uint8_t>(c.v), colours),
              (CellColours{c.background, kBlack}))
        << c.v;
}

// Tables the settings leave unused are greyed, and values the engine cannot take are red.
TEST_F(TableViewTest, TextColoursFollowTheSettings) {
  struct Case {
    int kind;
    std::vector<std::pair<int, int>> settings;
    int injectors;
    int v;
    uint32_t text;
  };
  const uint32_t off = colours.disabledText;
  const Case cases[] = {
      {11, {{156, 1}}, 4, 50, off},
      {11, {{156, 2}}, 4, 50, kBlack},
      {9, {{12, 2}}, 4, 50, off},
      {9, {{12, 1}}, 4, 50, kBlack},
      {13, {{261, 1}}, 4, 200, off},
      // Four cylinders: half a turn, or a whole one with setting 262.
      {13, {{261, 2}, {262, 0}}, 4, 72, kBlack},  // 180 degrees
      {13, {{261, 2}, {262, 0}}, 4, 73, kPetrol},
      {13, {{261, 2}, {262, 1}}, 8, 144, kBlack},  // 360
      {13, {{261, 2}, {262, 1}}, 8, 145, kPetrol},
      // Other counts: 120, 240 or 360 degrees.
      {13, {{261, 2}, {262, 0}}, 6, 48, kBlack},
      {13, {{261, 2}, {262, 0}}, 6, 49, kPetrol},
      {13, {{261, 2}, {262, 1}}, 6, 97, kPetrol},
      {13, {{261, 2}, {262, 2}}, 6, 144, kBlack},
      // The dose against setting 7 x 0.1 ms: exactly 1 ms is not below 1 ms.
      {14, {{257, 2}, {7, 10}}, 4, 125, kBlack},
      {14, {{257, 2}, {7, 10}}, 4, 124, kPetrol},
      {14, {{257, 1}, {7, 10}}, 4, 124, off},
      {8, {}, 4, 255, kBlack},
  };
  for (const Case& c : cases) {
    for (auto [s, v] : c.settings)
      Setting(s) = static_cast<uint8_t>(v);
    LinkTestAccess::IleWtryskiwaczy(o.link) = c.injectors;
    const CellColours cell = MainCellColours(o.link, c.kind, static_cast<uint8_t>(c.v), colours);
    EXPECT_EQ(cell.text, c.text) << "kind " << c.kind << " v " << c.v;
    EXPECT_EQ(cell.background, colours.mainCellBackground);
  }
}

// ---- The learned maps above the RPM corrections ----

TEST_F(TableViewTest, UpperCellsShowWhichDataTheyHoldAndTheDeviation) {
  struct Case {
    UpperTable table;
    MapShown shown;
    int petrol, gas;
    CellColours expected;
  };
  const CellColours empty{colours.upperCellBackground, kBlack};
  const auto both = [](uint32_t text) { return CellColours{kBothShade, text}; };
  using enum UpperTable;
  using enum MapShown;
  const Case cases[] = {
      {InjectionTimes, Petrol, 50, 0, {kPetrolShade, kBlack}},
      {InjectionTimes, Petrol, 0, 50, empty},
      {InjectionTimes, Gas, 0, 50, {kGasShade, kBlack}},
      {InjectionTimes, Deviation, 0, 0, empty},
      {InjectionTimes, Deviation, 50, 0, {kPetrolShade, kBlack}},
      {InjectionTimes, Deviation, 0, 50, {kGasShade, kBlack}},
      {InjectionTimes, Deviation, 61, 50, both(kRichText)},  // 1.1 ms
      {InjectionTimes, Deviation, 60, 50, both(kEvenText)},
      {InjectionTimes, Deviation, 40, 50, both(kEvenText)},
      {InjectionTimes, Deviation, 39, 50, both(kLeanText)},
      {ObdCorrections, Deviation, 134, 128, both(kRichText)},
      {ObdCorrections, Deviation, 133, 128, both(kEvenText)},
      {ObdCorrections, Deviation, 123, 128, both(kEvenText)},
      {ObdCorrections, Deviation, 122, 128, both(kLeanText)},
      {ObdCorrections, Petrol, 122, 128, {kPetrolShade, kBlack}},
  };
  for (const Case& c : cases) {
    const bool obd = c.table == ObdCorrections;
    SetCell(obd ? img::MapaObdBen1 : img::MapaEcuBen, 3, 4, c.petrol);
    SetCell(obd ? img::MapaObdGaz1 : img::MapaEcuGaz, 3, 4, c.gas);
    EXPECT_EQ(UpperCellColours(o.link, c.table, c.shown, 3, 4, colours), c.expected)
        << "table " << int(c.table) << " shown " << int(c.shown) << " " << c.petrol << " " << c.gas;
  }
}

// Adapting to a set value, a gas correction is measured against that value, petrol or not.
TEST_F(TableViewTest, AdaptationToASetValueMeasuresGasAgainstIt) {
  Setting(81) = 3;
  Setting(108) = 140;
  SetCell(img::MapaObdBen1, 0, 0, 0);
  SetCell(img::MapaObdGaz1, 0, 0, 133);
  EXPECT_EQ(
      UpperCellColours(o.link, UpperTable::ObdCorrections, MapShown::Deviation, 0, 0, colours),
      (CellColours{kBothShade, kRichText}));
  SetCell(img::MapaObdGaz1, 0, 0, 0);
  EXPECT_EQ(UpperCellColours(o.link, UpperTable::ObdCorrections, MapShown::Deviation, 0, 0, colours)
                .background,
            colours.upperCellBackground);
}

TEST_F(TableViewTest, UpperTitlesAndHeaders) {
  struct Case {
    UpperTable table;
    MapShown shown;
    int adaptation;
    int id;
  };
  using enum UpperTable;
  using enum MapShown;
  const Case cases[] = {
      {InjectionTimes, Petrol, 0, 1712},    {InjectionTimes, Gas, 0, 1713},
      {InjectionTimes, Deviation, 3, 1714}, {ObdCorrections, Petrol, 0, 1715},
      {ObdCorrections, Gas, 0, 1716},       {ObdCorrections, Deviation, 2, 1717},
      {ObdCorrections, Deviation, 3, 1718},
  };
  for (const Case& c : cases) {
    Setting(81) = static_cast<uint8_t>(c.adaptation);
    EXPECT_EQ(UpperTitleId(o.link, c.table, c.shown), c.id);
  }
  EXPECT_EQ(UpperHeaderBackground(Petrol, colours), kPetrolShade);
  EXPECT_EQ(UpperHeaderBackground(Gas, colours), kGasShade);
  EXPECT_EQ(UpperHeaderBackground(Deviation, colours), colours.headerBackground);
}

// ---- The pictures ----

int MagentaCells(const Picture& p) {
  int n = 0;
  for (const Shape& s : p.shapes)
    if (const Rect* r = std::get_if<Rect>(&s); r && r->fill == kLiveCell) ++n;
  return n;
}

// A 2 x 3 block framed while the grid has the keys, mirrored above while the corrections go by
// load, and nothing framed without the keys.
TEST_F(TableViewTest, SelectionIsFramedWhileTheGridHasTheKeys) {
  const PlotGeometry plot = PlotGeometryFor(1000, 600, 1);
  const Block block{2, 3, 5, 7};
  const auto picture = [&](int kind, bool focused) {
    return TableData(o.link, kind, plot, colours, {1, MapShown::Petrol, focused, block},
                     TextWidthEstimate, TextHeightEstimate);
  };
  Setting(76) = 0;
  EXPECT_EQ(MagentaCells(picture(13, true)), 6);
  EXPECT_EQ(MagentaCells(picture(13, false)), 0);
  EXPECT_EQ(MagentaCells(picture(1, true)), 12);
  Setting(76) = 1;
  EXPECT_EQ(MagentaCells(picture(1, true)), 6) << "rows by time: nothing to mirror";
}

// The frame is two pixels wide on the block's outer edges only.
TEST_F(TableViewTest, SelectionFrameInsetsTheOuterEdges) {
  const PlotGeometry plot = PlotGeometryFor(1000, 600, 13);
  const Picture p = TableData(o.link, 13, plot, colours, {0, MapShown::Petrol, true, {4, 4, 9, 10}},
                              TextWidthEstimate, TextHeightEstimate);
  const GridGeometry g = TableGridsOf(13, 0, 1000, 600).main;
  const CellBox top = g.Box(GridOfTable(4, 10));
  bool found = false;
  for (size_t i = 0; i + 1 < p.shapes.size(); ++i) {
    const Rect* frame = std::get_if<Rect>(&p.shapes[i]);
    if (!frame || frame->fill != kLiveCell || frame->top != top.top) continue;
    const Rect& inside = std::get<Rect>(p.shapes[i + 1]);
    EXPECT_EQ(inside.left, top.left + 2);
    EXPECT_EQ(inside.right, top.right - 2);
    EXPECT_EQ(inside.top, top.top + 2);
    EXPECT_EQ(inside.bottom, top.bottom) << "the block goes on below";
    found = true;
  }
  EXPECT_TRUE(found);
}

TEST_F(TableViewTest, CellsShowTheirValuesInTheirColours) {
  Setting(261) = 2;
  Setting(262) = 0;
  LinkTestAccess::IleWtryskiwaczy(o.link) = 4;
  SetCell(img::PrzesGaz, 6, 2, 80);  // 200 degrees: beyond half a turn
  Setting(246) = 50;                 // 2500 rpm
  Setting(226) = 45;                 // 0.45 bar
  const PlotGeometry plot = PlotGeometryFor(1000, 600, 13);
  const Picture p = TableData(o.link, 13, plot, colours, {}, TextWidthEstimate, TextHeightEstimate);
  const CellBox box = TableGridsOf(13, 0, 1000, 600).main.Box(GridOfTable(6, 2));
  int found = 0;
  for (const Shape& s : p.shapes) {
    const Text* t = std::get_if<Text>(&s);
    if (!t || t->text != "200") continue;
    EXPECT_EQ(t->colour, kPetrol);
    EXPECT_EQ(t->align, Align::Right);
    EXPECT_EQ(t->at.x, box.right - 2);
    EXPECT_GT(t->at.y, box.top);
    ++found;
  }
  EXPECT_EQ(found, 1);
  EXPECT_EQ(CellHint(o.link, 13, false, UpperTable::None, MapShown::Petrol, 6, 2),
            "200  (2500 rpm, 0.45 bar)");
  EXPECT_EQ(GridCellText(o.link, 13, false, UpperTable::None, MapShown::Petrol, {0, 0}),
            "bar\\rpm");
  EXPECT_EQ(GridCellText(o.link, 13, false, UpperTable::None, MapShown::Petrol, {7, 0}), "2500");
  EXPECT_EQ(GridCellText(o.link, 13, false, UpperTable::None, MapShown::Petrol, {0, 14}), "0.45");
}

// ---- Captions ----

std::vector<Text> TextsOf(const Picture& p) {
  std::vector<Text> texts;
  for (const Shape& s : p.shapes)
    if (const Text* t = std::get_if<Text>(&s)) texts.push_back(*t);
  return texts;
}

TEST_F(TableViewTest, LeftTitleNamesWhatTheRowsGoBy) {
  struct Case {
    int kind;
    std::vector<std::pair<int, int>> settings;
    int firmware;
    std::string title;
  };
  const std::string pressure = LangText(1440), vacuum = LangText(1404);
  const Case cases[] = {
      {5, {}, 14, pressure},
      {6, {}, 14, pressure},
      {16, {}, 14, pressure},
      {9, {{12, 0}}, 14, pressure},
      {9, {{12, 1}}, 14, vacuum},
      {14, {{295, 1}}, 14, pressure},
      {14, {{295, 0}}, 14, vacuum},
      {14, {{295, 2}}, 14, ""},
      {11, {{76, 1}}, 15, LangText(5580)},
      {11, {{76, 1}}, 14, vacuum},
      {11, {{76, 0}}, 15, vacuum},
      {15, {{17, 1}}, 14, pressure + " (" + LangText(1422) + ")"},
      {15, {{17, 0}}, 14, vacuum},
      {12, {}, 14, vacuum},
  };
  for (const Case& c : cases) {
    for (auto [s, v] : c.settings)
      Setting(s) = static_cast<uint8_t>(v);
    Image(img::Wersja) = static_cast<uint8_t>(c.firmware);
    const Picture p = TableBackground(o.link, c.kind, PlotGeometryFor(1000, 600, c.kind), colours,
                                      {}, TextWidthEstimate);
    std::string left = "(none)";
    for (const Text& t : TextsOf(p))
      if (t.vertical) left = t.text;
    EXPECT_EQ(left, c.title) << "kind " << c.kind;
  }
}

TEST_F(TableViewTest, BoldTitlesOfTheTablesThatHaveOne) {
  const std::pair<int, int> titled[] = {{9, 1739}, {12, 1741}, {13, 1743}, {14, 1745}};
  for (auto [kind, id] : titled) {
    const Picture p = TableBackground(o.link, kind, PlotGeometryFor(1000, 600, kind), colours, {},
                                      TextWidthEstimate);
    int bold = 0;
    for (const Text& t : TextsOf(p))
      if (t.bold) {
        EXPECT_EQ(t.text, LangText(id));
        EXPECT_EQ(t.at, (Point{500, 2}));
        ++bold;
      }
    EXPECT_EQ(bold, 1) << "kind " << kind;
  }
  const Picture none =
      TableBackground(o.link, 8, PlotGeometryFor(1000, 600, 8), colours, {}, TextWidthEstimate);
  for (const Text& t : TextsOf(none))
    EXPECT_FALSE(t.bold);
}

// Kind 1's title moves below the upper grid, which gets its title and the deviation legend.
TEST_F(TableViewTest, RpmCorrectionCaptionsFollowTheUpperTable) {
  const PlotGeometry plot = PlotGeometryFor(1000, 600, 1);
  const auto texts = [&](int upper, MapShown shown) {
    return TextsOf(
        TableBackground(o.link, 1, plot, colours, Options(upper, shown), TextWidthEstimate));
  };
  const std::string title = LangText(1719) + " " + LangText(1057);
  const auto titleY = [&](const std::vector<Text>& all) {
    for (const Text& t : all)
      if (t.bold && t.text == title) return t.at.y;
    return -1;
  };
  EXPECT_EQ(titleY(texts(0, MapShown::Deviation)), 2);
  const std::vector<Text> deviation = texts(1, MapShown::Deviation);
  EXPECT_EQ(titleY(deviation), 307);
  int legend = 0;
  const int below = TableGridsOf(1, 1, 1000, 600).upper->Bottom() + 6;
  for (const Text& t : deviation) {
    if (t.text == LangText(1714)) {
      EXPECT_EQ(t.at, (Point{500, 2}));
    }
    if (t.hasBackground && t.at.y == below) ++legend;
  }
  EXPECT_EQ(legend, 5);
  for (const Text& t : texts(1, MapShown::Petrol))
    EXPECT_FALSE(t.hasBackground) << t.text;
  const std::vector<Text> narrow =
      TextsOf(TableBackground(o.link, 1, PlotGeometryFor(500, 600, 1), colours,
                              Options(2, MapShown::Gas), TextWidthEstimate));
  for (const Text& t : narrow)
    EXPECT_NE(t.text, LangText(1716)) << "no room for the title";
}

TEST_F(TableViewTest, CheckMarksSwitchTheUpperTable) {
  const int w = 1000;
  const UpperTableChecks checks = UpperTableChecksOf(o.link, w, TextWidthEstimate);
  const int firstText = w - 20 - TextWidthEstimate(LangText(1728), 8);
  EXPECT_EQ(checks.injectionTimes, (Point{firstText - 10, 8}));
  ASSERT_TRUE(checks.obdCorrections);
  const Point obd = *checks.obdCorrections;
  // The second caption ends clear of the first mark, and the press areas do not overlap.
  EXPECT_LT(checks.injectionTimes.x - 20, checks.injectionTimes.x - 8);
  EXPECT_LT(obd.x + 80, checks.injectionTimes.x - 10);
  struct Case {
    int before;
    Point at;
    std::optional<int> after;
  };
  const Point first = checks.injectionTimes;
  const Case cases[] = {
      {0, first, 1},
      {1, first, 0},
      {2, {first.x + 80, first.y + 10}, 1},  // on the caption
      {1, obd, 2},
      {2, {obd.x - 10, obd.y - 10}, 0},
      {1, {first.x - 11, first.y}, std::nullopt},
      {1, {first.x, first.y + 11}, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(UpperTableAfterPress(o.link, c.before, w, TextWidthEstimate, c.at.x, c.at.y), c.after)
        << c.before << " at " << c.at.x << ", " << c.at.y;
}

// ---- The correction axis ----

// The settings write goes out first; the tables are read only once it is acknowledged.
TEST(CorrectionAxisTest, SwitchWritesTheAxisThenReadsBothTables) {
  MemoryLink m(2);
  ASSERT_TRUE(m.ReadOut());
  LinkTestAccess::Nastawy(m.link)[76] = 0;
  EXPECT_EQ(TekstOsiKorekt(m.link), 960);
  ZmienOsKorekt(m.link);
  EXPECT_EQ(m.link.Nastawy()[76], 1);
  EXPECT_EQ(TekstOsiKorekt(m.link), 961);
  EXPECT_TRUE(m.link.FlagiZapisu() & AreaBit::Settings);
  const uint32_t tables = AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2;
  ASSERT_EQ(m.link.FlagiCzytania() & tables, tables);
  const bool done = m.TickUntil([&] {
    if ((m.link.FlagiCzytania() & tables) != tables) {
      EXPECT_EQ((m.link.FlagiZapisu() | m.link.FlagiZapisuWToku()) & AreaBit::Settings, 0u)
          << "a table was read before the axis was written";
      return true;
    }
    return false;
  });
  EXPECT_TRUE(done);
  EXPECT_TRUE(m.TickUntil([&] { return (m.link.FlagiCzytania() & tables) == 0; }));
  EXPECT_EQ(m.controller.memory[static_cast<size_t>(img::Nastawy + 76)], 1);
}

}  // namespace
