#include "settings/EditorLayout.h"

#include "controller/Tsterownik.h"
#include "settings/SettingVisibility.h"

namespace {

using namespace element;
constexpr int E = Empty;
constexpr int kBasic = 0, kFull = 1, kAdvanced = 2;
constexpr int kSpecialDuzOzed = 11;

// clang-format off
const std::vector<int> kBasicPage = {
    -2, -2,   1, 8,    2, 10,   3, E,   -8, -8,  -3, -4,  20, 40,  24, 45,
    -10, 46, -9, -9,  -5, -6,  50, 60,  51, 61,  54, 62,  55, 63,  -9, -9};
const std::vector<int> kFullPage = {
    -2, -2,   1, 8,    2, 10,   3, 11,  -8, -8,  -3, -4,  20, 40,  24, 45,  21, 46,  -10, E,
    -9, -9,  -5, -6,  50, 60,  51, 61,  54, 62,  55, 63,  59, 65,  56, 67,  -9, -9};
const std::vector<int> kAdvancedPage = {
    -2, -2,   1, 8,    2, 10,   3, 11,   4, 12,   5, 68,   E, 305, -3, -4,  20, 40,
    24, 45,  21, 46, -10, 71,  -5, -6,  50, 60,  51, 61,  52, 62,  53, 63,  54, 65,
    55, 66,  59, 67,  56, 70,  -7, -7,  57, 96, 160, 95, 133, 49, 156, 13};
const std::vector<int> kKaviPage = {
    -2, -2,   1, 10,   2, 93,   3, 11, 137, 305, -3, -4,  20, 40,  24, 45,   E, 46,
   -10, 71,  -5, -6,  50, 60,  51, 61,  52, 62,  53, 63,  54, 65,  55, 66,  59, E,
    -7, -7,  57, 96, 135, 95, 134, 49, 161, 283, 23, 264, 259, 312, 298, 299};
const std::vector<int> kDuzOzedPage = {
    -2, -2,   1, 8,    2, 10,   3, 11,   4, E,    5, E,   -3, -4,  20, 40,  24, 45,
   -10, 46,  -5, -6,  59, 65,   E, 66,   E, 67,  -7, -7, 160, 96, 133, 95,   E, 49};
// clang-format on

// Help panels: setting n and the settings it brings with it, in one column.
std::vector<int> HelpPanel(const TSterownik& link, int setting) {
  const uint8_t* s = link.Nastawy();
  switch (setting) {
    case 11:
      return {11, 260, 7, 5, 137, 13, 273, 307, 275, 276, 277, 278};
    case 12:
      return {12, 300, 301};
    case 15:
      switch (s[15]) {
        case 1:
          return {15, 7, 6, 16};
        case 2:
          return {15, 7, 6, 16, 17};
        case 3:
          return {15, 6, 48, 18, 19};
        default:
          return {15};
      }
    case 24:
      return {24, 26, 27, 25, 29, 28, 23, 73};
    case 57:
      return {57, 58};
    case 62:
      return {62, 296, 297};
    case 63:
      return {63, 64, 69};
    case 95:
      return {95, 97};
    case 96:
      return {96, 99, 98, 74};
    case 133:
      if (link.WersjaProgramu() <= 12) return {133, 134, 136, 137, 138};
      return {133, 134, 136};
    case 134:
      return {134, 308, 309, 310, 311};
    case 135:
      return {135, 157, 158, 159, 313};
    case 156:
      return {156, 157, 158, 159};
    case 160:
      return {160, 161, 162, 163};
    case 161:
      return {161, 162, 163, 70};
    case 216: {  // the corrections of each injector
      std::vector<int> cells;
      for (int i = 0; i < std::clamp(link.IleWtryskiwaczy(), 4, 8); ++i)
        cells.push_back(216 + i);
      return cells;
    }
    case 283:
      return {283, 284, 285, 286, 287, 288, 289, 290, 291};
    default:
      return {setting};
  }
}

// 190 and 90 stand for 164 and 92 while the second bank is shown.
int Bank(const TSterownik& link, int setting) {
  if (link.AktalnyBank() != 2) return setting;
  return setting == 190 ? 164 : setting == 90 ? 92 : setting;
}

std::vector<int> WithBank(const TSterownik& link, std::vector<int> cells) {
  for (int& c : cells)
    c = Bank(link, c);
  return cells;
}

std::vector<int> ObdPanel(const TSterownik& link, bool administrator) {
  const int pidScope = link.Nastawy()[109] >= 2 && link.Nastawy()[109] <= 5 ? 128 : 127;
  const int p = administrator ? pidScope : E;
  if (link.Rodzina() != Family::Kavi)
    return {E,  E,   109, 112, 103, 113, 104, 114, E,   115, 81,  117,
            75, 119, 108, 121, E,   130, 123, 131, 124, 129, 111, p};
  return {E,   E,   109, 132, administrator ? 110 : E,
          112, 103, 113, 104, 114,
          E,   115, 123, 117, 124,
          119, 130, 121, 131, 265,
          129, 267, p,   269, 111,
          271, E,   263};
}

std::vector<int> EmulationPanel(const TSterownik& link, bool administrator) {
  const Family family = link.Rodzina();
  if (family == Family::RailEmulator) return {2, 48, 14, 18, 3, 19, E, E};
  if (family != Family::Kavi) return {15, 48, 6, 18, E, 19, E, E};
  const int admin16 = administrator ? 16 : E, admin21 = administrator ? 21 : E;
  if (link.Nastawy()[138] == 2) return {75, 138, 76, 18, admin21, 19, E, 280};
  return {admin16, 138, E, 18, admin21, 19, E, 280};
}

std::vector<int> EmbeddedPanel(const TSterownik& link, const EditorView& view) {
  const bool kavi = link.Rodzina() == Family::Kavi;
  const bool admin = view.administrator;
  switch (view.mode) {
    case EditorView::kCalibrationPanel:
      return {86, NozzleIndicator, 85, 90, 83, 82, kavi ? 84 : E, admin ? 89 : E};
    case 4:
      return {300, 301, E, 302, E, 303, E, 304};
    case 20:
      if (kavi) return WithBank(link, {79, 190, 78, 90, 77, 136, E, E});
      if (link.Rodzina() == Family::Lumo) return WithBank(link, {79, 90, 78, E, 77, E, E, E});
      return WithBank(link, {79, 90, 78, 81, 77, 75, E, 108});
    case 21:
      return EmulationPanel(link, admin);
    case 22:
      return WithBank(link, {12, 190, E, 90, E, 136, E, 89});
    case 23:
      return WithBank(link, {39, 190, 108, 90, 38, 136, E, 89});
    case 24:
      return WithBank(link, {261, 190, 262, 90, 306, 136, 314, 89, 282, E});
    case 25:
      return WithBank(link, {257, 190, 295, 90, 258, 136, admin ? 9 : E, 89});
    case 26:
      return {E, kavi ? 17 : E, E, E, E, E};
    case 27:
      return WithBank(link, {190, 90});
    case 28:
      return {156, 158, 157, 159};
    case EditorView::kObdPanel:
      return ObdPanel(link, admin);
    default:
      return {};
  }
}

void Clear(std::vector<int>& cells, int row, int column) {
  cells[static_cast<size_t>(2 * row + column)] = E;
}

std::vector<int> MainPage(const TSterownik& link, const EditorView& view) {
  const uint8_t* s = link.Nastawy();
  const int firmware = link.WersjaProgramu();
  const bool kavi = link.Rodzina() == Family::Kavi;
  if (link.OpisSpecjalny() == kSpecialDuzOzed && !kavi) return kDuzOzedPage;
  if (!kavi && view.viewLevel == kBasic) return kBasicPage;
  if (!kavi && view.viewLevel == kFull) return kFullPage;
  std::vector<int> cells = kavi ? kKaviPage : kAdvancedPage;
  const bool divider = firmware < 5 || s[1] == 7 || s[1] == 8;
  cells[2 * 2] = divider ? 2 : 14;
  if (kavi) {
    if (link.CzyKaviRoznicowa()) Clear(cells, 4, 0);
    if (!view.administrator)
      for (int row : {24, 25})
        Clear(cells, row, 0), Clear(cells, row, 1);
    return cells;
  }
  cells[2 * 5] = link.Rodzina() == Family::Fortix ? 15 : 5;
  if (firmware >= 1 && firmware <= 4) {
    cells.resize(2 * 24);
    Clear(cells, 23, 0);
    Clear(cells, 23, 1);
    return cells;
  }
  if (firmware > 12) Clear(cells, 25, 0);
  if (!view.administrator) Clear(cells, 25, 1);
  return cells;
}

}  // namespace

