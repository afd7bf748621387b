#pragma once

#include <cstdint>

// The hidden settings (byte index in Nastawy page 0) of the service reminder.
namespace service_setting {
inline constexpr int Reminder = 100;  // the bits below
inline constexpr int DueHours = 101;  // 16 bits, low byte first: gas hours when the service is due

inline constexpr int kReminderOn = 0x01;
inline constexpr int kGasBlockWhenDue = 0x02;
}  // namespace service_setting

// The controller keeps its 16-bit counts low byte first.
inline int WordAt(const uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8;
}
