// What a trace shows of a record: its height in a band, its legend, its pixel columns, and the
// fast digital samples of long records.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "lang/Langtext.h"
#include "scope/TraceValues.h"

namespace scope {
namespace {

std::vector<uint8_t> Record(int size = 128) {
  return std::vector<uint8_t>(static_cast<size_t>(size), 0);
}

TEST(TraceHeightTest, EveryValueTypeInABand256High) {
  struct Case {
    int type;
    double gain;
    uint8_t b0, b1;
    int height;
  };
  const Case cases[] = {
      {0, 1, 0x05, 0, 256},
      {1, 1, 0x05, 0, 0},
      {2, 1, 0x05, 0, 256},
      {7, 0.5, 0x80, 0, 128},
      {10, 1, 128, 0, 128},
      {10, 2.5, 100, 0, 250},
      {11, 1, 0x00, 0x02, 128},
      {14, 1, 0x00, 0xF2, 128},  // twelve bits: the high nibble does not count
      {20, 1, 0, 0, -128},
      {20, 0.5, 127, 0, 0},  // -0.5 truncates toward zero
      {21, 1, 0x23, 0x01, 4},
      {21, 1, 0, 0, -68},
      {22, 1, 160, 0, 64},
      {22, 1, 96, 0, -64},
      {22, 1, 1, 0, -253},
      {22, 1, 0, 0, 0},  // no trim reported: the middle
      {23, 1, 2, 0, 128},
      {23, 1, 16, 0, 128},
      {23, 1, 1, 0, 0},
      {24, 1, 90, 0, 128},
      {24, 1, 0, 0, -102},
      {25, 1, 200, 0, 92},
      {25, 1, 101, 0, -33},  // odd and below 128: one more
      {25, 1, 129, 0, 0},
      {25, 1, 0, 0, -163},
      {30, 1, 0xFF, 0, 0},  // digital rows have no height
      {99, 1, 0xFF, 0xFF, 0},
  };
  std::vector<uint8_t> record = Record();
  for (const Case& c : cases) {
    record[50] = c.b0;
    record[51] = c.b1;
    const Wykres trace{1400, 0, 50, c.type, 1.0, 0, 0, c.gain};
    EXPECT_EQ(TraceHeight(trace, record, nullptr, 256), c.height)
        << "type " << c.type << " byte " << int(c.b0);
  }
}

TEST(TraceHeightTest, AirFuelRatioAndInjectorOpening) {
  std::vector<uint8_t> record = Record();
  const Wykres afr{3044, 0, 58, 26, 0.005, 2};
  EXPECT_EQ(TraceHeight(afr, record, nullptr, 256), 91);
  record[58] = 0xE8;  // 1000
  record[59] = 0x03;
  EXPECT_EQ(TraceHeight(afr, record, nullptr, 256), 279);

  uint8_t settings[512] = {};
  settings[89] = 255;
  settings[90] = 0;  // 1.02 + 2.56 ms, whole milliseconds count
  const Wykres opening{931, 1053, 60, 12, 0.004, 3, 0, 2.5};
  EXPECT_EQ(TraceHeight(opening, record, settings, 256), 7);
  EXPECT_EQ(TraceHeight(opening, record, nullptr, 256), 0);
}

TEST(TraceHeightTest, BytesTheRecordLacksGiveNothing) {
  std::vector<uint8_t> record = Record();
  record[127] = 0xFF;
  EXPECT_EQ(TraceHeight({0, 0, 127, 11, 1.0, 0}, record, nullptr, 1024), 0)
      << "the second byte is beyond the record";
  EXPECT_EQ(TraceHeight({0, 0, 127, 10, 1.0, 0}, record, nullptr, 256), 255);
  EXPECT_EQ(TraceHeight({0, 0, 130, 10, 1.0, 0}, record, nullptr, 256), 0);
  EXPECT_EQ(TraceHeight({0, 0, 10, 20, 1.0, 0}, {}, nullptr, 256), 0)
      << "a record outside the recording";
}

class LegendTest : public ::testing::Test {
 protected:
  LegendTest() { Texts().LanguageIndex = 0; }
  static std::string Padded(const std::string& text) { return text + std::string(26, ' '); }
};

TEST_F(LegendTest, ShortNamesAndCylinderTraces) {
  struct Case {
    int nameId;
    std::string name;
  };
  const Case cases[] = {
      {1400, LangText(1401)},       {1464, LangText(1465)},       {1465, LangText(1465)},
      {818, LangText(819)},         {880, LangText(881)},         {4230, LangText(4230)},
      {944, " *" + LangText(1501)}, {945, " *" + LangText(1601)}, {946, " *" + LangText(1502)},
      {955, " *" + LangText(1606)}, {956, LangText(956)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TraceName({c.nameId}), c.name) << c.nameId;
  EXPECT_EQ(LangText(1401), "RPM") << "the short form of \"Revolutions\"";
  EXPECT_EQ(TraceName({944}), " *P 1");
}

TEST_F(LegendTest, ChannelListShowsFullNames) {
  EXPECT_EQ(ChannelListName({1400}), " Revolutions");
  EXPECT_EQ(ChannelListName({945}), " *G 1");
}

TEST_F(LegendTest, ValueAtTheRecord) {
  struct Case {
    Wykres trace;
    uint8_t b0, b1;
    char separator;
    std::string value;
  };
  const Case cases[] = {
      {{1400, 1056, 40, 11, 10.0, 0}, 85, 0, '.', "850"},
      {{1404, 1051, 40, 11, 0.01, 2}, 0x2C, 0x01, ',', "3,00"},
      {{1410, 1054, 40, 20, 1.0, 0}, 100, 0, '.', "-28"},
      {{1430, 1057, 40, 10, 0.4, 1}, 1, 0, '.', "0.4"},
      {{934, 0, 40, 10, 0.0078125, 3}, 1, 0, '.', "0.008"},
      {{1450, 0, 40, 23, 1.0, 0}, 2, 0, '.', " CL"},
      {{1450, 0, 40, 23, 1.0, 0}, 8, 0, '.', " OL Fault"},
      {{1450, 0, 40, 23, 1.0, 0}, 3, 0, '.', ""},  // no fuel-system state
      {{1452, 1057, 40, 22, 1.0, 1}, 0, 0, '.', "-"},
      {{1452, 1057, 40, 22, 1.0, 1}, 160, 0, '.', "25.0"},
      {{1420, 1050, 40, 11, 0.005, 4}, 200, 0, '.', ""},  // four decimals: no value
      {{3044, 0, 40, 26, 0.005, 2}, 200, 0, '.', "1.00"},
  };
  std::vector<uint8_t> record = Record();
  for (const Case& c : cases) {
    record[40] = c.b0;
    record[41] = c.b1;
    EXPECT_EQ(LegendText(c.trace, record, nullptr, c.separator),
              Padded(TraceName(c.trace) + "=" + c.value))
        << c.trace.nazwa << " " << int(c.b0);
  }
}

TEST_F(LegendTest, WithoutRecordOnlyTheName) {
  EXPECT_EQ(LegendText({1400, 1056, 17, 11, 10.0, 0}, {}, nullptr, '.'), Padded("RPM"));
  const std::vector<uint8_t> record = Record();
  EXPECT_EQ(LegendText({1400, 1056, 127, 11, 10.0, 0}, record, nullptr, '.'), Padded("RPM="))
      << "the record lacks the second byte";
}

// A recording whose byte 50 counts the records up, with a spike in record 1003.
class TraceColumnsTest : public ::testing::Test {
 protected:
  TraceColumnsTest() : bytes(static_cast<size_t>(kRecords) * 128, 0) {
    for (int r = 0; r < kRecords; ++r)
      bytes[static_cast<size_t>(r) * 128 + 50] = static_cast<uint8_t>(r % 200);
    bytes[1003 * 128 + 50] = 255;
    records = {bytes, 128, kRecords};
  }
  std::vector<TraceColumn> Columns(int first, double rate, bool following = false) const {
    return TraceColumns(records, trace, nullptr, 256, first, rate, kPlotWidth, following);
  }

  static constexpr int kRecords = 2000;
  static constexpr int kPlotWidth = 600;
  std::vector<uint8_t> bytes;
  RecordSpan records;
  const Wykres trace{1430, 0, 50, 10, 1.0, 0};  // height = byte in a band 256 high
};

TEST_F(TraceColumnsTest, OneRecordPerPixelColumn) {
  const std::vector<TraceColumn> columns = Columns(400, 1.0);
  ASSERT_EQ(columns.size(), 599u);
  for (const TraceColumn& c : columns) {
    ASSERT_EQ(c.high, c.low);
    ASSERT_EQ(c.high, (400 + c.x) % 200) << c.x;
  }
  EXPECT_EQ(columns.front().x, 1);
  EXPECT_EQ(columns.back().x, 599);
}

TEST_F(TraceColumnsTest, WideRecordsStepAcrossTheirPixels) {
  const std::vector<TraceColumn> tenth = Columns(100, 0.1);
  ASSERT_EQ(tenth.size(), 60u);
  EXPECT_EQ(tenth[0].x, 1);
  EXPECT_EQ(tenth[1].x, 11);
  EXPECT_EQ(tenth[59].x, 591);
  for (size_t i = 0; i < tenth.size(); ++i)
    EXPECT_EQ(tenth[i].high, 100 + static_cast<int>(i) % 200) << "one column per record";

  const std::vector<TraceColumn> twoFifths = Columns(100, 0.4);
  ASSERT_GE(twoFifths.size(), 4u);
  const int xs[] = {1, 3, 5, 7};
  const int heights[] = {100, 101, 102, 102};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(twoFifths[static_cast<size_t>(i)].x, xs[i]);
    EXPECT_EQ(twoFifths[static_cast<size_t>(i)].high, heights[i]);
  }
}

TEST_F(TraceColumnsTest, ManyRecordsPerPixelDrawTheirEnvelope) {
  const std::vector<TraceColumn> columns = Columns(0, 4);
  ASSERT_EQ(columns.size(), 599u);
  const TraceColumn& c = columns[249];  // x = 250: records 1000..1003
  EXPECT_EQ(c.x, 250);
  EXPECT_EQ(c.low, 1000 % 200);
  EXPECT_EQ(c.high, 255) << "a one-record spike is never lost";
  EXPECT_EQ(columns[248].high, 999 % 200);
  EXPECT_EQ(columns[248].low, 996 % 200);
}

TEST_F(TraceColumnsTest, FollowingDrawsOneRecordPerPixelAtAnyRate) {
  const std::vector<TraceColumn> columns = Columns(0, 4, true);
  ASSERT_EQ(columns.size(), 599u);
  EXPECT_EQ(columns[249].high, 1000 % 200) << "record 1000 only; the spike is skipped";
  EXPECT_EQ(columns[249].low, columns[249].high);
}

TEST_F(TraceColumnsTest, RecordsOutsideTheRecordingLieOnTheBaseline) {
  const std::vector<TraceColumn> before = Columns(-300, 1.0);
  EXPECT_EQ(before[0].high, 0);
  EXPECT_EQ(before[298].high, 0) << "record -1";
  EXPECT_EQ(before[300].high, 1) << "record 1";

  const std::vector<TraceColumn> after = Columns(1800, 2);
  EXPECT_EQ(after[98].high, 1999 % 200) << "records 1998 and 1999";
  EXPECT_EQ(after[99].high, 0);
  EXPECT_EQ(after[99].low, 0);
}

// The zoomed-out columns read the recording their own quick way; they must agree with the
// heights record by record, for every value type, both signs of gain and at the recording's
// ends.
TEST(TraceEnvelopeTest, AgreesWithTheHeightsOfItsRecords) {
  constexpr int kRecords = 500, kPlotWidth = 60;
  std::vector<uint8_t> bytes(kRecords * 128);
  uint32_t noise = 7;
  for (uint8_t& b : bytes) {
    noise = noise * 1103515245u + 12345u;
    b = static_cast<uint8_t>(noise >> 24);
  }
  const RecordSpan records{bytes, 128, kRecords};
  uint8_t settings[512] = {};
  settings[89] = 200;
  const int types[] = {0, 3, 7, 10, 11, 12, 14, 20, 21, 22, 23, 24, 25, 26, 30, 99};
  for (int type : types)
    for (double gain : {1.4, -0.7})
      for (int first : {-130, 0, 250}) {
        const Wykres trace{1400, 0, 40, type, 0.005, 2, 0, gain};
        const double rate = 10;
        const std::vector<TraceColumn> columns =
            TraceColumns(records, trace, settings, 97, first, rate, kPlotWidth, false);
        ASSERT_EQ(columns.size(), static_cast<size_t>(kPlotWidth - 1));
        for (const TraceColumn& c : columns) {
          int high = INT_MIN, low = INT_MAX;
          for (int r = c.x * 10; r < c.x * 10 + 10; ++r) {
            const int h = TraceHeight(trace, records.At(r + first), settings, 97);
            high = std::max(high, h);
            low = std::min(low, h);
          }
          ASSERT_EQ(c.high, high) << "type " << type << " gain " << gain << " x " << c.x;
          ASSERT_EQ(c.low, low) << "type " << type << " gain " << gain << " x " << c.x;
        }
      }
}

TEST(TraceEnvelopeTest, TracesBeyondTheRecordLieOnTheBaseline) {
  const std::vector<uint8_t> bytes(100 * 128, 0xFF);
  const RecordSpan records{bytes, 128, 100};
  const Wykres beyond{1404, 0, 127, 21, 1.0, 0};  // 0 - 273 if its bytes were zeros
  for (const TraceColumn& c : TraceColumns(records, beyond, nullptr, 100, 0, 2, 40, false)) {
    EXPECT_EQ(c.high, 0);
    EXPECT_EQ(c.low, 0);
  }
}

TEST(DigitalEventsTest, ChangesOfTheFastInputs) {
  std::vector<uint8_t> record = Record(256);
  record[2] = (128 + 8) / 2;  // eight sample bytes: three events
  const uint8_t samples[] = {0x05, 0x00, 0x01, 0x83, 0x2C, 0x01, 0x02, 0x00, 0x02, 0x7F, 0, 0};
  std::copy(std::begin(samples), std::end(samples), record.begin() + 128);
  const std::vector<DigitalEvent> events = DigitalEvents(record);
  ASSERT_EQ(events.size(), 3u);
  const int times[] = {256, 300, 512};
  const uint8_t a[] = {0x05, 0x05, 0x02};
  const uint8_t b[] = {0x00, 0x83, 0x83};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(events[i].time, times[i]);
    EXPECT_EQ(events[i].a, a[i]);
    EXPECT_EQ(events[i].b, b[i]);
  }

