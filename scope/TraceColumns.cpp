// A trace across the plot: the records' heights reduced to one column per pixel.

#include <algorithm>
#include <array>
#include <climits>

#include "controller/StatusDecoding.h"
#include "scope/TraceValues.h"

namespace scope {

namespace {

// The highest and lowest height of one trace over runs of records, read straight from the
// recording: a zoomed-out repaint visits every record of the window for every trace.
class EnvelopeReader {
 public:
  EnvelopeReader(const RecordSpan& records, const Wykres& trace, const uint8_t* settings,
                 int bandHeight)
      : records_(records),
        trace_(trace),
        settings_(settings),
        bandHeight_(bandHeight),
        bytes_(ValueBytes(trace.rodzaj)) {
    if (records.size > 0)
      count_ = static_cast<int>(
          std::min<size_t>(static_cast<size_t>(std::max(records.count, 0)),
                           records.bytes.size() / static_cast<size_t>(records.size)));
    readable_ = trace.przesuniecie >= 0 && trace.przesuniecie + bytes_ <= records.size;
    if (trace.rodzaj == 14) highByteMask_ = 0x0F;  // a 12-bit value
    if (bytes_ == 1)
      for (int b = 0; b < 256; ++b)
        oneByteHeights_[static_cast<size_t>(b)] = ValueHeight(trace, b, 0, settings, bandHeight);
  }

  // Records from .. to - 1; those outside the recording lie at 0.
  void Extremes(int from, int to, TraceColumn& column) const {
    column.high = INT_MIN;
    column.low = INT_MAX;
    const int inFrom = std::max(from, 0), inTo = std::min(to, count_);
    if (from < inFrom || inTo < to) Take(0, column);
    if (inFrom >= inTo) return;
    if (!readable_) {
      Take(0, column);
      return;
    }
    if (bytes_ == 0) {  // a value of the settings, the same for every record
      Take(ValueHeight(trace_, 0, 0, settings_, bandHeight_), column);
      return;
    }
    const size_t step = static_cast<size_t>(records_.size);
    const uint8_t* value = records_.bytes.data() + static_cast<size_t>(inFrom) * step +
                           static_cast<size_t>(trace_.przesuniecie);
    if (bytes_ == 1) {
      for (int r = inFrom; r < inTo; ++r, value += step)
        Take(oneByteHeights_[*value], column);
      return;
    }
    // A 16-bit value's height only grows (or, with a negative gain, only falls) with the
    // value, so the extreme values give the extreme heights.
    int lowest = INT_MAX, highest = INT_MIN;
    for (int r = inFrom; r < inTo; ++r, value += step) {
      const int v = value[0] | (value[1] & highByteMask_) << 8;
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
    Take(ValueHeight(trace_, lowest & 0xFF, lowest >> 8, settings_, bandHeight_), column);
    Take(ValueHeight(trace_, highest & 0xFF, highest >> 8, settings_, bandHeight_), column);
  }

 private:
  static void Take(int height, TraceColumn& column) {
    column.high = std::max(column.high, height);
    column.low = std::min(column.low, height);
  }

  const RecordSpan& records_;
  const Wykres& trace_;
  const uint8_t* settings_;
  int bandHeight_;
  int bytes_;
  int count_ = 0;
  bool readable_ = false;
  int highByteMask_ = 0xFF;
  std::array<int, 256> oneByteHeights_{};
};

}  // namespace

std::vector<TraceColumn> TraceColumns(const RecordSpan& records, const Wykres& trace,
                                      const uint8_t* settings, int bandHeight, int first,
                                      double rate, int plotWidth, bool following) {
  std::vector<TraceColumn> columns;
  if (plotWidth < 2 || !(rate > 0)) return columns;
  columns.reserve(static_cast<size_t>(plotWidth));
  if (rate <= 1 || following) {
    for (int x = 1; x < plotWidth; ++x) {
      const int h =
          TraceHeight(trace, records.At(static_cast<int>(rate * x + first)), settings, bandHeight);
      columns.push_back({x, h, h});
      // A record wider than a pixel is one segment across its pixels.
      if (rate < 1) x = static_cast<int>(x + 1 / rate - 1);
    }
    return columns;
  }
  const EnvelopeReader reader(records, trace, settings, bandHeight);
  for (int x = 1; x < plotWidth; ++x) {
    // The records from int(x * rate) while below (x + 1) * rate.
    const int from = static_cast<int>(x * rate);
    int to = from + 1;
    while (to < rate + x * rate)
      ++to;
    TraceColumn column{x, 0, 0};
    reader.Extremes(from + first, to + first, column);
    columns.push_back(column);
  }
  return columns;
}

void JoinColumns(std::vector<TraceColumn>& columns) {
  for (size_t i = 1; i < columns.size(); ++i) {
    const TraceColumn previous = columns[i - 1];
    TraceColumn& c = columns[i];
    if (c.low > previous.high) c.low = previous.high;
    if (c.high < previous.low) c.high = previous.low;
  }
}

}  // namespace scope
