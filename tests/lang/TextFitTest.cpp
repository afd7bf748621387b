#include "lang/TextFit.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// Half the font size for each narrow character, the whole size for a wide (CJK) one: enough of
// a real face to tell what fits.
double Width(std::string_view text, int size) {
  double units = 0;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    units += length == 3 && lead >= 0xE3 ? 2 : 1;  // Hangul and CJK ideographs are wide
    i += length;
  }
  return units * size / 2.0;
}

TEST(TextFitTest, ShowsTheWholeNumberOrMarksThatItDoesNotFit) {
  const struct {
    std::string_view what, value, unit;
    double room;
    FontSizes sizes;
    FittedText fitted;
  } cases[] = {
      {"fits at the largest", "5", " s", 100, {12, 7}, {12, "5", " s", true}},
      {"a room exactly as wide", "10", "", 12, {12, 7}, {12, "10", "", true}},
      {"shrinks to keep the unit", "10000", " rpm", 40, {12, 7}, {8, "10000", " rpm", true}},
      {"drops the unit before a digit", "10000", " obr/min", 20, {12, 7}, {8, "10000", "", true}},
      {"decimal comma kept whole", "0,60", " bar", 16, {8, 7}, {8, "0,60", "", true}},
      {"negative keeps its sign", "-12,5", " %", 20, {12, 7}, {8, "-12,5", "", true}},
      {"negative with its unit", "-12,5", " %", 30, {12, 7}, {8, "-12,5", " %", true}},
      {"marked below the smallest", "10000", " rpm", 10, {12, 7}, {7, "\u2026", "", false}},
      {"wide unit measured wide",
       "2,5",
       " \xEC\xB4\x88",
       24,
       {12, 7},
       {8, "2,5", " \xEC\xB4\x88", true}},
      {"wide value marked", "\xEC\x9E\x90\xEB\x8F\x99", "", 10, {12, 7}, {7, "\u2026", "", false}},
      {"a floor above the largest", "7", "", 2, {6, 9}, {6, "\u2026", "", false}},
  };
  for (const auto& c : cases) {
    const FittedText fitted = FitText(c.value, c.unit, c.room, c.sizes, Width);
    EXPECT_EQ(fitted.size, c.fitted.size) << c.what;
    EXPECT_EQ(fitted.value, c.fitted.value) << c.what;
    EXPECT_EQ(fitted.unit, c.fitted.unit) << c.what;
    EXPECT_EQ(fitted.whole, c.fitted.whole) << c.what;
  }
}

// The value and its unit are often drawn in two faces; each is measured in its own.
TEST(TextFitTest, MeasuresTheUnitInItsOwnFace) {
  const auto bold = [](std::string_view text, int size) { return 2 * Width(text, size); };
  // "300" in bold is 3 sizes wide and " C" in the normal face 1: 32 holds both at 8, but not
  // at 7 were the unit measured bold too.
  const FittedText fitted = FitText("300", " C", 32, {12, 7}, bold, Width);
  EXPECT_EQ(fitted.size, 8);
  EXPECT_EQ(fitted.unit, " C");
}

}  // namespace
