#include "obd/TroubleCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "obd/CodeClearing.h"
#include "obd/ElmProtocols.h"
#include "obd/ModuleCodes.h"
#include "resources/EmbeddedResources.h"

namespace obd {
namespace {

namespace ep = ::elm_protocol;

// The red code lines of a listing, in order.
std::vector<std::string> CodesListed(const ColouredLines& box) {
  std::vector<std::string> codes;
  for (const ColouredLine& line : box)
    if (line.colour == LineColour::Red) codes.push_back(line.text);
  return codes;
}

int Headings(const ColouredLines& box) {
  return static_cast<int>(std::count_if(box.begin(), box.end(), [](const ColouredLine& line) {
    return line.colour == LineColour::DarkGreen;
  }));
}

struct Transcript {
  const char* name;
  int protocol;
  int adresEcu;
  uint8_t mode;
  const char* odpowiedz;
  int headings;
  std::vector<std::string> codes;
};

class ListingTest : public testing::TestWithParam<Transcript> {};

TEST_P(ListingTest, ListsTheEcusCodesUnderOneHeading) {
  const Transcript& t = GetParam();
  ColouredLines box, log;
  const std::optional<int> listed =
      KodyBledow({t.odpowiedz, t.protocol, t.adresEcu, false}, t.mode, box, log);
  EXPECT_EQ(CodesListed(box), t.codes);
  EXPECT_EQ(Headings(box), t.headings);
  // How many were listed, nothing when the ECU's answer is not there.
  EXPECT_EQ(listed,
            t.headings ? std::optional<int>(static_cast<int>(t.codes.size())) : std::nullopt);
  if (t.headings) {
    EXPECT_EQ(box.front().text, Heading(t.mode));
  }
}

INSTANTIATE_TEST_SUITE_P(
    AdapterTranscripts, ListingTest,
    testing::Values(
        Transcript{"CanSingleFrame",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 06 43 02 01 33 02 34 \r\r>",
                   1,
                   {"P0133", "P0234"}},
        Transcript{"CanOneCode",
                   ep::kCan11Bit250,
                   0x7E8,
                   kPendingCodes,
                   "7E8 04 47 01 01 71 \r\r>",
                   1,
                   {"P0171"}},
        Transcript{
            "CanHeadingAlone", ep::kCan11Bit500, 0x7E8, kStoredCodes, "7E8 02 43 00 \r\r>", 1, {}},
        Transcript{"CanMultiFrameThreeCodes",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 10 08 43 03 C1 55 C1 01 \r7E8 21 C1 21 00 00 00 00 00 \r\r>",
                   1,
                   {"U0155", "U0101", "U0121"}},
        Transcript{"CanMultiFrameFourCodes",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 10 0A 43 04 01 33 02 34 \r7E8 21 03 45 04 56 00 00 00 \r\r>",
                   1,
                   {"P0133", "P0234", "P0345", "P0456"}},
        Transcript{"CanMultiFrameTwoConsecutive",
                   ep::kCan11Bit500,
                   0x7E8,
                   kPermanentCodes,
                   "7E8 10 12 4A 08 01 01 01 02 \r7E8 21 01 03 01 04 01 05 01 \r"
                   "7E8 22 06 01 07 01 08 00 00 \r\r>",
                   1,
                   {"P0101", "P0102", "P0103", "P0104", "P0105", "P0106", "P0107", "P0108"}},
        Transcript{"Can29BitSingleFrame",
                   ep::kCan29Bit500,
                   0x10,
                   kStoredCodes,
                   "18 DA F1 10 06 43 02 01 33 02 34 \r\r>",
                   1,
                   {"P0133", "P0234"}},
        Transcript{"Can29BitMultiFrame",
                   ep::kCan29Bit250,
                   0x10,
                   kStoredCodes,
                   "18 DA F1 10 10 08 43 03 C1 55 C1 01 \r18 DA F1 10 21 C1 21 00 00 00 00 00 "
                   "\r\r>",
                   1,
                   {"U0155", "U0101", "U0121"}},
        Transcript{"CanMultiFrameWithAnotherEcuBetween",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 10 0A 43 04 01 33 02 34 \r7E9 04 43 01 C1 01 \r"
                   "7E8 21 03 45 04 56 00 00 00 \r\r>",
                   1,
                   {"P0133", "P0234", "P0345", "P0456"}},
        Transcript{"CanMultiFrameAnotherEcusFramesBetween",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 10 08 43 03 01 33 02 34 \r7E9 10 08 43 03 C1 01 C1 02 \r"
                   "7E9 21 C1 03 00 00 00 00 00 \r7E8 21 01 71 00 00 00 00 00 \r\r>",
                   1,
                   {"P0133", "P0234", "P0171"}},
        Transcript{"Can29BitMultiFrameWithAnotherEcuBetween",
                   ep::kCan29Bit500,
                   0x10,
                   kStoredCodes,
                   "18 DA F1 10 10 0A 43 04 01 33 02 34 \r18 DA F1 1A 04 43 01 C1 01 \r"
                   "18 DA F1 10 21 03 45 04 56 00 00 00 \r\r>",
                   1,
                   {"P0133", "P0234", "P0345", "P0456"}},
        Transcript{"CanConsecutiveFrameLost",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 10 0A 43 04 01 33 02 34 \r7E9 21 03 45 04 56 00 00 00 \r\r>",
                   1,
                   {"P0133", "P0234"}},
        Transcript{"CanOtherEcuOnly",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E9 06 43 02 01 33 02 34 \r\r>",
                   0,
                   {}},
        Transcript{"CanOtherEcuBesideEngine",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E9 04 43 01 04 20 \r7E8 04 43 01 01 33 \r\r>",
                   1,
                   {"P0133"}},
        Transcript{"KwpZeroFill",
                   ep::kKwpFast,
                   0x10,
                   kStoredCodes,
                   "86 F1 10 43 01 33 00 00 00 00 \r\r>",
                   1,
                   {"P0133"}},
        Transcript{"KwpTwoMessages",
                   ep::kKwpSlow,
                   0x10,
                   kStoredCodes,
                   "86 F1 10 43 01 33 02 34 03 45 F3 \r86 F1 10 43 04 56 00 00 00 00 A1 \r\r>",
                   1,
                   {"P0133", "P0234", "P0345", "P0456"}},
        Transcript{"Iso9141",
                   ep::kIso9141,
                   0x10,
                   kPendingCodes,
                   "48 6B 10 47 01 71 01 72 00 00 9E \r\r>",
                   1,
                   {"P0171", "P0172"}},
        Transcript{"J1850",
                   ep::kJ1850Pwm,
                   0x10,
                   kStoredCodes,
                   "41 6B 10 43 03 00 00 00 00 00 F0 \r\r>",
                   1,
                   {"P0300"}},
        Transcript{"CodeLetters",
                   ep::kKwpFast,
                   0x10,
                   kStoredCodes,
                   "86 F1 10 43 C1 23 41 23 81 23 B0 \r\r>",
                   1,
                   {"U0123", "C0123", "B0123"}},
        Transcript{"NoData", ep::kCan11Bit500, 0x7E8, kStoredCodes, "NO DATA\r\r>", 0, {}},
        Transcript{"KwpNoData", ep::kKwpFast, 0x10, kStoredCodes, "NO DATA\r\r>", 0, {}},
        Transcript{
            "UnknownProtocol", 0, 0x7E8, kStoredCodes, "7E8 06 43 02 01 33 02 34 \r\r>", 0, {}},
        Transcript{"CanCutShort",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 06 43 02 01 33 0",
                   1,
                   {"P0133"}},
        Transcript{"CanGarbledCode",
                   ep::kCan11Bit500,
                   0x7E8,
                   kStoredCodes,
                   "7E8 06 43 02 01 33 ZZ 34 \r\r>",
                   1,
                   {"P0133"}}),
    [](const testing::TestParamInfo<Transcript>& info) { return info.param.name; });

TEST(TroubleCodeTextTest, LetterByTheTopBitsThenFourHexDigits) {
  EXPECT_EQ(TroubleCodeText(0x0133), "P0133");
  EXPECT_EQ(TroubleCodeText(0x4123), "C0123");
  EXPECT_EQ(TroubleCodeText(0x8123), "B0123");
  EXPECT_EQ(TroubleCodeText(0xC123), "U0123");
  EXPECT_EQ(TroubleCodeText(0x3FFF), "P3FFF");
  EXPECT_EQ(TroubleCodeText(0xFABC), "U3ABC");
}

TEST(PrintingTest, CodeInRedThenDescriptionsByLanguage) {
  ColouredLines english, polish, polishUCode;
  KodyBledowCyfra(&english, 0x0133, false);
  KodyBledowCyfra(&polish, 0x0133, true);
  KodyBledowCyfra(&polishUCode, 0xC155, true);
  const ColouredLine code{"P0133", LineColour::Red};
  const ColouredLine en{" O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)"};
  const ColouredLine pl{" Obwód sondy lambda - powolna odpowiedź (rząd 1, czujnik 1)"};
  EXPECT_EQ(english, (ColouredLines{code, en}));
  EXPECT_EQ(polish, (ColouredLines{code, en, pl}));
  EXPECT_EQ(polishUCode,
            (ColouredLines{{"U0155", LineColour::Red},
                           {" Lost Communication With Instrument Panel Cluster (IPC) Control "
                            "Module"}}));
  KodyBledowCyfra(nullptr, 0x0133, true);  // no box: nothing happens
}

TEST(PrintingTest, CodeWithoutDescriptionGetsItsCodeLineOnly) {
  ColouredLines box;
  KodyBledowCyfra(&box, 0x1FFF, true);  // P1FFF: manufacturer-specific
  EXPECT_EQ(box, (ColouredLines{{"P1FFF", LineColour::Red}}));
}

TEST(DescriptionTest, FoundOnlyAsALinesCodeAndShownCharacterForCharacter) {
  // The en dash stays itself, not its bytes' values.
  EXPECT_EQ(Description("P0128", DescriptionTable::English),
            " Coolant Thermostat – Coolant Temperature Below Thermostat Regulating Temperature");
  EXPECT_EQ(Description("P0001", DescriptionTable::Polish),
            " Obwód sterowania regulatora ilości paliwa - przerwa");
  EXPECT_EQ(Description("U0155", DescriptionTable::Polish), std::nullopt);
  // Each side's restraints sensors 1 and 2 by their own codes.
  EXPECT_EQ(Description("B0092", DescriptionTable::English), " Left Side Restraints Sensor 2");
  EXPECT_EQ(Description("B0096", DescriptionTable::English), " Right Side Restraints Sensor 1");
  EXPECT_EQ(Description("B0097", DescriptionTable::English), " Right Side Restraints Sensor 2");
  EXPECT_EQ(Description("P013", DescriptionTable::English), std::nullopt);
  EXPECT_EQ(Description("0133", DescriptionTable::English), std::nullopt);
}

// Every table line is "X#### text", the codes unique and ascending; the English table covers
// every letter, the Polish one P codes only.
TEST(DescriptionDataTest, LinesAreCodesAndTextsSortedAndUnique) {
  for (const DescriptionTable table : {DescriptionTable::English, DescriptionTable::Polish}) {
    const std::string_view data =
        table == DescriptionTable::English ? DtcDescriptionsEnglish() : DtcDescriptionsPolish();
    std::istringstream lines{std::string(data)};
    std::string line, previous;
    std::set<char> letters;
    int number = 0;
    while (std::getline(lines, line)) {
      ++number;
      SCOPED_TRACE(line);
      ASSERT_GT(line.size(), 7u);
      EXPECT_NE(std::string_view("PCBU").find(line[0]), std::string_view::npos);
      EXPECT_LE(line[1], '3');
      EXPECT_TRUE(std::all_of(line.begin() + 1, line.begin() + 5, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
      }));
      EXPECT_EQ(line[5], ' ');
      EXPECT_NE(line[6], ' ');
      EXPECT_NE(line.back(), ' ');
      EXPECT_EQ(line.find('\r'), std::string::npos);
      EXPECT_LT(previous, line.substr(0, 5));
      previous = line.substr(0, 5);
      letters.insert(line[0]);
    }
    EXPECT_GT(number, 0);
    const std::set<char> covered = table == DescriptionTable::English
                                       ? std::set<char>{'B', 'C', 'P', 'U'}
                                       : std::set<char>{'P'};
    EXPECT_EQ(letters, covered);
  }
}

TEST(SzukajEcuModeTest, TextAfterTheHeaderAndMode) {
  EXPECT_EQ(SzukajEcuMode("7E8 06 43 02 01 33 \r", ep::kCan11Bit500, 0x7E8, kStoredCodes),
            "06 43 02 01 33 \r");
  EXPECT_EQ(SzukajEcuMode("48 6B 10 43 01 33 \r", ep::kIso9141, 0x10, kStoredCodes), "01 33 \r");
  EXPECT_EQ(SzukajEcuMode("86 F1 10 43 01 33 \r", ep::kKwpFast, 0x10, kPendingCodes), std::nullopt);
  EXPECT_EQ(SzukajEcuMode("7E8 06 47 02 01 33 \r", ep::kCan11Bit500, 0x7E8, kStoredCodes),
            std::nullopt);
  EXPECT_EQ(SzukajEcuMode("7E8", ep::kCan11Bit500, 0x7E8, kStoredCodes), std::nullopt);
}

// What the engine ECU answered to the clearing (mode 04), among the adapter's lines: only its
// own answer counts, and a "response pending" waits for the answer after it.
TEST(ClearingAnswerTest, TheEnginesAnswerAndItsReason) {
  struct Case {
    const char* name;
    int protocol;
    int ecu;
    const char* reply;
    Clearing outcome;
    uint8_t reason;
  };
  const Case cases[] = {
      {"cleared", ep::kCan11Bit500, 0x7E8, "7E8 01 44 \r\r>", Clearing::Cleared, 0},
      {"refused", ep::kCan11Bit500, 0x7E8, "7E8 03 7F 04 22 \r\r>", Clearing::Refused, 0x22},
      {"29-bit", ep::kCan29Bit250, 0x10, "18 DA F1 10 03 7F 04 22 \r>", Clearing::Refused, 0x22},
      {"J1850", ep::kJ1850Vpw, 0x10, "48 6B 10 7F 04 11 1F\r>", Clearing::Refused, 0x11},
      {"KWP", ep::kKwpFast, 0x10, "83 F1 10 44 C8\r>", Clearing::Cleared, 0},
      {"pending, then cleared", ep::kCan11Bit500, 0x7E8, "7E8 03 7F 04 78 \r7E8 01 44 \r>",
       Clearing::Cleared, 0},
      {"pending alone", ep::kCan11Bit500, 0x7E8, "7E8 03 7F 04 78 \r>", Clearing::NoAnswer, 0},
      {"the transmission clears, the engine refuses", ep::kCan11Bit500, 0x7E8,
       "7E9 01 44 \r7E8 03 7F 04 22 \r>", Clearing::Refused, 0x22},
      {"the transmission alone", ep::kCan11Bit500, 0x7E8, "7E9 01 44 \r>", Clearing::NoAnswer, 0},
      {"another service refused", ep::kCan11Bit500, 0x7E8, "7E8 03 7F 01 12 \r>",
       Clearing::NoAnswer, 0},
      {"no data", ep::kCan11Bit500, 0x7E8, "NO DATA\r\r>", Clearing::NoAnswer, 0},
      {"nothing", ep::kIso9141, 0x10, "", Clearing::NoAnswer, 0},
  };
  for (const Case& c : cases) {
    const ClearingAnswer answer = ClearingAnswerOf({c.reply, c.protocol, c.ecu, false});
    EXPECT_EQ(answer.outcome, c.outcome) << c.name;
    EXPECT_EQ(answer.reason, c.reason) << c.name;
  }
}

TEST(ClearingAnswerTest, SaysWhatBecameOfTheClearing) {
  EXPECT_EQ(NegativeResponseMeaning(0x22), "conditions not correct");
  EXPECT_EQ(NegativeResponseMeaning(0x99), "a reason the standard does not name");
  const std::pair<ClearingResult, const char*> cases[] = {
      {{{Clearing::Cleared}, 0}, "trouble codes cleared"},
      {{{Clearing::Cleared}, std::nullopt}, "trouble codes cleared"},
      {{{Clearing::Cleared}, 1},
       "the vehicle acknowledged the clearing but still holds 1 stored trouble code"},
      {{{Clearing::Refused, 0x22}, 3},
       "the vehicle refused to clear its trouble codes: conditions not correct (negative "
       "response 22)"},
      {{{Clearing::NoAnswer}, 3},
       "the vehicle did not answer the clearing; it holds 3 stored trouble codes"},
      {{{Clearing::NoAnswer}, std::nullopt},
       "the vehicle answered neither the clearing nor the read after it"},
  };
  for (const auto& [result, text] : cases) {
    EXPECT_EQ(ClearingText(result), text);
    const ColouredLine line = ClearingLine(result);
    EXPECT_EQ(line.text.substr(1, line.text.find("  /  ") - 1), text);
    EXPECT_EQ(line.colour, result.Cleared() ? LineColour::DarkGreen : LineColour::Red);
  }
}

TEST(CanLogTest, JoinedFramesAndTheCountGoToTheLog) {
  ColouredLines box, log;
  KodyBledowCAN({"7E8 10 08 43 03 C1 55 C1 01 \r7E8 21 C1 21 00 00 00 00 00 \r\r>",
                 ep::kCan11Bit500, 0x7E8, false},
                kStoredCodes, box, log);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], (ColouredLine{"7E8 21 13", LineColour::Green}));
  EXPECT_EQ(log[1],
            (ColouredLine{"3 C1 55 C1 01 C1 21 00 00 00 00 00 \r\r>", LineColour::Magenta}));
}

}  // namespace
}  // namespace obd

