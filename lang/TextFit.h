#pragma once

#include <functional>
#include <string>
#include <string_view>

// How a value's text goes into a box. A number cut short reads as another number (10000 cut
// to 1000), and an installer who trusts the screen sets the car up wrongly; so a value is shown
// whole, or only its number without the unit, or a mark that it does not fit, never part of it.

// The mark drawn in place of a value that does not fit even at the smallest font.
inline constexpr std::string_view kDoesNotFit = "\u2026";

// The font sizes a view allows, from its largest down to the smallest that stays readable.
struct FontSizes {
  int largest = 8;
  int smallest = 7;
};

// The width in pixels of a text at a font size; the views measure with their fonts.
using MeasureText = std::function<double(std::string_view text, int size)>;

struct FittedText {
  int size = 0;        // the font size to draw at
  std::string value;   // the value as held, or kDoesNotFit
  std::string unit;    // the unit drawn after it; empty when it was dropped
  bool whole = false;  // the number is drawn in full (its unit may still be dropped)
};

// The largest size at which value and unit fit `room` together; else the largest at which the
// value alone fits; else the mark at the smallest size. `unit` is drawn as given, its separator
// included (" bar"), and measured with `unitWidth` (a unit is often drawn in a lighter face).
FittedText FitText(std::string_view value, std::string_view unit, double room, FontSizes sizes,
                   const MeasureText& valueWidth, const MeasureText& unitWidth);
FittedText FitText(std::string_view value, std::string_view unit, double room, FontSizes sizes,
                   const MeasureText& width);
