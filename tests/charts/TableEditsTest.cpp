// The block edits of the 16 x 16 tables through a link read out from a simulated controller:
// each kind's key-edit range, delete value and write, change-nearest, both banks edited
// together, the live cell's keys and smoothing.

#include <gtest/gtest.h>

#include <algorithm>

#include "charts/TableEdits.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using chart::Block;
using chart::BlockKey;
using chart::TableEdit;

constexpr int kFortix = 5;  // two banks
constexpr Block kCell{7, 7, 7, 7};

// A FORTIX read out, with nothing waiting to be written.
class TableEditsTest : public ::testing::Test {
 protected:
  TableEditsTest() : m(kFortix) {
    EXPECT_TRUE(m.ReadOut());
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  uint8_t* Table(int offset) { return &LinkTestAccess::ObrazSterownika(m.link)[offset]; }
  uint8_t& Cell(int offset, int column, int row) { return Table(offset)[column * 16 + row]; }
  void Fill(int offset, uint8_t value) { std::fill_n(Table(offset), 256, value); }
  TableEdit Edit(int kind, const Block& block, BlockKey key, bool nearest = false) {
    return chart::EditBlock(m.link, *chart::GridKindOf(kind), block, key, nearest, presses);
  }

  MemoryLink m;
  chart::PressCounters presses;
};

struct KindCase {
  int kind;
  int area;
  int top, bottom, deleteValue;
  uint32_t write;  // kind 1 with both banks edited together
};

// clang-format off
const KindCase kKindCases[] = {
  {1,  img::KorOdObr1,  150, 50,  100, 0x18},
  {5,  img::EmulacjaHi, 250, 0,   128, 0x800},
  {6,  img::EmulacjaHi, 255, 0,   128, 0x800},
  {8,  img::Domieszka,  255, 0,   0,   0x1000},
  {9,  img::Domieszka,  100, 0,   0,   0x1000},
  {10, img::MapaCis,    228, 28,  128, 0x2000},
  {11, img::MapaCis,    100, 0,   0,   0x2000},
  {12, img::MapaCis,    255, 0,   0,   0x2000},
  {13, img::PrzesGaz,   144, 0,   72,  0x80000},
  {14, img::DawkaBen,   255, 0,   0,   0x100000},
  {15, img::EmulacjaLo, 255, 0,   128, 0x40000},
  {16, img::EmulacjaLo, 128, 0,   128, 0x40000},
};
// clang-format on

class KindTest : public TableEditsTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(KindTest, KeysStopAtTheRangeAndDeleteSetsTheDeleteValue) {
  const KindCase& k = GetParam();
  Fill(k.area, static_cast<uint8_t>(k.top));
  EXPECT_EQ(Edit(k.kind, kCell, BlockKey::Increase), TableEdit::None);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u) << "nothing changed, nothing is written";

  Cell(k.area, 7, 7) = static_cast<uint8_t>(k.top - 1);
  EXPECT_EQ(Edit(k.kind, kCell, BlockKey::Increase), TableEdit::Refill);
  EXPECT_EQ(Cell(k.area, 7, 7), k.top);
  EXPECT_EQ(m.link.FlagiZapisu(), k.write);

  Fill(k.area, static_cast<uint8_t>(k.bottom));
  EXPECT_EQ(Edit(k.kind, {0, 15, 0, 15}, BlockKey::DecreaseAll), TableEdit::None);
  Cell(k.area, 0, 0) = static_cast<uint8_t>(k.bottom + 1);
  EXPECT_EQ(Edit(k.kind, kCell, BlockKey::DecreaseAll), TableEdit::Refill)
      << "the whole-table keys reach beyond the block";
  EXPECT_EQ(Cell(k.area, 0, 0), k.bottom);

  Fill(k.area, 1);
  const Block deleted{2, 3, 4, 6};
  EXPECT_EQ(Edit(k.kind, deleted, BlockKey::Delete), TableEdit::Refill);
  for (int c = 0; c < 16; ++c)
    for (int r = 0; r < 16; ++r)
      EXPECT_EQ(Cell(k.area, c, r), deleted.Contains(c, r) ? k.deleteValue : 1) << c << ", " << r;
}