namespace {

// The controller's OBD record: byte 11 its kind, byte 12 a count, the entries from byte 13.
std::vector<uint8_t> ModuleRecord(uint8_t kind, std::vector<uint8_t> entries) {
  std::vector<uint8_t> record(36, 0);
  record[11] = kind;
  std::copy(entries.begin(), entries.end(), record.begin() + 12);
  return record;
}

std::vector<std::string> Texts(const obd::ColouredLines& lines) {
  std::vector<std::string> texts;
  for (const obd::ColouredLine& l : lines)
    texts.push_back(l.text);
  return texts;
}

}  // namespace

TEST(ModuleCodesTest, StoredThenPendingCodesOfTheControllersOwnModule) {
  // One pending code (P0300), then two stored ones (P0133, U0101).
  const auto record =
      ModuleRecord(obd::kModuleTroubleCodes, {1, 0x03, 0x00, 2, 0x01, 0x33, 0xC1, 0x01});
  std::vector<std::string> codes;
  for (const obd::ColouredLine& l : obd::ModuleTroubleCodes(record, false))
    if (l.colour == obd::LineColour::Red || l.colour == obd::LineColour::Green)
      codes.push_back(l.text);
  EXPECT_EQ(codes, (std::vector<std::string>{"\tStored Trouble Codes :", "P0133", "U0101",
                                             "\tPending Trouble Codes :", "P0300"}));
  EXPECT_EQ(obd::ModuleTroubleCodes(record, true).front().text,
            "\tStored Trouble Codes  /  Błędy zarejestrowane :");
  // Counts beyond the record list what it holds and no more.
  const obd::ColouredLines overlong =
      obd::ModuleTroubleCodes(ModuleRecord(obd::kModuleTroubleCodes, {200}), false);
  EXPECT_EQ(
      std::count_if(overlong.begin(), overlong.end(),
                    [](const obd::ColouredLine& l) { return l.colour == obd::LineColour::Red; }),
      11);
}

TEST(ModuleCodesTest, FuelFlowFromAirFlowAndEquivalenceRatio) {
  // MAF 14.70 g/s and lambda 1.0: 1 g/s of petrol, 4.8 l/h.
  const auto record = ModuleRecord(obd::kModuleValues, {2, 0x10, 0x05, 0xBE, 0x24, 0x80, 0x00});
  EXPECT_EQ(Texts(obd::ModuleFuelFlow(record, ',')),
            (std::vector<std::string>{"1,00 [g/s]", "4,80 [l/h]"}));
  const auto noRatio = ModuleRecord(obd::kModuleValues, {1, 0x10, 0x05, 0xBE});
  EXPECT_TRUE(obd::ModuleFuelFlow(noRatio, '.').empty());
}
