// The service reminder the controller keeps in its hidden settings, and the erase of its
// emergency-start counter.

#include <algorithm>

#include "controller/ServiceSettings.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kIntervalItems = 26;
constexpr int kKmPerItem = 1000;
// The interval is given in km, the controller counts gas hours.
constexpr int kKmPerGasHour = 50;
constexpr int kHalfHourSeconds = 1800;
constexpr int kLargestDueHours = 0xFFFF;

}  // namespace

bool TSterownik::ServiceReminder() const {
  return Nastawy()[service_setting::Reminder] & service_setting::kReminderOn;
}

bool TSterownik::GasBlockWhenDue() const {
  return Nastawy()[service_setting::Reminder] & service_setting::kGasBlockWhenDue;
}

void TSterownik::SetServiceReminder(bool reminder, bool gasBlock) {
  uint8_t& bits = NastawyDoZapisu()[service_setting::Reminder];
  for (const auto& [bit, on] : {std::pair{service_setting::kReminderOn, reminder},
                                std::pair{service_setting::kGasBlockWhenDue, gasBlock}}) {
    if (((bits & bit) != 0) == on) continue;
    bits = static_cast<uint8_t>(on ? bits | bit : bits & ~bit);
    ZapiszDoSterownika(AreaBit::Settings);
  }
}

std::vector<std::string> TSterownik::ServiceIntervalItems() {
  std::vector<std::string> items{"- "};
  for (int n = 1; n < kIntervalItems; ++n) {
    const std::string km = std::to_string(n * kKmPerItem);
    items.push_back(km.size() < 5 ? " " + km : km);
  }
  return items;
}

bool TSterownik::UstawPrzeglad(int item) {
  if (item < 1 || item >= kIntervalItems) return false;
  const int gasHours = WordAt(&obraz_[img::CzasGazuGodziny]);
  const int gasSeconds = WordAt(&obraz_[img::CzasGazuSekundy]);
  const int due = std::min(kLargestDueHours, item * kKmPerItem / kKmPerGasHour + gasHours +
                                                 (gasSeconds > kHalfHourSeconds ? 1 : 0));
  uint8_t* settings = NastawyDoZapisu();
  settings[service_setting::Reminder] = service_setting::kReminderOn;
  settings[service_setting::DueHours] = static_cast<uint8_t>(due);
  settings[service_setting::DueHours + 1] = static_cast<uint8_t>(due >> 8);
  ZapiszDoSterownika(AreaBit::Settings);
  return true;
}

void TSterownik::ClearEmergencyStarts() {
  obraz_[img::LicznikUruch] = 0;
  RozkazDoSterownika(CommandBit::ClearEmergencyStarts);
}

bool TSterownik::ServiceDataCurrent() const {
  return !(flagiRozkazow_ & CommandBit::Identify) && !(flagiCzytania_ & AreaBit::History);
}
