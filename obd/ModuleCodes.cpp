#include "obd/ModuleCodes.h"

#include <cstdio>
#include <string>

namespace obd {

namespace {

// Places in the record: its count byte, and where the entries begin.
constexpr size_t kCount = 12;
constexpr size_t kEntries = 13;
constexpr double kStoichiometric = 1 / 14.7;
constexpr double kPetrolKgPerLitre = 0.75;

std::string Numbered(double value, char separator) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string s = text;
  for (char& c : s)
    if (c == '.') c = separator;
  return s;
}

// `count` codes from `at` on, as far as the record holds them.
void ListCodes(std::span<const uint8_t> record, size_t at, size_t count, bool polish,
               ColouredLines& box) {
  for (size_t i = 0; i < count && at + 2 * i + 1 < record.size(); ++i)
    KodyBledowCyfra(&box, static_cast<uint16_t>(record[at + 2 * i] << 8 | record[at + 2 * i + 1]),
                    polish);
}

}  // namespace

ColouredLines ModuleTroubleCodes(std::span<const uint8_t> record, bool polish) {
  ColouredLines box;
  if (record.size() <= kEntries) return box;
  const size_t pending = record[kCount];
  const size_t storedCount = kEntries + 2 * pending;
  const size_t stored = storedCount < record.size() ? record[storedCount] : 0;
  box.push_back({polish ? std::string(Heading(kStoredCodes)) : "\tStored Trouble Codes :",
                 LineColour::Green});
  ListCodes(record, storedCount + 1, stored, polish, box);
  box.push_back({polish ? std::string(Heading(kPendingCodes)) : "\tPending Trouble Codes :",
                 LineColour::Green});
  ListCodes(record, kEntries, pending, polish, box);
  return box;
}

ColouredLines ModuleFuelFlow(std::span<const uint8_t> record, char decimalSeparator) {
  if (record.size() <= kCount) return {};
  double airFlow = 0, ratio = 0;
  const size_t entries = record[kCount];
  for (size_t i = 0; i < entries && kEntries + 3 * i + 2 < record.size(); ++i) {
    const uint8_t pid = record[kEntries + 3 * i];
    const int value = record[kEntries + 3 * i + 1] << 8 | record[kEntries + 3 * i + 2];
    if (pid == 0x10) airFlow = value * 0.01;
    if ((pid >= 0x24 && pid <= 0x2B) || (pid >= 0x34 && pid <= 0x3B)) ratio = value / 32768.0;
  }
  if (airFlow <= 0 || ratio <= 0) return {};
  const double fuel = airFlow * ratio * kStoichiometric;
  const double litresPerHour = fuel * 3600 * 0.001 / kPetrolKgPerLitre;
  return {{Numbered(fuel, decimalSeparator) + " [g/s]"},
          {Numbered(litresPerHour, decimalSeparator) + " [l/h]"}};
}

}  // namespace obd
