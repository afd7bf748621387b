#pragma once

#include <string>

// The scope's time bases and the arithmetic of the record window they show. Every record
// counts as 0.1 s; a grid division is 50 pixels.
namespace scope {

inline constexpr int kTimeBases = 9;
inline constexpr int kDefaultTimeBase = 3;
inline constexpr double kSecondsPerRecord = 0.1;
inline constexpr int kGridStep = 50;

// Records per pixel of time base 0..8: 0.1, 0.2, 0.4, 1, 2, 4, 10, 20, 40.
double RecordsPerPixel(int timeBase);
// 5 x records per pixel, in its shortest decimal form ("0.5", "5", "200").
std::string SecondsPerDivisionText(int timeBase, char decimalSeparator);
// The record at the left edge of a plot plotWidth pixels wide whose right edge shows `end`.
int FirstRecordShown(int end, int plotWidth, double rate);
// The record under view x of a plot whose left edge shows `first` (the measuring cursor's).
int RecordAtX(int viewX, int first, double rate);
// The right-edge record after the rate changes, keeping the record `pixelsFromRight` pixels
// left of the right edge where it was.
int EndAfterRateChange(int end, int pixelsFromRight, double oldRate, double newRate);
// A record index as seconds: "12.3" (then " [s]" or " [sec]" as the caller adds).
std::string RecordTimeText(int record, char decimalSeparator);

}  // namespace scope
