// The multiplier's nodes as the map view edits them: keys, presses, the normalisation that keeps
// them in order and apart, and the edits stored through a link read out from a simulated
// controller.

#include <gtest/gtest.h>

#include <vector>

#include "charts/MultiplierNodes.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using chart::Edit;
using chart::MultiplierNodes;
using chart::NodeKey;

constexpr int kEnd = 25;

// Nodes at the given positions in the highest inner slots, as normalised nodes lie; every
// table entry at 100.
MultiplierNodes Nodes(std::vector<int> positions, int range = 200) {
  MultiplierNodes n;
  n.range = range;
  n.table.fill(100);
  int slot = kEnd - static_cast<int>(positions.size());
  for (int p : positions)
    n.x[static_cast<size_t>(slot++)] = p;
  n.x[kEnd] = range;
  return n;
}

// The inner nodes' positions in slot order, absent ones left out.
std::vector<int> Inner(const MultiplierNodes& n) {
  std::vector<int> positions;
  for (int i = 1; i < kEnd; ++i)
    if (n.x[static_cast<size_t>(i)] != 0) positions.push_back(n.x[static_cast<size_t>(i)]);
  return positions;
}

// 1000 x 500 pixels: the plot runs from x 40 to 920 and from y 25 to 462.
const chart::PlotGeometry kPlot = chart::PlotGeometryFor(1000, 500, chart::kInjectionMapKind);

int PixelOfTime(int t) {
  return 40 + t * 880 / 200;
}

struct KeyCase {
  const char* name;
  std::vector<int> before;
  int selected;
  NodeKey key;
  bool ctrl;
  Edit edit;
  std::vector<int> after;
  int selectedAfter;
};

const std::vector<int> kFour = {40, 80, 120, 160};  // slots 21 .. 24

// clang-format off
const KeyCase kKeyCases[] = {
  {"PageUpFromNoneSkipsNodeZero", kFour, -1, NodeKey::PageUp, false, Edit::Redraw, kFour, 21},
  {"PageUpAtTheEndBeeps", kFour, kEnd, NodeKey::PageUp, false, Edit::Beep, kFour, kEnd},
  {"PageDownFromNoneBeeps", kFour, -1, NodeKey::PageDown, false, Edit::Beep, kFour, -1},
  {"PageDownAtNodeZeroBeeps", kFour, 0, NodeKey::PageDown, false, Edit::Beep, kFour, 0},
  {"PageDownReachesNodeZero", kFour, 21, NodeKey::PageDown, false, Edit::Redraw, kFour, 0},
  {"CtrlLeftIsPageDown", kFour, 22, NodeKey::Left, true, Edit::Redraw, kFour, 21},
  {"CtrlRightIsPageUp", kFour, 22, NodeKey::Right, true, Edit::Redraw, kFour, 23},
  {"LeftMovesByATenth", kFour, 22, NodeKey::Left, false, Edit::Store, {40, 79, 120, 160}, 22},
  {"LeftOntoANeighbourSelectsIt", {79, 80}, 24, NodeKey::Left, false, Edit::Store, {79, 80}, 23},
  {"LeftFromTheEndSelectsTheLastNode", kFour, kEnd, NodeKey::Left, false, Edit::Redraw, kFour, 24},
  {"LeftOnNodeZeroDoesNothing", kFour, 0, NodeKey::Left, false, Edit::None, kFour, 0},
  {"RightFromNodeZeroSelectsTheFirstNode", kFour, 0, NodeKey::Right, false, Edit::Redraw, kFour, 21},
  {"RightMovesByATenth", kFour, 24, NodeKey::Right, false, Edit::Store, {40, 80, 120, 161}, 24},
  {"RightOntoANeighbourSelectsIt", {80, 81}, 23, NodeKey::Right, false, Edit::Store, {80, 81}, 24},
  // Node 25 is not a neighbour to select; the end stays at the end.
  {"RightOntoTheEndStaysBelowIt", {199}, 24, NodeKey::Right, false, Edit::Store, {199}, 24},
  {"InsertAddsAMillisecondLater", kFour, 22, NodeKey::Insert, false, Edit::Store,
   {40, 80, 90, 120, 160}, 22},
  {"InsertWithoutSelectionStartsAtNodeZero", kFour, -1, NodeKey::Insert, false, Edit::Store,
   {10, 40, 80, 120, 160}, 20},
  {"InsertPastTheEndBeeps", kFour, kEnd, NodeKey::Insert, false, Edit::Beep, kFour, kEnd},
  {"DeleteSelectsTheNodeBelow", kFour, 23, NodeKey::Delete, false, Edit::Store, {40, 80, 160}, 23},
  {"DeletingTheFirstNodeSelectsNodeZero", kFour, 21, NodeKey::Delete, false, Edit::Store,
   {80, 120, 160}, 0},
  {"DeletingTheEndBeeps", kFour, kEnd, NodeKey::Delete, false, Edit::Beep, kFour, kEnd},
  {"HomeSelectsNodeZero", kFour, 23, NodeKey::Home, false, Edit::Redraw, kFour, 0},
  {"EndSelectsTheLastNode", kFour, -1, NodeKey::End, false, Edit::Redraw, kFour, kEnd},
};
// clang-format on

class NodeKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NodeKeyTest, KeyEditsTheNodes) {
  const KeyCase& c = GetParam();
  MultiplierNodes n = Nodes(c.before);
  int selected = c.selected;
  EXPECT_EQ(chart::KeyOnNodes(n, selected, c.key, c.ctrl), c.edit);
  EXPECT_EQ(Inner(n), c.after);
  EXPECT_EQ(selected, c.selectedAfter);
  EXPECT_EQ(n.x[0], 0);
  EXPECT_EQ(n.x[kEnd], 200);
}

INSTANTIATE_TEST_SUITE_P(Keys, NodeKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MultiplierNodesTest, UpAndDownChangeValuesWithinTheRange) {
  MultiplierNodes n = Nodes({40, 80});
  n.table[80] = 150;
  int selected = 24;
  EXPECT_EQ(chart::KeyOnNodes(n, selected, NodeKey::Up, false), Edit::Store);
  EXPECT_EQ(n.table[80], 150) << "x1.50 is the top of the normal range";
  EXPECT_EQ(n.table[40], 100) << "only the selected node";
  selected = -1;
  EXPECT_EQ(chart::KeyOnNodes(n, selected, NodeKey::Down, false), Edit::Store);
  EXPECT_EQ(n.table[0], 99) << "node 0 is present";
  EXPECT_EQ(n.table[40], 99);
  EXPECT_EQ(n.table[80], 149);
  EXPECT_EQ(n.table[200], 99);
  EXPECT_EQ(n.table[60], 100) << "between nodes the link rebuilds the line";
}

TEST(MultiplierNodesTest, RightClickWithEverySlotTakenBeepsAndChangesNothing) {
  std::vector<int> full;
  for (int p = 5; p <= 120; p += 5)
    full.push_back(p);
  MultiplierNodes n = Nodes(full);
  const MultiplierNodes before = n;
  int selected = 7;
  EXPECT_EQ(chart::PressOnNodes(n, selected, kPlot, PixelOfTime(150), 200, true), Edit::Beep);
  EXPECT_EQ(n.x, before.x);
  EXPECT_EQ(selected, 7);
}

// A node added where one stands nudges the lower one a tenth up, so none share a position.
TEST(MultiplierNodesTest, NodesOnOnePositionAreNudgedApart) {
  MultiplierNodes n = Nodes({50, 100, 101});
  int selected = -1;
  EXPECT_EQ(chart::PressOnNodes(n, selected, kPlot, PixelOfTime(100), 200, true), Edit::Store);
  EXPECT_EQ(Inner(n), (std::vector<int>{50, 100, 101, 102}));
  EXPECT_EQ(n.x[static_cast<size_t>(selected)], 102) << "the new node, nudged past both";

  MultiplierNodes end = Nodes({50});
  EXPECT_EQ(chart::PressOnNodes(end, selected, kPlot, PixelOfTime(200) + 3, 200, true),
            Edit::Store);
  EXPECT_EQ(Inner(end), (std::vector<int>{50, 199}));
  EXPECT_EQ(end.x[kEnd], 200) << "the end node never leaves the end of the axis";
}

