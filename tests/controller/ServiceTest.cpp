// The service window's statistics, reminder and history, from crafted identity, settings and
// history areas, and against the simulated controller.

#include <gtest/gtest.h>

#include "controller/ServiceSettings.h"
#include "tests/support/IdentifiedLinkTest.h"
#include "tests/support/MemoryLink.h"

namespace {

class ServiceTextsTest : public IdentifiedLinkTest {
 protected:
  ServiceTextsTest() { Identify(5, 16); }
  void PutWord(int offset, int value) {
    Image()[offset] = static_cast<uint8_t>(value);
    Image()[offset + 1] = static_cast<uint8_t>(value >> 8);
  }
  void PutEntry(int entry, std::array<uint8_t, 8> bytes) {
    std::copy(bytes.begin(), bytes.end(), &Image()[img::HistoriaZmian + 8 * entry]);
  }
  std::array<uint8_t, img::kSize>& Image() { return LinkTestAccess::ObrazSterownika(link); }
};

TEST_F(ServiceTextsTest, RunningTimesShowTheSecondsPartAsItStands) {
  struct Case {
    int seconds, hours;
    const char* text;
  };
  const Case cases[] = {
      {3725, 2, "2:62:05"},
      {65, 0, "0:01:05"},
      {0, 0, "0:00:00"},
      {5, 1234, "1234:00:05"},
      {65535, 65535, "65535:1092:15"},
  };
  for (const Case& c : cases) {
    PutWord(img::CzasBenzynySekundy, c.seconds);
    PutWord(img::CzasBenzynyGodziny, c.hours);
    PutWord(img::CzasGazuSekundy, c.seconds);
    PutWord(img::CzasGazuGodziny, c.hours);
    EXPECT_EQ(link.StrCzasNaBenzynie(), c.text);
    EXPECT_EQ(link.StrCzasNaGazie(), c.text);
  }
  PutWord(img::CzasGazuSekundy, 61);
  EXPECT_EQ(link.StrCzasNaGazie(), "65535:01:01") << "gas has its own counts";
  EXPECT_EQ(link.StrCzasNaBenzynie(), "65535:1092:15");
}

TEST_F(ServiceTextsTest, ServiceTimeTotalAndRemaining) {
  struct Case {
    int due, gasHours, total;
    const char* text;
  };
  const Case cases[] = {
      {100, 120, 0, "0:00:00"}, {100, 120, 1, "100:00:00"}, {150, 120, 0, "30:00:00"},
      {150, 150, 0, "0:00:00"}, {0, 0, 1, "0:00:00"},       {65535, 0, 0, "65535:00:00"},
  };
  for (const Case& c : cases) {
    S(service_setting::DueHours) = static_cast<uint8_t>(c.due);
    S(service_setting::DueHours + 1) = static_cast<uint8_t>(c.due >> 8);
    PutWord(img::CzasGazuGodziny, c.gasHours);
    EXPECT_EQ(link.StrCzasPrzegladu(c.total), c.text) << c.due << " " << c.gasHours;
  }
}

TEST_F(ServiceTextsTest, EmergencyStartsAndWorkstation) {
  const std::pair<int, const char*> starts[] = {{0, "0"}, {3, "3"}, {254, "254"}, {255, "-"}};
  for (const auto& [count, text] : starts) {
    Image()[img::LicznikUruch] = static_cast<uint8_t>(count);
    EXPECT_EQ(link.StrLicznikUruch(), text);
  }
  const std::pair<uint32_t, const char*> workstations[] = {
      {0x1A2B3C4D, "1A2B-3C4D"}, {0, "0000-0000"}, {0xFFFF0001, "FFFF-0001"}};
  for (const auto& [id, text] : workstations) {
    link.SetWorkstation(id);
    EXPECT_EQ(link.StrIdentWlasny(), text);
  }
}

TEST_F(ServiceTextsTest, HistoryEntriesAsTheGridShowsThem) {
  PutEntry(0, {0x08, 24, 5, 17, 0x12, 0x34, 0xAB, 0xCD});
  PutEntry(1, {0x0F, 5, 1, 9, 0x00, 0x00, 0x00, 0x01});
  PutEntry(2, {0x02, 26, 12, 31, 0xFF, 0xEE, 0xDD, 0xCC});
  PutEntry(3, {0x00, 26, 12, 31, 1, 2, 3, 4});  // ends the list
  PutEntry(4, {0x04, 26, 12, 31, 1, 2, 3, 4});  // past the end: never shown
  struct Case {
    int column, entry;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, "2024.05.17"}, {1, 0, ""},           {2, 0, ""},  {3, 0, ""},  {4, 0, "v"},
      {5, 0, "1234-ABCD"},  {0, 1, "2005.01.09"}, {1, 1, "v"}, {2, 1, "v"}, {3, 1, "v"},
      {4, 1, "v"},          {5, 1, "0000-0001"},  {2, 2, "v"}, {4, 2, ""},  {5, 2, "FFEE-DDCC"},
      {0, 3, ""},           {5, 3, ""},           {0, 4, ""},  {3, 4, ""},  {0, 31, ""},
      {0, -1, ""},          {0, 32, ""},          {6, 0, ""},  {-1, 0, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(link.StrHistoria(c.column, c.entry), c.text) << c.column << ", " << c.entry;
}

TEST_F(ServiceTextsTest, FullHistoryShowsTheNewChangeAloneInItsLastRow) {
  for (int k = 0; k < 32; ++k)
    PutEntry(k, {0x01, static_cast<uint8_t>(k), 1, 1, 0, 0, 0, static_cast<uint8_t>(k)});
  link.SetToday(2026, 12, 11);
  link.SetWorkstation(0x1A2B3C4D);
  link.HistoriaZmian(2);
  EXPECT_EQ(link.StrHistoria(0, 0), "2000.01.01") << "the delivery entry stays";
  EXPECT_EQ(link.StrHistoria(0, 1), "2002.01.01") << "the oldest after it went";
  EXPECT_EQ(link.StrHistoria(0, 30), "2031.01.01");
  EXPECT_EQ(link.StrHistoria(1, 30), "v") << "the former last entry keeps its own bits";
  EXPECT_EQ(link.StrHistoria(3, 30), "");
  EXPECT_EQ(link.StrHistoria(0, 31), "2026.12.11");
  EXPECT_EQ(link.StrHistoria(1, 31), "");
  EXPECT_EQ(link.StrHistoria(3, 31), "v");
  EXPECT_EQ(link.StrHistoria(5, 31), "1A2B-3C4D");
}

TEST(ServiceFeaturesTest, EmergencyStartsAreCountedByTheMalverFamiliesFromVersion13) {
  struct Case {
    int family, firmware;
    bool counts;
  };
  const Case cases[] = {{2, 13, true},    {5, 16, true},  {6, 14, true},  {2, 12, false},
                        {255, 17, false}, {8, 15, false}, {13, 15, false}};
  for (const Case& c : cases) {
    OfflineLink offline;
    auto& image = LinkTestAccess::ObrazSterownika(offline.link);
    image[img::Schemat] = static_cast<uint8_t>(c.family);
    image[img::Wersja] = static_cast<uint8_t>(c.firmware);
    offline.link.ListaNastawWykresyOdPlytki(0);
    EXPECT_EQ(offline.link.CountsEmergencyStarts(), c.counts) << c.family << " v" << c.firmware;
  }
}

TEST(ServiceIntervalItemsTest, EveryThousandKmUpTo25000) {
  const std::vector<std::string> items = TSterownik::ServiceIntervalItems();
  ASSERT_EQ(items.size(), 26u);
  EXPECT_EQ(items[0], "- ");
  EXPECT_EQ(items[1], " 1000");
  EXPECT_EQ(items[9], " 9000");
  EXPECT_EQ(items[10], "10000");
  EXPECT_EQ(items[25], "25000");
}

// The service control on a read-out controller, so that its writes can be followed.
class ServiceControlTest : public ::testing::Test {
 protected:
  ServiceControlTest() : s(2) { EXPECT_TRUE(s.ReadOut()); }
  void PutWord(int offset, int value) {
    auto& image = LinkTestAccess::ObrazSterownika(s.link);
    image[offset] = static_cast<uint8_t>(value);
    image[offset + 1] = static_cast<uint8_t>(value >> 8);
  }
  int Setting(int n) const { return s.link.Nastawy()[n]; }
  int DueHours() const { return WordAt(s.link.Nastawy() + service_setting::DueHours); }
  bool WritesSettings() const { return s.link.FlagiZapisu() & AreaBit::Settings; }
  bool Written() {
    return s.TickUntil([&] { return s.link.FlagiZapisu() == 0 && s.link.FlagiZapisuWToku() == 0; });
  }

  MemoryLink s;
};

TEST_F(ServiceControlTest, IntervalIsConvertedToGasHoursFromNow) {
  struct Case {
    int item, gasSeconds, gasHours, due;
  };
  const Case cases[] = {
      {1, 2000, 300, 321},  // past half the current hour: one more
      {1, 1800, 300, 320},    {25, 0, 0, 500},
      {10, 3599, 1000, 1201}, {25, 0, 65500, 65535},  // held at what the controller can count
  };
  for (const Case& c : cases) {
    LinkTestAccess::Nastawy(s.link)[service_setting::Reminder] = service_setting::kGasBlockWhenDue;
    PutWord(img::CzasGazuSekundy, c.gasSeconds);
    PutWord(img::CzasGazuGodziny, c.gasHours);
    ASSERT_TRUE(s.link.UstawPrzeglad(c.item));
    EXPECT_EQ(DueHours(), c.due) << c.item << " " << c.gasHours;
    EXPECT_EQ(Setting(service_setting::Reminder), service_setting::kReminderOn)
        << "reminder on, gas block off";
    EXPECT_TRUE(WritesSettings());
  }
  ASSERT_TRUE(Written());
  EXPECT_EQ(WordAt(&s.controller.memory[img::Nastawy + service_setting::DueHours]), 65535);
}

TEST_F(ServiceControlTest, FirstItemAndItemsBeyondTheListChangeNothing) {
  const int due = DueHours();
  const int reminder = Setting(service_setting::Reminder);
  for (int item : {0, -1, 26}) {
    EXPECT_FALSE(s.link.UstawPrzeglad(item));
    EXPECT_EQ(DueHours(), due);
    EXPECT_EQ(Setting(service_setting::Reminder), reminder);
    EXPECT_FALSE(WritesSettings());
  }
}

TEST_F(ServiceControlTest, ReminderBitsAreStoredAndWrittenOnlyWhenTheyChange) {
  LinkTestAccess::Nastawy(s.link)[service_setting::Reminder] = 0xF0;
  struct Case {
    bool reminder, gasBlock;
    int bits;
  };
  const Case cases[] = {
      {true, false, 0xF1}, {true, true, 0xF3}, {false, true, 0xF2}, {false, false, 0xF0}};
  for (const Case& c : cases) {
    s.link.SetServiceReminder(c.reminder, c.gasBlock);
    EXPECT_EQ(Setting(service_setting::Reminder), c.bits);
    EXPECT_EQ(s.link.ServiceReminder(), c.reminder);
    EXPECT_EQ(s.link.GasBlockWhenDue(), c.gasBlock);
    EXPECT_TRUE(WritesSettings());
    ASSERT_TRUE(Written());
    EXPECT_EQ(s.controller.memory[img::Nastawy + service_setting::Reminder], c.bits);
  }
  s.link.SetServiceReminder(false, false);
  EXPECT_FALSE(WritesSettings()) << "nothing changed, nothing written";
}

TEST_F(ServiceControlTest, StatisticsOfTheControllerAndTheErasedCounter) {
  EXPECT_EQ(s.link.StrCzasNaBenzynie(), "215:30:05");
  EXPECT_EQ(s.link.StrCzasNaGazie(), "1234:39:05");
  EXPECT_EQ(s.link.StrLicznikUruch(), "3");
  EXPECT_EQ(s.link.StrHistoria(0, 0), "2024.05.17");

  s.link.ClearEmergencyStarts();
  EXPECT_EQ(s.link.StrLicznikUruch(), "0") << "shown at once";
  ASSERT_TRUE(s.TickUntil([&] { return s.controller.statistics.emergencyStarts == 0; }));
  const int identified = s.Accepted(code::Identification);
  s.link.RozkazDoSterownika(CommandBit::Identify);
  ASSERT_TRUE(s.TickUntil([&] { return s.Accepted(code::Identification) > identified; }));
  EXPECT_EQ(s.link.StrLicznikUruch(), "0") << "and kept by the controller";
}

TEST_F(ServiceControlTest, ServiceDataIsCurrentOnceIdentityAndHistoryAreIn) {
  EXPECT_TRUE(s.link.ServiceDataCurrent());
  s.link.CzytajZeSterownika(AreaBit::History);
  EXPECT_FALSE(s.link.ServiceDataCurrent());
  ASSERT_TRUE(s.TickUntil([&] { return s.link.ServiceDataCurrent(); }));
  s.link.RozkazDoSterownika(CommandBit::Identify);
  EXPECT_FALSE(s.link.ServiceDataCurrent());
}

}  // namespace
