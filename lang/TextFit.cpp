#include "lang/TextFit.h"

#include <algorithm>

namespace {

// The first size from the largest down to the smallest at which `fits` holds; 0 when none.
int LargestFitting(FontSizes sizes, const std::function<bool(int size)>& fits) {
  for (int size = sizes.largest; size >= sizes.smallest; --size)
    if (fits(size)) return size;
  return 0;
}

}  // namespace

FittedText FitText(std::string_view value, std::string_view unit, double room, FontSizes sizes,
                   const MeasureText& valueWidth, const MeasureText& unitWidth) {
  sizes.smallest = std::min(sizes.smallest, sizes.largest);
  const int withUnit = LargestFitting(sizes, [&](int size) {
    return valueWidth(value, size) + (unit.empty() ? 0.0 : unitWidth(unit, size)) <= room;
  });
  if (withUnit > 0) return {withUnit, std::string(value), std::string(unit), true};
  const int alone =
      LargestFitting(sizes, [&](int size) { return valueWidth(value, size) <= room; });
  if (alone > 0) return {alone, std::string(value), {}, true};
  return {sizes.smallest, std::string(kDoesNotFit), {}, false};
}

FittedText FitText(std::string_view value, std::string_view unit, double room, FontSizes sizes,
                   const MeasureText& width) {
  return FitText(value, unit, room, sizes, width, width);
}
