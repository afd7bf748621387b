#include "scope/TraceValues.h"

#include <cmath>
#include <string_view>

#include "controller/NumberText.h"
#include "controller/Protocol.h"
#include "controller/StatusDecoding.h"
#include "lang/Langtext.h"

namespace scope {

namespace {

constexpr int kFirstDigitalType = 30;
constexpr int kLastDigitalType = 36;
constexpr int kFirstCylinderTrace = 944;  // *b1, *g1, *b2, ... *g6
constexpr int kLastCylinderTrace = 955;
constexpr size_t kMaxDigitalEvents = 64;
constexpr int kLegendPadding = 26;  // wipes a longer legend drawn before

// A height as a pixel count; far beyond any view for absurd gains or scales, never undefined.
int Truncated(double height) {
  if (!(std::abs(height) < 1e9)) return 0;
  return static_cast<int>(height);
}

// Fuel-trim percent of a byte, 128 (no data) at the middle.
int TrimPercent(int b0) {
  const int b = b0 == 0 ? 128 : b0;
  return (b * 100 - (b >> 7) * 127 - 12673) >> 7;
}

int PidPercent(int b0) {
  return b0 / 2 + (b0 % 2 == 1 && b0 < 128 ? 1 : 0) - 64;
}

double Height(const Wykres& t, int b0, int b1, const uint8_t* settings, int bandHeight) {
  const double gh = t.wzmocnienie * bandHeight;
  switch (t.rodzaj) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
      return gh * ((b0 >> t.rodzaj) & 1);
    case 10:
      return gh * b0 / 256;
    case 11:
      return gh * (b0 + 256 * b1) / 1024;
    case 12:
      if (settings == nullptr) return 0;
      return std::trunc(settings[89] * 0.004 - (settings[90] - 128) * 0.02) * bandHeight *
             t.wzmocnienie / 256;
    case 14:
      return gh * (b0 + 256 * (b1 & 0x0F)) / 1024;
    case 20:
      return gh * (b0 - 128) / 256;
    case 21:
      return gh * (b0 + 256 * b1 - 273) / 1024;
    case 22:
      return gh * TrimPercent(b0) / 100;
    case 23:
      return (b0 & 0x12) ? gh * 0.5 : 0;
    case 24:
      return gh * (b0 - 40) / 100;
    case 25:
      return gh * PidPercent(b0) / 100;
    case 26:
      if (t.skala == 0) return 0;
      return std::trunc((b0 + 256 * b1) * 3 + 7.35 / t.skala) * bandHeight * t.wzmocnienie / 4096;
    default:
      return 0;
  }
}

bool IsCylinderTrace(const Wykres& trace) {
  return trace.nazwa >= kFirstCylinderTrace && trace.nazwa <= kLastCylinderTrace;
}

// The legend's short names: the readings' names 1400..1464 and the OBD PIDs' names 800..880
// each have their short form at the next id.
int ShortNameId(int nameId) {
  const bool hasShortForm = (nameId >= 1400 && nameId <= 1464) || (nameId >= 800 && nameId <= 880);
  return hasShortForm ? nameId + 1 : nameId;
}

std::string LegendValue(const Wykres& trace, std::span<const uint8_t> record,
                        const uint8_t* settings, char decimalSeparator) {
  const RawValue raw = DecodeRawValue(trace, record, settings);
  if (!raw.present) return {};
  if (trace.rodzaj == 23)  // the fuel-system state, nothing when unknown
    return raw.text == std::string_view("-") ? "" : std::string(" ") + raw.text;
  if (!raw.numeric) return raw.text;
  if (trace.miejsca < 0 || trace.miejsca > 3) return {};
  return FormatNumber(ScaledValue(trace, raw.number), trace.miejsca, decimalSeparator);
}

}  // namespace

int ValueHeight(const Wykres& trace, int b0, int b1, const uint8_t* settings, int bandHeight) {
  return Truncated(Height(trace, b0, b1, settings, bandHeight));
}

int TraceHeight(const Wykres& trace, std::span<const uint8_t> record, const uint8_t* settings,
                int bandHeight) {
  const int bytes = ValueBytes(trace.rodzaj);
  const size_t at = static_cast<size_t>(trace.przesuniecie);
  if (record.empty() || trace.przesuniecie < 0 || at + bytes > record.size()) return 0;
  const int b0 = bytes > 0 ? record[at] : 0;
  const int b1 = bytes > 1 ? record[at + 1] : 0;
  return ValueHeight(trace, b0, b1, settings, bandHeight);
}

std::string TraceName(const Wykres& trace) {
  if (!IsCylinderTrace(trace)) return LangText(ShortNameId(trace.nazwa));
  const int channel = (trace.nazwa - kFirstCylinderTrace) / 2;
  const bool petrol = trace.nazwa % 2 == 0;
  return " *" + LangText((petrol ? 1501 : 1601) + channel);  // "P 1" ... / "G 1" ...
}

std::string ChannelListName(const Wykres& trace) {
  return IsCylinderTrace(trace) ? TraceName(trace) : " " + LangText(trace.nazwa);
}

std::string LegendText(const Wykres& trace, std::span<const uint8_t> record,
                       const uint8_t* settings, char decimalSeparator) {
  std::string text = TraceName(trace);
  if (!record.empty()) text += "=" + LegendValue(trace, record, settings, decimalSeparator);
  text.append(kLegendPadding, ' ');
  return text;
}

std::vector<DigitalEvent> DigitalEvents(std::span<const uint8_t> record) {
  using status_frame::kLongRecord;
  using status_frame::kShortRecord;
  std::vector<DigitalEvent> events;
  if (record.size() < kLongRecord) return events;
  // Byte 2 counts the frame's payload in 16-bit words; the samples are what lies beyond 128.
  const int sampleBytes = record[2] * 2 - kShortRecord;
  DigitalEvent state;
  for (int j = 0; j < sampleBytes && events.size() < kMaxDigitalEvents; j += 3) {
    const size_t at = kShortRecord + static_cast<size_t>(j);
    if (at + 2 >= record.size()) break;
    const uint8_t change = record[at];
    (change & 0x80 ? state.b : state.a) = change;
    state.time = record[at + 1] + 256 * record[at + 2];
    events.push_back(state);
  }
  return events;
}

int DigitalLevel(const Wykres& trace, const DigitalEvent& event) {
  if (!IsDigital(trace)) return 0;
  const uint8_t states = trace.przesuniecie != 0 ? event.b : event.a;
  return (states >> (trace.rodzaj - kFirstDigitalType)) & 1;
}

bool IsDigital(const Wykres& trace) {
  return trace.rodzaj >= kFirstDigitalType && trace.rodzaj <= kLastDigitalType;
}

}  // namespace scope
