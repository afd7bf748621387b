// The identification exchange against simulated controllers in their special states.

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/SimLink.h"

namespace {

sim::Identity WithChange(int family, void (*change)(sim::Identity&)) {
  sim::Identity id = sim::DefaultIdentity(family);
  change(id);
  return id;
}

bool OnlyIdentificationAsked(const std::vector<uint8_t>& codes) {
  return std::all_of(codes.begin(), codes.end(), [](uint8_t c) { return c == 0x81; });
}

TEST(IdentificationTest, AnotherMakersControllerIsAskedForeverWithoutCountingAsAnswered) {
  SimLink s(WithChange(2, [](sim::Identity& id) { id.maker = 0; }));
  ASSERT_TRUE(s.Open());
  for (int i = 0; i < 30; ++i)
    s.Tick();
  EXPECT_TRUE(OnlyIdentificationAsked(s.controller.lastRequestCodes));
  EXPECT_GT(s.link.LiczDoBrakuPolaczenia(), 8);
  EXPECT_EQ(s.link.Model(), Family::Unknown);
  EXPECT_EQ(s.link.LicznikTur(), 0) << "no live polls before the maker is confirmed";
}

TEST(IdentificationTest, PasswordLockedControllerShowsTheMessageAndIsNotRead) {
  SimLink s(5);
  s.controller.password.assign(256, 0x42);
  Texts().LanguageIndex = 0;
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.link.StanIdent() == 2; }));
  for (int i = 0; i < 10; ++i)
    s.Tick();
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text, "The driver password protected.");
  EXPECT_EQ(s.link.FlagiCzytania(), 0u);
  for (uint8_t code : s.controller.lastRequestCodes)
    EXPECT_TRUE(code == 0x81 || (code & 0xF0) == 0x90) << int(code);
  EXPECT_EQ(s.link.Model(), Family::Fortix) << "the lists are built as usual";
}

TEST(IdentificationTest, WorkshopPasswordRecordUnlocksTheController) {
  SimLink s(255);
  s.controller.password.assign(256, 0x42);
  std::fill_n(&LinkTestAccess::ObrazSterownika(s.link)[img::RekordHasla], 512, 0x42);
  ASSERT_TRUE(s.Open());
  s.Tick();
  ASSERT_EQ(s.controller.lastRequest[3], 0x81);
  EXPECT_EQ(s.controller.lastRequest.size(), 4u + 258u) << "the record instead of 0x10, 0x00";
  EXPECT_EQ(LinkTestAccess::PrzerwaNadawania(s.link), 2);
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  EXPECT_EQ(s.link.StanIdent(), 0);
  EXPECT_TRUE(s.ui.messages.empty());
}

TEST(IdentificationTest, ControllerInItsBootloaderReportsDamagedSoftware) {
  SimLink s(2);
  s.controller.state = sim::State::kBootloader;
  Texts().LanguageIndex = 0;
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.link.StanIdent() == 1; }));
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text, LangText(1365) + "\n" + LangText(6160))
      << "the way back is named with the fault";
  EXPECT_EQ(s.ui.messages[0].flags, 16);
  EXPECT_EQ(s.link.IleWtryskiwaczy(), 4);
  EXPECT_EQ(s.link.StrWersjaCyframi(0x01), "") << "no version text without a program";
}

TEST(IdentificationTest, FirmwareNeedingANewerProgramIsToldButStillRead) {
  SimLink s(WithChange(6, [](sim::Identity& id) { id.requiredLevel = 17; }));
  Texts().LanguageIndex = 0;
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.ReadOutDone(); }));
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text, LangText(1363) + "\n" + LangText(1364));
  EXPECT_EQ(s.link.Model(), Family::Lumo);
}

TEST(IdentificationTest, UnknownFamilyIsToldAndNothingIsRead) {
  SimLink s(WithChange(2, [](sim::Identity& id) { id.family = 7; }));
  ASSERT_TRUE(s.Open());
  for (int i = 0; i < 12; ++i)
    s.Tick();
  EXPECT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.link.Model(), Family::Unknown);
  EXPECT_EQ(s.link.FlagiCzytania(), 0u);
  for (const auto& e : s.events)
    EXPECT_FALSE(e.kind == EventKind::ReplyAccepted && e.code == 0x81) << "not accepted";
}

// An identification reply that cannot be an identity is refused with its reason, and asked
// for again.
TEST(IdentificationTest, ReplyOfTheWrongLengthIsRefusedWithItsReason) {
  struct Case {
    size_t payload;
    IdentificationRefusal refusal;
  };
  const Case cases[] = {{124, IdentificationRefusal::TooLong},
                        {30, IdentificationRefusal::TooShort},
                        {96, IdentificationRefusal::None}};
  for (const Case& c : cases) {
    SimLink s(2);
    ASSERT_TRUE(s.Open());
    s.controller.silent = true;
    s.Tick();
    std::vector<uint8_t> payload(std::max<size_t>(c.payload, 42 - 4 + 1), 0);
    payload[40 - 4] = 1;  // the maker and the family, where the reply reaches them
    payload[42 - 4] = 2;
    payload.resize(c.payload);
    s.Inject(ReplyFrame(0x81, payload, ramka::kReplyStart));
    s.link.OdbiorRx();
    SCOPED_TRACE(c.payload);
    EXPECT_EQ(s.link.LastIdentificationRefusal(), c.refusal);
    EXPECT_EQ(s.link.Model() != Family::Unknown, c.refusal == IdentificationRefusal::None);
    if (c.refusal != IdentificationRefusal::None) {
      EXPECT_EQ(s.link.FlagiRozkazow(), CommandBit::Identify);
      EXPECT_TRUE(
          s.Logged("  zła długość odpowiedzi identyfikacji: " + std::to_string(4 + c.payload)));
    }
  }
}

TEST(IdentificationTest, IdentityIsLoggedInGreen) {
  SimLink s(255);
  ASSERT_TRUE(s.Open());
  ASSERT_TRUE(s.TickUntil([&] { return s.Identified(); }));
  int green = 0;
  for (const auto& l : s.log)
    green += l.colour == log_colour::kGreen && l.text.rfind("  ", 0) == 0;
  EXPECT_EQ(green, 6);
  EXPECT_TRUE(
      s.Logged("  Plytka     : 09 0D 01 01 FF 06 01 02  // wyrob --- firma montaz  schemat "
               "ilewtr wersja rewizja"));
}

}  // namespace
