#include <gtest/gtest.h>

#include "controller/Clock.h"
#include "controller/Tsterownik.h"
#include "tests/support/FakeUi.h"
#include "tests/support/LinkTestAccess.h"

namespace {

class ChangeHistoryTest : public ::testing::Test {
 protected:
  ChangeHistoryTest() : link(ui, clock, "no-ftdi-library-here.so") {
    LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 5;
    link.SetToday(2026, 12, 10);
    link.SetWorkstation(0x1A2B3C4D);
  }
  const uint8_t* Entry(int k) const { return &link.ObrazSterownika()[img::HistoriaZmian + 8 * k]; }

  FakeUi ui;
  SteadyClock clock;
  TSterownik link;
};

TEST_F(ChangeHistoryTest, OneEntryPerDayAndWorkstation) {
  link.HistoriaZmian(3);
  link.HistoriaZmian(3);
  link.HistoriaZmian(2);
  const uint8_t expected[8] = {0x0C, 26, 12, 10, 0x1A, 0x2B, 0x3C, 0x4D};
  EXPECT_TRUE(std::equal(expected, expected + 8, Entry(0)));
  EXPECT_EQ(Entry(1)[0], 0);
  EXPECT_EQ(link.FlagiZapisu(), 0x80u);

  link.SetToday(2026, 12, 11);
  link.HistoriaZmian(3);
  EXPECT_EQ(Entry(1)[0], 0x08);
  EXPECT_EQ(Entry(1)[3], 11);
  link.SetWorkstation(7);
  link.HistoriaZmian(3);
  EXPECT_EQ(Entry(2)[7], 7) << "another workstation, another entry";
}

TEST_F(ChangeHistoryTest, FullHistoryKeepsItsFirstEntry) {
  uint8_t* history = &LinkTestAccess::ObrazSterownika(link)[img::HistoriaZmian];
  for (int k = 0; k < 32; ++k) {
    history[8 * k] = 0x01;
    history[8 * k + 1] = static_cast<uint8_t>(k + 1);  // distinct years
  }
  link.HistoriaZmian(1);
  EXPECT_EQ(Entry(0)[1], 1) << "the first entry stays";
  EXPECT_EQ(Entry(1)[1], 3) << "the second one is dropped";
  EXPECT_EQ(Entry(30)[1], 32) << "the last one moves down with its own bits";
  EXPECT_EQ(Entry(30)[0], 0x01);
  EXPECT_EQ(Entry(31)[0], 0x02);
  EXPECT_EQ(Entry(31)[1], 26);
}

TEST_F(ChangeHistoryTest, OnlyForGasControllersInNormalState) {
  LinkTestAccess::ObrazSterownika(link)[img::StanIdentyfikacji] = 2;
  link.HistoriaZmian(3);
  link.HistoriaZmianKasuj();
  EXPECT_EQ(Entry(0)[0], 0);
  EXPECT_EQ(link.FlagiZapisu(), 0u);

  LinkTestAccess::ObrazSterownika(link)[img::StanIdentyfikacji] = 0;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 8;
  link.HistoriaZmian(3);
  EXPECT_EQ(Entry(0)[0], 0);

  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 255;
  link.HistoriaZmian(0);
  EXPECT_EQ(Entry(0)[0], 0x01);
  LinkTestAccess::FlagiZapisu(link) = 0;
  link.HistoriaZmianKasuj();
  EXPECT_EQ(Entry(0)[0], 0);
  EXPECT_EQ(link.FlagiZapisu(), 0x80u);
}

}  // namespace
