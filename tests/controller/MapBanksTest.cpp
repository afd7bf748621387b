// The map banks on links read out from simulated controllers: the multiplier rebuilt between
// its nodes, the bank chosen and copied, and nodes stored from the map view with their writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using namespace AreaBit;

class MapBanksTest : public ::testing::Test {
 protected:
  explicit MapBanksTest(const sim::Identity& identity = sim::DefaultIdentity(5)) : m(identity) {
    EXPECT_TRUE(m.ReadOut());
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  uint8_t& Image(int offset) { return LinkTestAccess::ObrazSterownika(m.link)[offset]; }
  uint8_t& Setting(int i) { return LinkTestAccess::Nastawy(m.link)[i]; }
  uint8_t* Table(int bank) { return &Image(bank == 1 ? img::Mnoznik1 : img::Mnoznik2); }
  uint8_t* Nodes(int bank) { return &Setting(bank == 1 ? 190 : 164); }
  // Bank 1 differs from bank 2 in everything a copy carries.
  void MakeBanksDiffer() {
    Setting(90) = 110;
    Setting(92) = 120;
    std::iota(Nodes(1), Nodes(1) + 26, 0);
    std::fill_n(Nodes(2), 26, 7);
    std::fill_n(Table(1), 256, 101);
    std::fill_n(Table(2), 256, 102);
    std::fill_n(&Image(img::KorOdObr1), 256, 91);
    std::fill_n(&Image(img::KorOdObr2), 256, 92);
  }
  bool Filled(const uint8_t* area, int n, uint8_t value) {
    return std::all_of(area, area + n, [value](uint8_t b) { return b == value; });
  }

  MemoryLink m;
};

TEST_F(MapBanksTest, TableIsAStraightLineBetweenNodes) {
  std::fill_n(Nodes(1), 26, 0);
  Nodes(1)[3] = 10;  // absent nodes before and between are skipped
  Nodes(1)[7] = 20;
  Nodes(1)[25] = 200;
  std::fill_n(Table(1), 256, 77);
  const std::vector<uint8_t> bank2(Table(2), Table(2) + 256);
  Table(1)[0] = 100;
  Table(1)[10] = 120;
  Table(1)[20] = 100;
  Table(1)[200] = 140;
  m.link.WyliczMnoznik(1, 50, 150);
  for (int j = 11; j <= 19; ++j)
    EXPECT_EQ(Table(1)[j], 120 - 2 * (j - 10)) << "entry " << j;
  EXPECT_EQ(Table(1)[5], 110) << "from node 0 to the first node at 10";
  EXPECT_EQ(Table(1)[110], 120) << "half-way from 100 to 140";
  EXPECT_EQ(Table(1)[199], 139);
  EXPECT_TRUE(Filled(Table(1) + 200, 56, 140)) << "past the end every entry repeats the last";
  EXPECT_TRUE(std::equal(bank2.begin(), bank2.end(), Table(2))) << "bank 2 untouched";
  EXPECT_EQ(m.link.FlagiZapisu(), 0u) << "the caller asks for the write";
}

TEST_F(MapBanksTest, TableEntriesAreLimitedToTheRange) {
  std::fill_n(Nodes(2), 26, 0);
  Nodes(2)[25] = 200;
  Table(2)[0] = 200;  // out of range itself: the line still starts there
  Table(2)[200] = 0;
  m.link.WyliczMnoznik(2, 50, 150);
  EXPECT_EQ(Table(2)[0], 150);
  EXPECT_EQ(Table(2)[50], 150);
  EXPECT_EQ(Table(2)[100], 100);
  EXPECT_EQ(Table(2)[150], 50);
  EXPECT_EQ(Table(2)[199], 50);
  EXPECT_EQ(Table(2)[255], 0) << "the end node's own entry is copied as it is";
}

TEST_F(MapBanksTest, CopyingBankOneOntoBankTwo) {
  MakeBanksDiffer();
  m.link.ZmienBank(1);
  ASSERT_EQ(m.link.AktalnyBank(), 1);
  m.link.ZmienBank(3);
  EXPECT_EQ(m.link.AktalnyBank(), 1) << "the copy keeps the bank in view";
  EXPECT_EQ(Setting(92), 110);
  EXPECT_TRUE(std::equal(Nodes(1), Nodes(1) + 26, Nodes(2)));
  EXPECT_TRUE(Filled(Table(2), 256, 101));
  EXPECT_TRUE(Filled(&Image(img::KorOdObr2), 256, 91));
  EXPECT_TRUE(Filled(Table(1), 256, 101)) << "the source stays";
  EXPECT_EQ(m.link.FlagiZapisu(), 0x15u);
}

// "2 -> 1" copies bank 2, and so does leaving bank 2 for both-together.
TEST_F(MapBanksTest, CopyingBankTwoOntoBankOne) {
  for (int request : {4, 0}) {
    MakeBanksDiffer();
    m.link.ZmienBank(2);
    LinkTestAccess::FlagiZapisu(m.link) = 0;
    m.link.ZmienBank(request);
    EXPECT_EQ(Setting(90), 120) << request;
    EXPECT_TRUE(Filled(Table(1), 256, 102)) << request;
    EXPECT_TRUE(Filled(&Image(img::KorOdObr1), 256, 92)) << request;
    EXPECT_TRUE(Filled(Nodes(1), 26, 7)) << request;
    EXPECT_EQ(m.link.FlagiZapisu(), 0xBu) << request;
    EXPECT_EQ(m.link.AktalnyBank(), request == 0 ? 0 : 2);
  }
}

TEST_F(MapBanksTest, ChoosingBanksCopiesNothing) {
  MakeBanksDiffer();
  m.link.ZmienBank(0);  // no bank was in view
  m.link.ZmienBank(3);  // nor is now
  m.link.ZmienBank(2);
  m.link.ZmienBank(7);  // ignored
  m.link.ZmienBank(-1);
  EXPECT_EQ(m.link.AktalnyBank(), 2);
  EXPECT_TRUE(Filled(Table(1), 256, 101));
  EXPECT_TRUE(Filled(Table(2), 256, 102));
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

TEST_F(MapBanksTest, OneBankBoardsStayAtBankZero) {
  MemoryLink single(2);
  ASSERT_TRUE(single.ReadOut());
  single.link.ZmienBank(2);
  EXPECT_EQ(single.link.AktalnyBank(), 0);
}

TEST_F(MapBanksTest, BankZeroEditsAreCopiedIntoBankTwo) {
  MakeBanksDiffer();
  m.link.ZmienBank(1);
  m.link.ZmienBank(0);  // both together, bank 2 a copy again
  LinkTestAccess::FlagiZapisu(m.link) = 0;
  WezlyMnoznika nodes;
  nodes.x[25] = 200;
  nodes.x[24] = 100;
  nodes.value[0] = 90;
  nodes.value[24] = 120;
  nodes.value[25] = 130;
  m.link.UstawWezlyMnoznika(nodes);
  EXPECT_EQ(Nodes(1)[24], 100);
  EXPECT_EQ(Nodes(1)[1], 0);
  EXPECT_EQ(Table(1)[0], 90);
  EXPECT_EQ(Table(1)[50], 105);
  EXPECT_EQ(Table(1)[100], 120);
  EXPECT_EQ(Table(1)[150], 125);
  EXPECT_EQ(Table(1)[255], 130);
  EXPECT_TRUE(std::equal(Nodes(1), Nodes(1) + 26, Nodes(2)));
  EXPECT_TRUE(std::equal(Table(1), Table(1) + 256, Table(2)));
  EXPECT_EQ(m.link.FlagiZapisu(), 0x7u);
}

TEST_F(MapBanksTest, BankTwoEditsStayInBankTwo) {
  MakeBanksDiffer();
  m.link.ZmienBank(2);
  LinkTestAccess::FlagiZapisu(m.link) = 0;
  WezlyMnoznika nodes;
  nodes.x[25] = 200;
  nodes.value[0] = nodes.value[25] = 100;
  m.link.UstawWezlyMnoznika(nodes);
  EXPECT_TRUE(Filled(Table(2), 256, 100));
  EXPECT_EQ(Nodes(2)[0], 0);
  EXPECT_EQ(Nodes(2)[25], 200);
  EXPECT_TRUE(Filled(Table(1), 256, 101));
  EXPECT_EQ(m.link.FlagiZapisu(), Settings | Multiplier2);
}

// Values beyond the normal range survive only with the extended range on.
TEST_F(MapBanksTest, StoredNodesAreLimitedToTheValueRange) {
  for (bool extended : {false, true}) {
    Setting(80) = extended ? 1 : 0;
    WezlyMnoznika nodes;
    nodes.x[25] = 200;
    nodes.value[0] = 10;
    nodes.value[25] = 240;
    m.link.UstawWezlyMnoznika(nodes);
    EXPECT_EQ(Table(1)[0], extended ? 10 : 50);
    EXPECT_EQ(Table(1)[199], extended ? 238 : 150);
  }
}

class DiMpiBanksTest : public MapBanksTest {
 protected:
  static sim::Identity DiMpi() {
    sim::Identity identity = sim::DefaultIdentity(255);
    identity.model = 12;
    return identity;
  }
  DiMpiBanksTest() : MapBanksTest(DiMpi()) {}
};

// The DI/MPI board's banks are two injection systems: chosen, never copied, always one of them.
TEST_F(DiMpiBanksTest, BanksAreOnlyChosen) {
  ASSERT_TRUE(m.link.Czy_DI_MPI());
  MakeBanksDiffer();
  for (int request : {0, 1, 2, 3, 4}) {
    m.link.ZmienBank(request);
    EXPECT_EQ(m.link.AktalnyBank(), request == 0 ? 1 : request);
  }
  EXPECT_TRUE(Filled(Table(2), 256, 102));
  EXPECT_EQ(m.link.FlagiZapisu(), 0u);
}

// The board's banks above 2 show bank 2's multiplier; their edits go there too.
TEST_F(DiMpiBanksTest, BanksAboveTwoEditBankTwo) {
  MakeBanksDiffer();
  m.link.ZmienBank(4);
  WezlyMnoznika nodes;
  nodes.x[25] = 80;
  nodes.value[0] = nodes.value[25] = 100;
  m.link.UstawWezlyMnoznika(nodes);
  EXPECT_TRUE(Filled(Table(2), 256, 100));
  EXPECT_TRUE(Filled(Table(1), 256, 101));
  EXPECT_EQ(m.link.FlagiZapisu(), Settings | Multiplier2);
}

}  // namespace
