#include "obd/PidForwarding.h"

namespace {

struct Placement {
  int pid;
  size_t recordByte;
  int dataByte;
};

// 0x15 and 0x18 share byte 4: whichever second oxygen sensor the car has.
constexpr Placement kPlacements[] = {
    {0x03, 5, 0},  {0x03, 6, 1}, {0x06, 7, 0}, {0x07, 8, 0}, {0x08, 9, 0},
    {0x09, 10, 0}, {0x14, 3, 0}, {0x15, 4, 0}, {0x18, 4, 0},
};

}  // namespace

void CopyToObdRecord(int pid, const PidReading& reading, std::span<uint8_t> record) {
  for (const Placement& place : kPlacements)
    if (place.pid == pid && place.recordByte < record.size() && place.dataByte < reading.count)
      record[place.recordByte] = reading.bytes[place.dataByte];
}

void CopyTranscriptToObdRecord(std::string_view transcript, std::span<uint8_t> record) {
  constexpr size_t kLength = 11;
  constexpr size_t kFirst = 12;
  if (record.size() <= kLength) return;
  record[kLength] = static_cast<uint8_t>(transcript.size() & 0xFF);
  for (size_t i = kFirst; i < record.size(); ++i)
    record[i] = i < transcript.size() ? static_cast<uint8_t>(transcript[i]) : 0;
}
