#include "obd/PidDecoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "controller/NumberText.h"

namespace {

// What a numeric type reads from the data.
enum class Source { A, StoredCodes, V, AB, SignedAB };

// value = (source + offset) * multiplier / divisor, shown with the decimals (0: shortest form).
struct NumericType {
  int typ;
  Source source;
  int offset;
  double multiplier;
  double divisor;
  int decimals;
};

constexpr NumericType kNumericTypes[] = {
    {1, Source::StoredCodes, 0, 1, 1, 0}, {2, Source::V, 0, 1, 1, 0},
    {4, Source::A, 0, 100, 255, 1},       {5, Source::A, -40, 1, 1, 0},
    {6, Source::A, -128, 100, 128, 1},    {10, Source::A, 0, 3, 1, 0},
    {11, Source::A, 0, 1, 1, 0},          {12, Source::V, 0, 1, 4, 0},
    {14, Source::A, -128, 1, 2, 0},       {16, Source::V, 0, 1, 100, 0},
    {20, Source::A, 0, 5, 1000, 0},       {31, Source::V, 0, 1, 1, 0},
    {34, Source::V, 0, 0.079, 1, 2},      {35, Source::V, 0, 10, 1, 0},
    {36, Source::AB, 0, 1, 32768, 3},     {52, Source::AB, 0, 1, 32768, 3},
    {50, Source::SignedAB, 0, 1, 4, 0},
};

struct FlagName {
  int flag;
  const char* text;
};

constexpr FlagName kFuelSystemStates[] = {
    {1, "OL"}, {2, "CL"}, {4, "OL Load"}, {8, "OL Fault"}, {16, "CL Error"}};

constexpr FlagName kSecondaryAirStates[] = {{1, "Upstream"},
                                            {2, "Downstream of catalytic converter"},
                                            {4, "From the outside atmosphere or off"},
                                            {8, "Pump commanded on for diagnostics"}};

// By A, from 1; A beyond the list reads "Reserved".
constexpr const char* kObdStandards[] = {
    "OBD-II as defined by the CARB",
    "OBD as defined by the EPA",
    "OBD and OBD-II",
    "OBD-I",
    "Not OBD compliant",
    "EOBD (Europe)",
    "EOBD and OBD-II",
    "EOBD and OBD",
    "EOBD, OBD and OBD II",
    "JOBD (Japan)",
    "JOBD and OBD II",
    "JOBD and EOBD",
    "JOBD, EOBD, and OBD II",
    "Reserved",
    "Reserved",
    "Reserved",
    "Engine Manufacturer Diagnostics (EMD)",
    "Engine Manufacturer Diagnostics Enhanced (EMD+)",
    "Heavy Duty On-Board Diagnostics (Child/Partial) (HD OBD-C)",
    "Heavy Duty On-Board Diagnostics (HD OBD)",
    "World Wide Harmonized OBD (WWH OBD)",
    "Reserved",
    "Heavy Duty Euro OBD Stage I without NOx control (HD EOBD-I)",
    "Heavy Duty Euro OBD Stage I with NOx control (HD EOBD-I N)",
    "Heavy Duty Euro OBD Stage II without NOx control (HD EOBD-II)",
    "Heavy Duty Euro OBD Stage II with NOx control (HD EOBD-II N)",
    "Reserved",
    "Brazil OBD Phase 1 (OBDBr-1)",
    "Brazil OBD Phase 2 (OBDBr-2)",
    "Korean OBD (KOBD)",
    "India OBD I (IOBD I)",
    "India OBD II (IOBD II)",
    "Heavy Duty Euro OBD Stage VI (HD EOBD-IV)",
};

double SourceValue(Source source, const PidReading& r) {
  const int a = r.bytes[0];
  const int ab = a << 8 | r.bytes[1];
  switch (source) {
    case Source::A:
      return a;
    case Source::StoredCodes:
      return a & 0x7F;
    case Source::V:
      return r.V;
    case Source::AB:
      return ab;
    case Source::SignedAB:
      return static_cast<int16_t>(ab);
  }
  return 0;
}

std::string NumericText(const NumericType& type, const PidReading& r, char separator) {
  const double value = (SourceValue(type.source, r) + type.offset) * type.multiplier / type.divisor;
  return FormatNumber(value, type.decimals, separator);
}

template <size_t N>
std::string FlagText(const FlagName (&names)[N], int a) {
  for (const FlagName& name : names)
    if (name.flag == a) return name.text;
  return {};
}

std::string StandardText(int a) {
  if (a < 1 || a > static_cast<int>(std::size(kObdStandards))) return "Reserved";
  return kObdStandards[a - 1];
}

// "B1:n B2:n ..." of the sensor fields of A, lowest bits first.
std::string SensorBanks(int a, int fieldBits, int fields) {
  std::string text;
  for (int i = 0; i < fields; ++i) {
    if (i > 0) text += ' ';
    const int bank = (a >> (i * fieldBits)) & ((1 << fieldBits) - 1);
    text += 'B' + std::to_string(i + 1) + ':' + std::to_string(bank);
  }
  return text;
}

std::string HexText(const PidReading& r, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(r.V));
  return text;
}

}  // namespace

std::string PidValueText(int pid, const PidReading& reading, char decimalSeparator) {
  const PidRecord& record = Pidy()[pid];
  const auto numeric = std::find_if(std::begin(kNumericTypes), std::end(kNumericTypes),
                                    [&](const NumericType& t) { return t.typ == record.Typ; });
  if (numeric != std::end(kNumericTypes)) return NumericText(*numeric, reading, decimalSeparator);
  const int a = reading.bytes[0];
  switch (record.Typ) {
    case 3:
      return FlagText(kFuelSystemStates, a);
    case 18:
      return FlagText(kSecondaryAirStates, a);
    case 19:
      return SensorBanks(a, 4, 2);
    case 28:
      return StandardText(a);
    case 29:
      return SensorBanks(a, 2, 4);
    default:
      return HexText(reading, record.IleBajtow);
  }
}

std::string PidUnitText(int pid) {
  const char* unit = Pidy()[pid].Jednostka;
  return *unit ? "[" + std::string(unit) + "]" : std::string();
}
