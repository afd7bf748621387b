// The table block that settings and scope files share: where each area stands, what each
// level carries, and that a block read back restores the image.

#include <gtest/gtest.h>

#include <algorithm>

#include "controller/TableBlock.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

namespace {

// Where the stored files have always kept each area: block position and img offset.
struct Placement {
  int position, offset, size, level;
};
constexpr Placement kPlacements[] = {
    {48, 411, 64, 1},
    {112, img::BlokIdent, 128, 1},
    {240, img::HistoriaZmian, 256, 1},
    {496, img::Nastawy, 256, 1},
    {752, img::Mnoznik1, 256, 1},
    {1008, img::Mnoznik2, 256, 1},
    {1264, img::KorOdObr1, 256, 1},
    {1520, img::KorOdObr2, 256, 1},
    {1776, img::KorOdCis, 256, 1},
    {2032, img::KorOdTempRed, 256, 1},
    {2288, img::KorOdTempGazu, 256, 1},
    {2544, img::MapaEcuBen, 1536, 1},  // the six maps
    {4080, img::EmulacjaHi, 256, 2},
    {4336, img::Domieszka, 256, 2},
    {4592, img::MapaCis, 256, 2},
    {4848, img::EmulacjaLo, 256, 2},
    {5104, img::PrzesGaz, 256, 3},
    {5360, img::DawkaBen, 256, 3},
    {5616, img::Nastawy2, 256, 3},
};

class TableBlockTest : public ::testing::Test {
 protected:
  // Every byte of the source image differs from its neighbours and from the target's.
  TableBlockTest() {
    auto& image = LinkTestAccess::ObrazSterownika(source.link);
    for (size_t i = 0; i < image.size(); ++i)
      image[i] = static_cast<uint8_t>(i * 7 + i / 256 + 1);
    std::fill(Image(target).begin(), Image(target).end(), 0xEE);
  }
  static std::array<uint8_t, img::kSize>& Image(OfflineLink& l) {
    return LinkTestAccess::ObrazSterownika(l.link);
  }
  std::vector<uint8_t> Block(int level) {
    std::vector<uint8_t> block;
    source.link.ZapiszTabliceDoPliku(block, level);
    return block;
  }

  OfflineLink source;
  OfflineLink target;
  std::array<uint8_t, img::kBlokIdentSize> identity{};
};

TEST_F(TableBlockTest, SizesOfTheLevels) {
  struct Level {
    int level, block, file;
  };
  for (const Level& l : {Level{1, 4080, 4096}, Level{2, 5104, 5120}, Level{3, 6128, 6144}}) {
    std::vector<uint8_t> block;
    EXPECT_EQ(source.link.ZapiszTabliceDoPliku(block, l.level), l.file);
    EXPECT_EQ(block.size(), static_cast<size_t>(l.block)) << "level " << l.level;
    EXPECT_EQ(table_block::Size(l.level), l.block);
  }
  for (int level : {0, 4, -1}) {
    std::vector<uint8_t> block = {1, 2};
    EXPECT_EQ(source.link.ZapiszTabliceDoPliku(block, level), 0);
    EXPECT_EQ(block.size(), 2u) << "nothing appended at level " << level;
  }
}

TEST_F(TableBlockTest, EveryAreaStandsWhereTheStoredFilesKeepIt) {
  const std::vector<uint8_t> block = Block(3);
  const auto& image = source.link.ObrazSterownika();
  for (const Placement& p : kPlacements)
    EXPECT_TRUE(std::equal(image.begin() + p.offset, image.begin() + p.offset + p.size,
                           block.begin() + p.position))
        << "img " << p.offset << " at " << p.position;
  EXPECT_TRUE(std::all_of(block.begin(), block.begin() + 48, [](uint8_t b) { return b == 0; }));
  EXPECT_TRUE(std::all_of(block.begin() + 5872, block.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(TableBlockTest, ReadRestoresTheAreasOfItsLevelAndNothingElse) {
  const auto& from = source.link.ObrazSterownika();
  for (int level = 1; level <= 3; ++level) {
    std::fill(Image(target).begin(), Image(target).end(), 0xEE);
    identity.fill(0);
    const std::vector<uint8_t> block = Block(level);
    EXPECT_EQ(target.link.CzytajTabliceZPliku(block, identity, level), 16 + int(block.size()));

    std::array<uint8_t, img::kSize> expected;
    expected.fill(0xEE);
    for (const Placement& p : kPlacements) {
      const bool stored = p.level <= level && p.offset != img::BlokIdent &&
                          p.offset != img::HistoriaZmian;  // history: written, never read
      if (stored) std::copy_n(from.begin() + p.offset, p.size, expected.begin() + p.offset);
    }
    EXPECT_EQ(target.link.ObrazSterownika(), expected) << "level " << level;
    EXPECT_TRUE(std::equal(identity.begin(), identity.end(), from.begin() + img::BlokIdent))
        << "the identity goes to the caller's buffer";
  }
}

TEST_F(TableBlockTest, ShortBlockOrUnknownLevelChangesNothing) {
  const auto before = target.link.ObrazSterownika();
  std::vector<uint8_t> block = Block(3);
  block.pop_back();
  EXPECT_EQ(target.link.CzytajTabliceZPliku(block, identity, 3), 0);
  EXPECT_EQ(target.link.CzytajTabliceZPliku(block, identity, 4), 0);
  EXPECT_EQ(target.link.CzytajTabliceZPliku(block, identity, 0), 0);
  EXPECT_EQ(target.link.CzytajTabliceZPliku({}, identity, 1), 0);
  EXPECT_EQ(target.link.ObrazSterownika(), before);
  EXPECT_TRUE(std::all_of(identity.begin(), identity.end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(target.link.CzytajTabliceZPliku(block, identity, 2), 5120) << "long enough for 2";
}

// A scope recording reads the identity straight into the image's own block.
TEST_F(TableBlockTest, IdentityMayGoIntoTheImageItself) {
  const std::vector<uint8_t> block = Block(1);
  std::span<uint8_t, img::kBlokIdentSize> own(&Image(target)[img::BlokIdent], img::kBlokIdentSize);
  EXPECT_EQ(target.link.CzytajTabliceZPliku(block, own, 1), 4096);
  EXPECT_TRUE(std::equal(block.begin() + 112, block.begin() + 240,
                         target.link.ObrazSterownika().begin() + img::BlokIdent));
}

}  // namespace