int EditorLayout::Cell(int row, int column) const {
  if (row < 0 || row >= Rows() || column < 0 || column >= columns) return element::Empty;
  return cells[static_cast<size_t>(row * columns + column)];
}

int ImposedViewLevel(const TSterownik& link, const EditorView& view) {
  if (view.mode != EditorView::kMainPage) return view.viewLevel;
  const bool kavi = link.Rodzina() == Family::Kavi;
  return kavi || link.OpisSpecjalny() == kSpecialDuzOzed ? kAdvanced : view.viewLevel;
}

EditorLayout LayoutFor(const TSterownik& link, const EditorView& view) {
  if (view.HelpPanel()) return {1, HelpPanel(link, view.mode - EditorView::kHelpPanels)};
  if (view.mode == EditorView::kMainPage) return {2, MainPage(link, view)};
  return {2, EmbeddedPanel(link, view)};
}

bool Selectable(const TSterownik& link, const EditorLayout& layout, int row, int column) {
  const int cell = layout.Cell(row, column);
  return cell >= 0 && IsVisible(link, cell);
}

std::optional<CellPosition> MoveSelection(const TSterownik& link, const EditorLayout& layout,
                                          CellPosition from, int direction) {
  const int last = layout.Rows() - 1;
  auto selectableBeyond = [&](int row, int column, int step) {
    for (row += step; row >= 0 && row <= last; row += step)
      if (Selectable(link, layout, row, column)) return true;
    return false;
  };
  // The two columns read as one list: down from the left column's last setting to the head of
  // the right one, and up from there back again.
  if (layout.columns == 2 && direction > 0 && from.column == 0 &&
      !selectableBeyond(from.row, 0, +1))
    return CellPosition{Selectable(link, layout, 1, 1) ? 1 : 2, 1};
  if (layout.columns == 2 && direction < 0 && from.column == 1 &&
      !selectableBeyond(from.row, 1, -1)) {
    for (int row = last; row >= 0; --row)
      if (Selectable(link, layout, row, 0)) return CellPosition{row, 0};
    return std::nullopt;
  }
  int row = from.row;
  for (int tries = 0; tries < 3; ++tries) {
    row += direction;
    if (row < 0 || row > last) return std::nullopt;
    if (Selectable(link, layout, row, from.column)) return CellPosition{row, from.column};
  }
  return std::nullopt;
}
