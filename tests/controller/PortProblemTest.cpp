#include "controller/PortProblem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "serial/ComPorts.h"
#include "tests/support/FakeUi.h"
#include "tests/support/PtyMaster.h"
#include "tests/support/SimLink.h"

namespace {

constexpr int kNoPermissionText = 6300;
constexpr int kBusyText = 6301;

// The controller link opening a pseudo-terminal the way the connection procedure does, with
// what it tells the installer and writes into the transmission log.
class PortProblemLinkTest : public ::testing::Test {
 protected:
  PortProblemLinkTest() : link(ui, clock, "no-ftdi-library-here.so") {
    Texts().LanguageIndex = 0;
    link.OnTekst = [this](const TSerial*, const std::string& text, uint32_t) {
      log.push_back(text);
    };
    link.PortNumber = ComPortNumber(pty.slavePath());
  }

  std::string Told(int textId) const { return pty.slavePath() + ": " + LangText(textId); }

  PtyMaster pty;
  FakeUi ui;
  FakeClock clock;
  TSterownik link;
  std::vector<std::string> log;
};

TEST_F(PortProblemLinkTest, BusyPortIsToldOnceUntilItOpens) {
  TSerial holder("no-ftdi-library-here.so");
  ASSERT_TRUE(holder.PortOpen(link.PortNumber));

  EXPECT_FALSE(link.OtworzPortComm());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Told(kBusyText));
  EXPECT_EQ(ui.messages[0].flags, mb::kIconExclamation);
  EXPECT_NE(ui.messages[0].text.find("another program"), std::string::npos);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(),
            "Open serial port " + std::to_string(link.PortNumber) + " - Error: " + Told(kBusyText));

  EXPECT_FALSE(link.OtworzPortComm());
  EXPECT_EQ(ui.messages.size(), 1u) << "the supervisor's retry tells nothing new";

  holder.PortClose();
  EXPECT_TRUE(link.OtworzPortComm());
  link.ZamknijPortComm();
  ASSERT_TRUE(holder.PortOpen(-1));
  EXPECT_FALSE(link.OtworzPortComm());
  EXPECT_EQ(ui.messages.size(), 2u) << "busy again after it had opened";
}

TEST_F(PortProblemLinkTest, DeviceTheUserMayNotOpenIsToldWithItsFix) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens a device whatever its permissions";
  ASSERT_EQ(::chmod(pty.slavePath().c_str(), 0), 0);

  EXPECT_FALSE(link.OtworzPortComm());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Told(kNoPermissionText));
  for (const char* fix : {"dialout", "udev"})
    EXPECT_NE(ui.messages[0].text.find(fix), std::string::npos) << fix;
}

TEST_F(PortProblemLinkTest, PortWithoutATellableCauseOnlyLogsTheFailure) {
  link.PortNumber = 1023;  // /dev/pts/722, which no test machine has
  EXPECT_FALSE(link.OtworzPortComm());
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Open serial port 1023 - Error");
}

TEST(PortProblemTextTest, EveryLanguageTellsBothCauses) {
  for (int language = 0; language < 14; ++language)
    for (int id : {kNoPermissionText, kBusyText})
      EXPECT_FALSE(Texts().Text(id, language, false).empty()) << id << " in language " << language;
}

}  // namespace