INSTANTIATE_TEST_SUITE_P(EveryGridKind, KindTest, ::testing::ValuesIn(kKindCases),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

TEST_F(TableEditsTest, ChangeNearestFadesOutAroundTheBlock) {
  Fill(img::KorOdObr1, 100);
  for (int press = 0; press < 16; ++press)
    Edit(1, kCell, BlockKey::Increase, true);
  EXPECT_EQ(presses.up, 16);
  // Ring d around the block moves on every 2^d-th press, out to ring 4.
  const int expected[] = {116, 108, 104, 102, 101, 100, 100, 100};
  for (int d = 0; d < 8; ++d) {
    EXPECT_EQ(Cell(img::KorOdObr1, 7 + d, 7), expected[d]) << "ring " << d << " to the right";
    EXPECT_EQ(Cell(img::KorOdObr1, 7 - d, 7 - d), expected[d]) << "ring " << d << " down left";
  }
}

TEST_F(TableEditsTest, APressTheOtherWayStartsTheFadeAgain) {
  Fill(img::KorOdObr1, 100);
  Edit(1, kCell, BlockKey::Increase, true);
  Edit(1, kCell, BlockKey::Increase, true);
  EXPECT_EQ(Edit(1, kCell, BlockKey::Decrease, true), TableEdit::Refill);
  EXPECT_EQ(presses.up, 0);
  EXPECT_EQ(presses.down, 1);
  EXPECT_EQ(Cell(img::KorOdObr1, 7, 7), 101);
  EXPECT_EQ(Cell(img::KorOdObr1, 8, 7), 101) << "the first press down is odd: no ring moves";
}

TEST_F(TableEditsTest, ABlockAtItsTopMovesNoNeighbourAndWritesNothing) {
  Fill(img::KorOdObr1, 100);
  Cell(img::KorOdObr1, 7, 7) = 150;
  EXPECT_EQ(Edit(1, kCell, BlockKey::Increase, true), TableEdit::None);
  EXPECT_EQ(Edit(1, kCell, BlockKey::Increase, true), TableEdit::None);
  EXPECT_EQ(Cell(img::KorOdObr1, 8, 7), 100);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

TEST_F(TableEditsTest, ChangeNearestMovesOnlyTheRpmCorrections) {
  Fill(img::MapaCis, 50);
  for (int press = 0; press < 2; ++press)
    Edit(11, kCell, BlockKey::Increase, true);
  EXPECT_EQ(Cell(img::MapaCis, 7, 7), 52);
  EXPECT_EQ(Cell(img::MapaCis, 8, 7), 50);
}

TEST_F(TableEditsTest, BothBanksEditedTogetherWriteBank1CopiedIntoBank2) {
  ASSERT_EQ(m.link.AktalnyBank(), 0);
  Fill(img::KorOdObr1, 100);
  Fill(img::KorOdObr2, 90);
  Edit(1, kCell, BlockKey::Increase);
  EXPECT_TRUE(
      std::equal(Table(img::KorOdObr1), Table(img::KorOdObr1) + 256, Table(img::KorOdObr2)));
  EXPECT_EQ(Cell(img::KorOdObr2, 7, 7), 101);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2);
}

TEST_F(TableEditsTest, TheBankInViewAloneIsEdited) {
  m.link.ZmienBank(2);
  Fill(img::KorOdObr1, 100);
  Fill(img::KorOdObr2, 90);
  Edit(1, kCell, BlockKey::Decrease);
  EXPECT_EQ(Cell(img::KorOdObr2, 7, 7), 89);
  EXPECT_EQ(Cell(img::KorOdObr1, 7, 7), 100);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::RpmCorrection2);
}

TEST_F(TableEditsTest, TheButtonsCodesIncreaseAndDecrease) {
  Fill(img::PrzesGaz, 72);
  chart::ZmienZaznaczone(m.link, *chart::GridKindOf(13), kCell, chart::kIncreaseCode, false,
                         presses);
  EXPECT_EQ(Cell(img::PrzesGaz, 7, 7), 73);
  chart::ZmienZaznaczone(m.link, *chart::GridKindOf(13), kCell, chart::kDecreaseCode, false,
                         presses);
  chart::ZmienZaznaczone(m.link, *chart::GridKindOf(13), kCell, chart::kDecreaseCode, false,
                         presses);
  EXPECT_EQ(Cell(img::PrzesGaz, 7, 7), 71);
  EXPECT_EQ(chart::ZmienZaznaczone(m.link, *chart::GridKindOf(13), kCell, 150, false, presses),
            TableEdit::None);
}

