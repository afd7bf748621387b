#include "scope/ScopeLayout.h"

#include <algorithm>
#include <cstdint>

namespace scope {

namespace {

constexpr int kPlotTop = 40;
constexpr int kDigitalRowHeight = 21;
constexpr int kLegendLine = 16;
constexpr int kLegendAboveBaseline = 9;

// Products of a record index and a pixel count outgrow int on long recordings.
int Scaled(int64_t value, int64_t numerator, int64_t denominator) {
  return static_cast<int>(value * numerator / denominator);
}

}  // namespace

bool PlotFrame::InPlot(int x, int y) const {
  return x > Left() && x < Right() && y > Top() && y < Bottom();
}

bool PlotFrame::InStrip(int x, int y) const {
  return x > Left() && x < Right() && y < Top();
}

int BottomArea(int digitalRows, DisplayKind kind) {
  if (digitalRows <= 0 || kind == DisplayKind::Docked) return 20;
  return 20 + kDigitalRowHeight * digitalRows;
}

Marker WindowMarker(int first, int end, int count, int plotWidth, bool following) {
  if (count <= 10 || following) return {};
  return {true, Scaled(std::max(first, 0), plotWidth, count) + 9,
          std::min(Scaled(end, plotWidth, count), plotWidth) + 11};
}

int StripRecord(int x, int count, int plotWidth) {
  return plotWidth > 0 ? Scaled(count, x, plotWidth) : 0;
}

int EndAfterStripClick(int x, int count, int plotWidth, int first, int end) {
  if (plotWidth <= 0) return end;
  if (first >= 0) {
    const int clicked = Scaled(x, count, plotWidth);
    const int half = (end - first) / 2;
    end = clicked < half ? 2 * half : clicked + half;
  }
  return std::min(end, count);
}

int BandHeight(const PlotFrame& frame, Layout layout, DisplayKind kind, int analogueTraces) {
  const int d = frame.height - frame.bottomArea - 58;
  int band = d;
  if (kind == DisplayKind::Docked)
    band = d / 3;
  else if (layout == Layout::FiveBands)
    band = d / 5;
  else if (layout == Layout::BandPerTrace && analogueTraces > 0)
    band = d / analogueTraces;
  return std::max(band, 1);
}

int FiveBandOf(int definitionIndex) {
  constexpr int kLastOfBand[] = {2, 7, 14, 22};
  int band = 1;
  for (int last : kLastOfBand)
    band += definitionIndex > last;
  return band;
}

std::vector<TracePlace> PlaceTraces(std::span<const int> definitionIndexes, Layout layout,
                                    DisplayKind kind, int bandHeight) {
  std::vector<TracePlace> places;
  places.reserve(definitionIndexes.size());
  int baseline = bandHeight + kPlotTop;
  int labelledInBand[6] = {};
  for (size_t k = 0; k < definitionIndexes.size(); ++k) {
    TracePlace place;
    if (kind == DisplayKind::Docked) {
      // The third and fourth traces share the last band, the third labelled above the fourth.
      place = {baseline, baseline - (k == 2 ? 24 : kLegendAboveBaseline)};
      if (k != 2) baseline += bandHeight;
    } else if (layout == Layout::OneBand) {
      place = {baseline, kLegendLine * static_cast<int>(k) + kPlotTop};
    } else if (layout == Layout::FiveBands) {
      const int band = FiveBandOf(definitionIndexes[k]);
      const int e = bandHeight * band + kPlotTop;
      place = {e, e - kLegendLine * labelledInBand[band]++ - kLegendAboveBaseline};
    } else {
      place = {baseline, baseline - kLegendAboveBaseline};
      baseline += bandHeight;
    }
    places.push_back(place);
  }
  return places;
}

std::vector<int> BandLines(const PlotFrame& frame, int bandHeight) {
  std::vector<int> lines;
  for (int y = bandHeight + kPlotTop; y < frame.Bottom(); y += std::max(bandHeight, 1))
    lines.push_back(y);
  return lines;
}

}  // namespace scope