  const Wykres petrol1{944, 0, 0, 30}, petrol2{946, 0, 0, 31}, gas1{945, 0, 1, 30};
  EXPECT_EQ(DigitalLevel(petrol1, events[0]), 1);
  EXPECT_EQ(DigitalLevel(petrol2, events[0]), 0);
  EXPECT_EQ(DigitalLevel(petrol2, events[2]), 1);
  EXPECT_EQ(DigitalLevel(gas1, events[0]), 0);
  EXPECT_EQ(DigitalLevel(gas1, events[1]), 1);
  EXPECT_TRUE(IsDigital(petrol1));
  EXPECT_TRUE(IsDigital({940, 0, 1, 36}));
  EXPECT_FALSE(IsDigital({1400, 0, 17, 11}));
  EXPECT_FALSE(IsDigital({0, 0, 0, 37}));
}

TEST(DigitalEventsTest, NoneWithoutSamples) {
  std::vector<uint8_t> shortRecord = Record(128);
  shortRecord[2] = 62;  // the longest short status frame
  EXPECT_TRUE(DigitalEvents(shortRecord).empty());
  shortRecord[2] = 200;
  EXPECT_TRUE(DigitalEvents(shortRecord).empty()) << "no samples in a short record";

  std::vector<uint8_t> longRecord = Record(256);
  longRecord[2] = 62;
  longRecord[128] = 0x01;
  EXPECT_TRUE(DigitalEvents(longRecord).empty()) << "a short frame kept in a long record";
  longRecord[2] = 64;
  EXPECT_TRUE(DigitalEvents(longRecord).empty()) << "no byte beyond 128";
}

TEST(DigitalEventsTest, AtMost64EventsAndNoneBeyondTheRecord) {
  std::vector<uint8_t> record = Record(256);
  record[2] = 255;  // claims more samples than the record holds
  EXPECT_EQ(DigitalEvents(record).size(), 42u) << "the triples that lie wholly in the record";
  std::vector<uint8_t> longer = Record(512);
  longer[2] = 255;
  EXPECT_EQ(DigitalEvents(longer).size(), 64u);
}

}  // namespace
}  // namespace scope