TEST_F(TableEditsTest, TheLiveCellKeysStayWithin50And150) {
  Fill(img::KorOdObr1, 149);
  Cell(img::KorOdObr1, 3, 4) = 149;
  EXPECT_EQ(chart::StepLiveCell(m.link, chart::GridCell{3, 4}, 1), TableEdit::Refill);
  EXPECT_EQ(Cell(img::KorOdObr1, 3, 4), 150);
  EXPECT_EQ(chart::StepLiveCell(m.link, chart::GridCell{3, 4}, 1), TableEdit::None);
  Cell(img::KorOdObr1, 3, 4) = 51;
  chart::StepLiveCell(m.link, chart::GridCell{3, 4}, -1);
  EXPECT_EQ(chart::StepLiveCell(m.link, chart::GridCell{3, 4}, -1), TableEdit::None);
  EXPECT_EQ(Cell(img::KorOdObr1, 3, 4), 50);
  EXPECT_EQ(chart::StepLiveCell(m.link, std::nullopt, 1), TableEdit::None);
}

TEST_F(TableEditsTest, SmoothingMovesEveryCellAFifthTowardsTheMeanAtLeastOne) {
  Fill(img::KorOdObr1, 100);
  Cell(img::KorOdObr1, 0, 0) = 200;  // the mean stays 100 (25700 / 256)
  Cell(img::KorOdObr1, 0, 1) = 98;
  Cell(img::KorOdObr1, 0, 2) = 101;
  Cell(img::KorOdObr1, 0, 3) = 53;
  EXPECT_EQ(chart::WygladzKorekty(m.link), TableEdit::Refill);
  EXPECT_EQ(Cell(img::KorOdObr1, 0, 0), 180);
  EXPECT_EQ(Cell(img::KorOdObr1, 0, 1), 99);
  EXPECT_EQ(Cell(img::KorOdObr1, 0, 2), 100);
  EXPECT_EQ(Cell(img::KorOdObr1, 0, 3), 62);  // 47 x 0.2 = 9.4
  EXPECT_EQ(Cell(img::KorOdObr1, 5, 5), 100);
  EXPECT_EQ(m.link.FlagiZapisu(), AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2);
  Fill(img::KorOdObr1, 120);
  LinkTestAccess::FlagiZapisu(m.link) = 0;
  EXPECT_EQ(chart::WygladzKorekty(m.link), TableEdit::None);
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

TEST_F(TableEditsTest, ClearingTheCorrectionsClearsTheBankInView) {
  Fill(img::KorOdObr1, 120);
  Fill(img::KorOdObr2, 120);
  m.link.ZmienBank(1);
  chart::KasujKorektyObrotowBanku(m.link);
  EXPECT_EQ(Cell(img::KorOdObr1, 4, 4), 100);
  EXPECT_EQ(Cell(img::KorOdObr2, 4, 4), 120);
  m.link.ZmienBank(0);
  chart::KasujKorektyObrotowBanku(m.link);
  EXPECT_EQ(Cell(img::KorOdObr2, 4, 4), 100);
}

TEST(GridSelectionTest, TableCoordinates) {
  const Block b = chart::BlockFromGrid(3, 5, 2, 4);  // grid rows 2..4 = table rows 14..12
  EXPECT_EQ(b.left, 2);
  EXPECT_EQ(b.right, 4);
  EXPECT_EQ(b.bottom, 12);
  EXPECT_EQ(b.top, 14);
  const Block headers = chart::BlockFromGrid(0, 16, 0, 16);
  EXPECT_EQ(headers.left, 0);
  EXPECT_EQ(headers.right, 15);
  EXPECT_EQ(headers.bottom, 0);
  EXPECT_EQ(headers.top, 15);
}

}  // namespace
