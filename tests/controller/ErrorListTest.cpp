// The controller's error list from its reply: current and stored faults, the KAVI firing order,
// and only the bytes the reply carried.

#include "controller/ErrorList.h"

#include <gtest/gtest.h>

#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

namespace {

TEST(ErrorListTest, CurrentAndStoredFaults) {
  OfflineLink offline;
  TSterownik& link = offline.link;
  Texts().LanguageIndex = 0;
  LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 2;
  uint8_t frame[80] = {};
  frame[6] = 0x10;   // 1906
  frame[7] = 0x80;   // System Error
  frame[8] = 0x01;   // 1921, green
  frame[10] = 0x04;  // gas injector 3
  frame[28] = 5;     // System Error counted five times
  frame[13] = 2;     // 1901 twice
  frame[47] = 1;     // 1940, injector 3
  std::vector<ListLine> lines = ErrorListLines(frame, link);
  ASSERT_EQ(lines.size(), 5u) << "no stored section while the controller does not keep it";
  EXPECT_EQ(lines[0].text, "\tCurrent:");
  EXPECT_EQ(lines[0].size, 10);
  EXPECT_EQ(lines[1].text, LangText(1906));
  EXPECT_EQ(lines[1].colour, 255u);
  EXPECT_EQ(lines[2].text, "System Error");
  EXPECT_EQ(lines[3].colour, 32768u);
  EXPECT_EQ(lines[4].text, LangText(1940) + " 3");

  LinkTestAccess::StanSilnika(link) = 0x10;
  lines = ErrorListLines(frame, link);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[6].text, "\tStored:");
  EXPECT_EQ(lines[7].text, "2 x " + LangText(1901));
  EXPECT_EQ(lines[8].text, "5 x System Error");
  EXPECT_EQ(lines[9].text, "1 x " + LangText(1940) + " 3");
}

// A KAVI controller of model 9 with the given number of injectors.
class KaviErrorListTest : public ::testing::Test {
 protected:
  void Injectors(int count) {
    Texts().LanguageIndex = 0;
    LinkTestAccess::ObrazSterownika(link)[img::Schemat] = 255;
    LinkTestAccess::ObrazSterownika(link)[img::Wyrob] = 9;
    LinkTestAccess::IleWtryskiwaczy(link) = count;
  }
  OfflineLink offline;
  TSterownik& link = offline.link;
};

TEST_F(KaviErrorListTest, FiringOrder) {
  Injectors(4);
  uint8_t frame[80] = {};
  const uint8_t detected[4] = {0, 1, 3, 2};  // expected 0, 2, 3, 1
  std::copy(detected, detected + 4, frame + 70);
  const auto lines = ErrorListLines(frame, link);
  EXPECT_EQ(lines.back().text, "Ignition order error 1-2-4-3");
  frame[72] = 0;  // not complete
  EXPECT_EQ(ErrorListLines(frame, link).size(), 1u);
}

// A reply too short to hold the whole firing order shows none, whatever came before it.
TEST_F(KaviErrorListTest, ShortReplyShowsOnlyWhatArrived) {
  Injectors(6);
  std::vector<uint8_t> reply(76, 0);
  const uint8_t detected[6] = {0, 9, 9, 9, 9, 9};  // all wrong
  std::copy(detected, detected + 6, reply.begin() + 70);
  EXPECT_EQ(ErrorListLines(reply, link).back().text, "Ignition order error 1-10-10-10-10-10");
  const std::span<const uint8_t> shorter(reply.data(), 72);
  EXPECT_EQ(ErrorListLines(shorter, link).size(), 1u) << "two of six cylinders: incomplete";
  reply[10] = 0x01;
  EXPECT_EQ(ErrorListLines(std::span<const uint8_t>(reply.data(), 10), link).size(), 1u)
      << "byte 10 did not arrive";
}

}  // namespace
