// A status frame decoded once into the value every view reads: work state, event texts, LEDs,
// injection times, the OBD part and the live values, with what a short frame lacks absent.

#include <gtest/gtest.h>

#include "controller/FamilyTraits.h"
#include "controller/StatusDecoding.h"

namespace {

std::vector<uint8_t> Frame(int length) {
  std::vector<uint8_t> frame(static_cast<size_t>(length), 0);
  return frame;
}

DecodedStatus Decode(const std::vector<uint8_t>& frame, Family family = Family::Rumo,
                     std::span<const Wykres> definitions = {}, const uint8_t* settings = nullptr,
                     char separator = '.') {
  DecodedStatus s;
  TakeFrame(code::Poll, frame, s);
  DecodeStatus({family, definitions, settings, separator}, s);
  return s;
}

TEST(StatusDecodingTest, WorkStateFromTheStatusWord) {
  struct Case {
    Family family;
    uint8_t state, flags;
    int shortText, longText;
    uint32_t colour;
  };
  const Case cases[] = {
      {Family::Rumo, 6, 0x03, 1249, 1250, 0x00A000},
      {Family::Rumo, 6, 0x01, 1243, 1243, 0xC0C0C0},
      {Family::Rumo, 6, 0x00, 1242, 1242, 0x808080},
      {Family::Fortix, 0, 0x03, 1244, 1245, 0x0000FF},
      {Family::Kavi, 2, 0x03, 1246, 1246, 0x4080FF},
      {Family::Kavi, 5, 0x03, 1247, 1247, 0xEA00EA},
      {Family::Lumo, 7, 0x03, 1248, 1248, 0xFF8000},
      {Family::Lumo, 3, 0x03, 0, 0, 0},
      {Family::RailEmulator, 3, 0, 1249, 1250, 0x00A000},
      {Family::PumpEmulator, 0, 0, 1244, 1245, 0x0000FF},
      {Family{7}, 6, 0x03, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> frame = Frame(12);
    frame[10] = c.state;
    frame[11] = c.flags;
    const DecodedStatus s = Decode(frame, c.family);
    SCOPED_TRACE(static_cast<int>(c.family) * 1000 + c.state);
    EXPECT_TRUE(s.hasWorkState);
    EXPECT_EQ(s.statusWord, c.state | c.flags << 8);
    EXPECT_EQ(s.workState.shortText, c.shortText);
    EXPECT_EQ(s.workState.longText, c.longText);
    EXPECT_EQ(s.workState.colour, c.colour);
  }
}

TEST(StatusDecodingTest, EventTextsAlternatingWithTheWorkState) {
  struct Case {
    uint8_t code, detail, flags;
    Family family;
    int id;
  };
  const Case cases[] = {
      {10, 0x01 | 0x04, 0x03, Family::Rumo, 1813},  // later bits win
      {10, 0x20, 0x03, Family::Rumo, 1816},         // waiting for the injectors to warm
      {1, 0x02, 0x03, Family::Rumo, 1802},
      {1, 0x04, 0x03, Family::Rumo, 1803},  // bit value 4, not 8
      {1, 0x08, 0x03, Family::Rumo, 0},
      {20, 0x20, 0x03, Family::Rumo, 1826},
      {30, 0xFF, 0xE3, Family::Rumo, 0},  // a class without reasons of its own
      {0, 0, 0x23, Family::Rumo, 3210},
      {0, 0, 0x43, Family::Kavi, 1737},  // stratified charge
      {41, 0, 0x43, Family::Rumo, 4600},
      {0, 0, 0x83, Family::Rumo, 4560},
      {0, 0, 0x03, Family::Rumo, 0},
      {10, 0x01, 0x01, Family::Rumo, 0},      // only while the engine turns
      {0, 0, 0x23, Family::RailEmulator, 0},  // emulators tell no events
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> frame = Frame(128);
    frame[6] = c.code;
    frame[7] = c.detail;
    frame[11] = c.flags;
    EXPECT_EQ(Decode(frame, c.family).event.textId, c.id) << int(c.code) << "/" << int(c.detail);
  }
}

// The Diagnostics caption follows the controller's error flags, the OBD caption the engine's
// codes as the controller's OBD module reports them; both only while the engine turns.
TEST(StatusDecodingTest, TabCaptionMarks) {
  struct Case {
    uint8_t flags, obdHigh, obdFlags;
    int length;
    Family family;
    TabMark diagnostics, obd;
  };
  using enum TabMark;
  const Case cases[] = {
      {0x0B, 192, 0x80, 128, Family::Rumo, Fault, Fault},
      {0x0F, 192, 0x40, 128, Family::Rumo, Fault, Good},  // the error wins over the notice
      {0x07, 192, 0x00, 128, Family::Kavi, Good, Normal},
      {0x13, 192, 0xC0, 128, Family::Lumo, Good, Fault},
      {0x03, 0, 0x80, 128, Family::Rumo, Normal, Keep},     // the module says nothing
      {0x03, 192, 0x80, 94, Family::Rumo, Normal, Normal},  // the flags did not arrive
      {0x09, 192, 0x80, 128, Family::Rumo, Keep, Keep},     // the engine does not turn
      {0x0B, 192, 0x80, 128, Family::RailEmulator, Keep, Keep},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> frame = Frame(128);
    frame[11] = c.flags;
    frame[93] = c.obdHigh;
    frame[94] = c.obdFlags;
    frame.resize(static_cast<size_t>(c.length));
    const DecodedStatus s = Decode(frame, c.family);
    SCOPED_TRACE(testing::Message() << int(c.flags) << "/" << int(c.obdFlags) << "/" << c.length);
    EXPECT_EQ(s.diagnosticsTab, c.diagnostics);
    EXPECT_EQ(s.obdTab, c.obd);
  }
}

TEST(StatusDecodingTest, InformationLinesAndLeds) {
  std::vector<uint8_t> frame = Frame(128);
  frame[6] = sub_record::Information;
  frame[13] = 0x20 | 0x04 | 0x01;
  frame[14] = 0x02 | 0x04;
  DecodedStatus s = Decode(frame);
  EXPECT_EQ(s.information, InformationLine::Message);
  EXPECT_EQ(s.infoKind, 1);
  ASSERT_TRUE(s.hasLeds);
  EXPECT_EQ(s.leds[0], 0x00A000u);
  EXPECT_EQ(s.leds[1], 0u);
  EXPECT_EQ(s.leds[3], 0x00A000u);
  EXPECT_EQ(s.leds[4], 0x0000C8u) << "only bit 0: red";
  EXPECT_EQ(s.leds[5], 0x00A000u);
  EXPECT_EQ(s.leds[6], 0x0000C8u);

  frame[6] = sub_record::TrimsBank2;
  EXPECT_EQ(Decode(frame).information, InformationLine::Adaptation);
  frame[6] = 0;
  frame[11] = WorkFlag::PetrolAddition;
  EXPECT_EQ(Decode(frame).infoKind, 2);
  EXPECT_EQ(Decode(frame, Family::PumpEmulator).infoKind, 0) << "only gas controllers";
}

// The scope's marks of every record follow the same rules as the decoded status.
TEST(StatusDecodingTest, WorkMarksAgreeWithTheDecodedStatus) {
  struct Case {
    Family family;
    int length;
    uint8_t code, flags, state;
    uint32_t colour;
    int infoKind;
  };
  const Case cases[] = {
      {Family::Rumo, 128, 0, 0x03, 6, 0x00A000, 0},
      {Family::Rumo, 128, sub_record::Information, 0x03, 0, 0x0000FF, 1},
      {Family::Kavi, 128, sub_record::TrimsBank1, 0x01, 6, 0xC0C0C0, 1},
      {Family::Lumo, 128, 0, 0x43, 7, 0xFF8000, 2},
      {Family::PumpEmulator, 128, sub_record::Information, 0x80, 1, 0x00A000, 0},
      {Family::Rumo, 11, 0, 0, 6, 0, 0},  // the status word did not arrive whole
      {Family::Rumo, 6, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> frame = Frame(128);
    frame[6] = c.code;
    frame[10] = c.state;
    frame[11] = c.flags;
    frame.resize(static_cast<size_t>(c.length));
    const WorkMarks marks = WorkMarksOf(c.family, frame);
    const DecodedStatus s = Decode(frame, c.family);
    SCOPED_TRACE(static_cast<int>(c.family) * 1000 + c.length);
    EXPECT_EQ(marks.colour, c.colour);
    EXPECT_EQ(marks.infoKind, c.infoKind);
    EXPECT_EQ(s.workState.colour, marks.colour);
    EXPECT_EQ(s.infoKind, marks.infoKind);
  }
}

TEST(StatusDecodingTest, InjectionTimesOfTheChannelsThatArrived) {
  std::vector<uint8_t> frame = Frame(128);
  frame[60] = 0x20;  // channel 1 petrol: 0x320 x 0.004 ms
  frame[61] = 0x03;
  frame[62] = 0x84;  // gas: 0x384 x 0.004 ms
  frame[63] = 0x03;
  frame[60 + 28] = 250;  // channel 8 petrol
  DecodedStatus s = Decode(frame);
  EXPECT_EQ(s.channels, 8);
  EXPECT_DOUBLE_EQ(s.injection[0].petrolMs, 3.2);
  EXPECT_DOUBLE_EQ(s.injection[0].gasMs, 3.6);
  EXPECT_DOUBLE_EQ(s.injection[7].petrolMs, 1.0);

  frame.resize(60 + 4 * 3 + 2);  // half of channel 4 arrived
  s = Decode(frame);
  EXPECT_EQ(s.channels, 3);
}

TEST(StatusDecodingTest, ObdStatusWordAndEcus) {
  std::vector<uint8_t> frame = Frame(128);
  frame[92] = 0x02;
  frame[93] = 0xC0;
  frame[103] = obd_kind::Ecus;
  frame[104] = 0x21;  // two ECUs
  const uint8_t ecus[8] = {0x18, 0xDA, 0xF1, 0x10, 0, 0, 0x07, 0xE8};
  std::copy(ecus, ecus + 8, frame.begin() + 105);
  DecodedStatus s = Decode(frame);
  ASSERT_TRUE(s.obd.hasWord && s.obd.reportsEcus);
  EXPECT_EQ(s.obd.word, 0xC002);
  EXPECT_EQ(s.obd.ecuCount, 2);
  EXPECT_EQ(s.obd.ecuAddresses[0], 0x18DAF110u);
  EXPECT_EQ(s.obd.ecuAddresses[1], 0x7E8u);

  frame.resize(111);  // the second address did not arrive whole
  s = Decode(frame);
  EXPECT_EQ(s.obd.ecuCount, 1);
  frame.resize(102);
  s = Decode(frame);
  EXPECT_FALSE(s.obd.hasWord) << "the word counts only in frames of 103 bytes or more";
  EXPECT_FALSE(s.obd.reportsEcus);
}

// What a short frame lacks is absent, whatever a longer frame held before.
TEST(StatusDecodingTest, ShortFrameKeepsNothingOfTheLongerOneBefore) {
  const std::vector<Wykres> definitions = {
      {1400, 1056, 17, 11, 10.0, 0}, {1410, 1054, 40, 20, 1.0, 0}, {1450, 0, 97, 23, 1.0, 0}};
  std::vector<uint8_t> longFrame = Frame(128);
  longFrame[10] = 6;
  longFrame[11] = 0x03;
  longFrame[13] = 0x3F;
  longFrame[17] = 85;
  longFrame[40] = 183;
  longFrame[97] = 2;
  DecodedStatus s;
  const StatusContext context{Family::Rumo, definitions, nullptr, '.'};
  TakeFrame(code::Poll, longFrame, s);
  DecodeStatus(context, s);
  ASSERT_EQ(s.values[0].text, "850");
  ASSERT_EQ(s.values[2].text, "CL");

  TakeFrame(code::Poll, Frame(6), s);
  DecodeStatus(context, s);
  EXPECT_EQ(s.length, 6);
  EXPECT_EQ(s.Byte(17), 0) << "no byte of the earlier frame is left";
  EXPECT_FALSE(s.hasWorkState);
  EXPECT_EQ(s.workState.longText, 0);
  EXPECT_FALSE(s.hasLeds);
  EXPECT_EQ(s.channels, 0);
  EXPECT_FALSE(s.obd.hasWord);
  for (const LiveValue& v : s.values)
    EXPECT_FALSE(v.present);
}

// The level sensor window's readings, the engine speed and the detected firing order, each
// only as far as the frame carried it.
TEST(StatusDecodingTest, LevelReadingsSpeedAndDetectedOrder) {
  struct Case {
    int length;
    int leds, voltage, rpmTens, detected;
  };
  const Case cases[] = {
      {128, 0x21, 80, 0x0155, 8}, {74, 0x21, 80, 0x0155, 4}, {70, 0x21, 80, 0x0155, 0},
      {50, 0x21, -1, 0x0155, 0},  {18, 0x21, -1, -1, 0},     {13, -1, -1, -1, 0},
  };
  std::vector<uint8_t> full = Frame(128);
  full[13] = 0x21;
  full[17] = 0x55;
  full[18] = 0x01;
  full[50] = 80;
  for (int i = 0; i < 8; ++i)
    full[70 + i] = static_cast<uint8_t>(7 - i);
  for (const Case& c : cases) {
    const DecodedStatus s =
        Decode(std::vector<uint8_t>(full.begin(), full.begin() + c.length), Family::Fortix);
    EXPECT_EQ(s.levelLeds, c.leds) << c.length;
    EXPECT_EQ(s.levelVoltage, c.voltage) << c.length;
    EXPECT_EQ(s.rpmTens, c.rpmTens) << c.length;
    ASSERT_EQ(s.detectedChannels, c.detected) << c.length;
    for (int i = 0; i < c.detected; ++i)
      EXPECT_EQ(s.detectedOrder[static_cast<size_t>(i)], 7 - i);
  }
}

TEST(StatusDecodingTest, LiveValuesByType) {
  struct Case {
    int type;
    double scale;
    int decimals;
    uint8_t b0, b1;
    const char* text;
    bool numeric;
  };
  const Case cases[] = {
      {0, 1, 0, 0x01, 0, "1", true},
      {3, 1, 0, 0x01, 0, "0", true},
      {10, 0.02, 2, 80, 9, "1.60", true},
      {11, 10, 0, 85, 1, "3410", true},
      {14, 1, 0, 0x10, 0xF3, "784", true},  // only the low nibble of the second byte
      {20, 1, 0, 100, 0, "-28", true},
      {21, 1, 0, 0x23, 0x01, "18", true},
      {22, 1, 1, 0, 0, "-", false},
      {22, 1, 1, 160, 0, "25.0", true},
      {23, 1, 0, 2, 0, "CL", false},
      {23, 1, 0, 3, 0, "-", false},
      {24, 1, 0, 0, 0, "-", false},
      {24, 1, 0, 130, 0, "90", true},
      {25, 1, 1, 100, 0, "-14.0", true},
      {26, 0.005, 2, 200, 0, "10.35", true},  // a wide-band probe's volts as air-fuel ratio
      {99, 1, 0, 1, 0, " ", false},
      {11, 0.004, 5, 0x20, 3, "3.200", true},  // at most three decimals
  };
  std::vector<uint8_t> frame = Frame(128);
  for (const Case& c : cases) {
    frame[40] = c.b0;
    frame[41] = c.b1;
    Wykres w{1400, 0, 40, c.type, c.scale, c.decimals};
    DecodedStatus s;
    TakeFrame(code::Poll, frame, s);
    const LiveValue v = DecodeLiveValue(w, s.Frame(), nullptr, '.');
    EXPECT_TRUE(v.present);
    EXPECT_EQ(v.text, c.text) << c.type;
    EXPECT_EQ(v.numeric, c.numeric) << c.type;
  }
}

TEST(StatusDecodingTest, LiveValueEdges) {
  std::vector<uint8_t> frame = Frame(42);
  frame[40] = 80;
  frame[41] = 1;
  DecodedStatus s;
  TakeFrame(code::Poll, frame, s);
  EXPECT_EQ(DecodeLiveValue({0, 0, 40, 11, 0.5, 1}, s.Frame(), nullptr, ',').text, "168,0")
      << "the user's decimal separator";
  EXPECT_FALSE(DecodeLiveValue({0, 0, 41, 11, 1.0, 0}, s.Frame(), nullptr, '.').present)
      << "the second byte did not arrive";
  EXPECT_TRUE(DecodeLiveValue({0, 0, 41, 10, 1.0, 0}, s.Frame(), nullptr, '.').present);

  uint8_t settings[512] = {};
  settings[89] = 250;
  settings[90] = 118;
  const LiveValue opening =
      DecodeLiveValue({931, 1053, 60, 12, 0.004, 3}, s.Frame(), settings, '.');
  EXPECT_TRUE(opening.present) << "the injector opening comes from the settings";
  EXPECT_EQ(opening.text, "1.200");
}

TEST(FamilyTraitsTest, OneRowPerFamily) {
  struct Case {
    Family family;
    bool gas, emulator, obdModule, obdShown;
    int group;
    uint32_t readOut;
  };
  const Case cases[] = {
      {Family::Rumo, true, false, false, true, 1, area_set::kGasControllerReadOut},
      {Family::Fortix, true, false, true, true, 2, area_set::kGasControllerReadOut},
      {Family::Lumo, true, false, false, false, 3, area_set::kGasControllerReadOut},
      {Family::Kavi, true, false, true, true, 4, area_set::kGasControllerReadOut},
      {Family::RailEmulator, false, true, false, false, 0, 0x801},
      {Family::PumpEmulator, false, true, false, false, 0, 0x1},
      {Family{3}, false, false, false, false, 0, 0},
  };
  for (const Case& c : cases) {
    const FamilyTraits& t = TraitsOf(c.family);
    SCOPED_TRACE(static_cast<int>(c.family));
    EXPECT_EQ(t.gasController, c.gas);
    EXPECT_EQ(t.emulator, c.emulator);
    EXPECT_EQ(t.obdModule, c.obdModule);
    EXPECT_EQ(t.obdShown, c.obdShown);
    EXPECT_EQ(t.traceFlagGroup, c.group);
    EXPECT_EQ(t.readOut, c.readOut);
  }
  EXPECT_EQ(area_set::kGasControllerReadOut, 0xF03779Fu);
  EXPECT_EQ(area_set::kAfterFactorySettings, 0x371Fu);
}

}  // namespace
