#include <gtest/gtest.h>

#include "controller/Clock.h"
#include "controller/Tsterownik.h"
#include "tests/support/FakeUi.h"

namespace {

class ChangeHistoryTest : public ::testing::Test {
 protected:
  ChangeHistoryTest() : link(ui, clock, "no-ftdi-library-here.so") {
    link.ObrazSterownika[img::Schemat] = 5;
    link.DataRok = 26;
    link.DataMiesiac = 12;
    link.DataDzien = 10;
    link.IdentWlasny = 0x1A2B3C4D;
  }
  const uint8_t* Entry(int k) const { return &link.ObrazSterownika[img::HistoriaZmian + 8 * k]; }

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
  EXPECT_EQ(link.FlagiZapisu, 0x80u);

  link.DataDzien = 11;
  link.HistoriaZmian(3);
  EXPECT_EQ(Entry(1)[0], 0x08);
  EXPECT_EQ(Entry(1)[3], 11);
  link.IdentWlasny = 7;
  link.HistoriaZmian(3);
  EXPECT_EQ(Entry(2)[7], 7) << "another workstation, another entry";
}

TEST_F(ChangeHistoryTest, FullHistoryKeepsItsFirstEntry) {
  uint8_t* history = &link.ObrazSterownika[img::HistoriaZmian];
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
  link.ObrazSterownika[img::StanIdentyfikacji] = 2;
  link.HistoriaZmian(3);
  link.HistoriaZmianKasuj();
  EXPECT_EQ(Entry(0)[0], 0);
  EXPECT_EQ(link.FlagiZapisu, 0u);

  link.ObrazSterownika[img::StanIdentyfikacji] = 0;
  link.ObrazSterownika[img::Schemat] = 8;
  link.HistoriaZmian(3);
  EXPECT_EQ(Entry(0)[0], 0);

  link.ObrazSterownika[img::Schemat] = 255;
  link.HistoriaZmian(0);
  EXPECT_EQ(Entry(0)[0], 0x01);
  link.FlagiZapisu = 0;
  link.HistoriaZmianKasuj();
  EXPECT_EQ(Entry(0)[0], 0);
  EXPECT_EQ(link.FlagiZapisu, 0x80u);
}

}  // namespace
