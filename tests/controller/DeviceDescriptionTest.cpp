#include <gtest/gtest.h>

#include <string>

#include "controller/Tsterownik.h"
#include "tests/support/SimLink.h"

namespace {

class DeviceDescription : public ::testing::Test {
 protected:
  FakeUi ui;
  FakeClock clock;
  TSterownik link{ui, clock, "no-ftdi-library-here.so"};
};

TEST_F(DeviceDescription, KeptAsTypedUpTo127CharactersAndTheRestCleared) {
  const std::u16string workshop = u"Warsztat Łódź – tel. 600 100 200";
  link.UstawOpis(std::u16string(200, u'x'));
  link.UstawOpis(workshop);
  EXPECT_EQ(link.OpisSterownika(), workshop);  // nothing of the longer text before stays
  link.UstawOpis(std::u16string(130, u'ż'));
  EXPECT_EQ(link.OpisSterownika(), std::u16string(127, u'ż'));
  const auto& image = link.ObrazSterownika();
  EXPECT_EQ(image[img::OpisSterownika + 254], 0);  // always room for the terminator
  link.UstawOpis(u"");
  EXPECT_EQ(link.OpisSterownika(), u"");
}

}  // namespace
