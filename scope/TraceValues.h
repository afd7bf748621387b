#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "controller/Wykres.h"
#include "scope/Records.h"

// What a trace shows of a record: its height in a band, its legend text, and the steps of the
// fast digital samples that long records carry.
namespace scope {

// The trace's height in pixels for a band bandHeight high (gain and value type as the
// definition says), truncated toward zero; 0 when the record lacks its bytes.
int TraceHeight(const Wykres& trace, std::span<const uint8_t> record, const uint8_t* settings,
                int bandHeight);
// The same for the value's bytes b0 and b1 (b1 read only by the 16-bit types).
int ValueHeight(const Wykres& trace, int b0, int b1, const uint8_t* settings, int bandHeight);

// The trace's name as the scope's legend shows it: the short forms of the readings' names,
// " *P 1", " *G 1", ... for the per-cylinder traces.
std::string TraceName(const Wykres& trace);
// The trace's row in the scope's channel list: a blank and the full name; the per-cylinder
// traces as the legend names them.
std::string ChannelListName(const Wykres& trace);
// The legend: the name, then "=" and the value at the record when there is one.
std::string LegendText(const Wykres& trace, std::span<const uint8_t> record,
                       const uint8_t* settings, char decimalSeparator);

// One pixel column of a trace: the highest and lowest height of the records that fall on it
// (the same for a single record).
struct TraceColumn {
  int x = 0;  // plot column, 1 .. plotWidth - 1
  int high = 0;
  int low = 0;
};
// The trace across the plot: one column per record when records are wider than a pixel or
// the view follows the newest record, min/max envelopes per column when many records share one.
std::vector<TraceColumn> TraceColumns(const RecordSpan& records, const Wykres& trace,
                                      const uint8_t* settings, int bandHeight, int first,
                                      double rate, int plotWidth, bool following);

// Envelope columns reach to their neighbour's span, so that the trace reads as one line where
// the value steps between columns.
void JoinColumns(std::vector<TraceColumn>& columns);

// A change of the fast digital inputs in a long record: its time stamp and the two states.
struct DigitalEvent {
  int time = 0;
  uint8_t a = 0;  // events with bit 7 clear
  uint8_t b = 0;  // events with bit 7 set
};
// At most 64 events of a 256-byte record; none for a short one.
std::vector<DigitalEvent> DigitalEvents(std::span<const uint8_t> record);
// The trace's level (0 or 1) in an event: its bit of state B when przesuniecie is not 0, else A.
int DigitalLevel(const Wykres& trace, const DigitalEvent& event);
// Digital traces are the definitions of value types 30..36.
bool IsDigital(const Wykres& trace);

}  // namespace scope
