#include "scope/TimeBase.h"

#include <algorithm>
#include <array>

#include "controller/NumberText.h"

namespace scope {

namespace {

constexpr std::array<double, kTimeBases> kRecordsPerPixel = {0.1, 0.2, 0.4, 1, 2, 4, 10, 20, 40};
constexpr int kPlotLeft = 10;

}  // namespace

double RecordsPerPixel(int timeBase) {
  return kRecordsPerPixel[static_cast<size_t>(std::clamp(timeBase, 0, kTimeBases - 1))];
}

std::string SecondsPerDivisionText(int timeBase, char decimalSeparator) {
  return FormatNumber(kGridStep * kSecondsPerRecord * RecordsPerPixel(timeBase), 0,
                      decimalSeparator);
}

int FirstRecordShown(int end, int plotWidth, double rate) {
  return static_cast<int>(end - plotWidth * rate);
}

int RecordAtX(int viewX, int first, double rate) {
  return static_cast<int>((viewX - kPlotLeft) * rate) + first;
}

int EndAfterRateChange(int end, int pixelsFromRight, double oldRate, double newRate) {
  return static_cast<int>(end + pixelsFromRight * newRate - pixelsFromRight * oldRate);
}

std::string RecordTimeText(int record, char decimalSeparator) {
  return FormatNumber(record * kSecondsPerRecord, 1, decimalSeparator);
}

}  // namespace scope