TEST(MultiplierNodesTest, SortingTakesTheSelectionAlong) {
  MultiplierNodes n = Nodes({});
  n.x[3] = 150;
  n.x[9] = 30;
  n.x[12] = 90;
  int selected = 3;
  chart::PorzadkujWezly(n, selected);
  EXPECT_EQ(Inner(n), (std::vector<int>{30, 90, 150}));
  EXPECT_EQ(selected, 24);
  EXPECT_EQ(n.x[21], 0) << "absent nodes gather below";
}

TEST(MultiplierNodesTest, PressSelectsTheNodeUnderThePointer) {
  MultiplierNodes n = Nodes({40, 80});
  n.table[80] = 110;
  // x1.10 at 8.0 ms is drawn at y = 462 - 60 x 4.37 + 1 = 200.
  int selected = -1;
  EXPECT_EQ(chart::PressOnNodes(n, selected, kPlot, PixelOfTime(82), 196, false), Edit::Redraw);
  EXPECT_EQ(selected, 24);
  EXPECT_EQ(chart::PressOnNodes(n, selected, kPlot, PixelOfTime(86), 200, false), Edit::Redraw);
  EXPECT_EQ(selected, -1) << "half a millisecond away";
  EXPECT_EQ(chart::PressOnNodes(n, selected, kPlot, PixelOfTime(80), 240, false), Edit::Redraw);
  EXPECT_EQ(selected, -1) << "x0.10 away";
}

// On the extended scale a node near x2.50 is picked where it is drawn.
TEST(MultiplierNodesTest, PressFindsNodesHighOnTheExtendedScale) {
  MultiplierNodes n = Nodes({80});
  n.extended = true;
  n.table[80] = 240;  // drawn at y = 462 - 240 x 437 x 0.004 + 1 = 43
  int selected = -1;
  chart::PressOnNodes(n, selected, kPlot, PixelOfTime(80), 43, false);
  EXPECT_EQ(selected, 24);
}

class StoredNodesTest : public ::testing::Test {
 protected:
  StoredNodesTest() : m(5) {
    EXPECT_TRUE(m.ReadOut());
    uint8_t* settings = LinkTestAccess::Nastawy(m.link);
    std::fill_n(settings + 190, 26, 0);
    settings[190 + 24] = 100;
    settings[190 + 25] = 200;
    std::copy_n(settings + 190, 26, settings + 164);
    auto& image = LinkTestAccess::ObrazSterownika(m.link);
    std::fill_n(&image[img::Mnoznik1], 256, 100);
    std::fill_n(&image[img::Mnoznik2], 256, 100);
    image[img::Eeprom1 + 1] = 128;
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  const uint8_t* Table(int offset) const { return &m.link.ObrazSterownika()[offset]; }

  MemoryLink m;
};

TEST_F(StoredNodesTest, BothBanksTakeAnEditWhileEditedTogether) {
  ASSERT_EQ(m.link.AktalnyBank(), 0);
  MultiplierNodes n = chart::NodesInView(m.link);
  int selected = 24;
  ASSERT_EQ(chart::KeyOnNodes(n, selected, NodeKey::Up, false), Edit::Store);
  chart::StoreNodes(m.link, n);
  EXPECT_EQ(Table(img::Mnoznik1)[100], 101);
  EXPECT_EQ(Table(img::Mnoznik1)[50], 100) << "half a unit up, truncated";
  EXPECT_TRUE(std::equal(Table(img::Mnoznik1), Table(img::Mnoznik1) + 256, Table(img::Mnoznik2)));
  EXPECT_EQ(m.link.Nastawy()[164 + 24], 100);
  EXPECT_EQ(m.link.FlagiZapisu(), 0x7u);
}

TEST_F(StoredNodesTest, TheBankInViewIsEdited) {
  m.link.ZmienBank(2);
  LinkTestAccess::Nastawy(m.link)[164 + 23] = 50;
  MultiplierNodes n = chart::NodesInView(m.link);
  EXPECT_EQ(n.x[23], 50);
  EXPECT_EQ(n.range, 200);
  int selected = 23;
  ASSERT_EQ(chart::KeyOnNodes(n, selected, NodeKey::Delete, false), Edit::Store);
  chart::StoreNodes(m.link, n);
  EXPECT_EQ(m.link.Nastawy()[164 + 23], 0);
  EXPECT_EQ(m.link.Nastawy()[190 + 23], 0);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::Settings | AreaBit::Multiplier2);
}

}  // namespace
