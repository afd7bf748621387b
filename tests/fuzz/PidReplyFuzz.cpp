// Arbitrary adapter text searched for a PID's answer and decoded, and read as each bitmap.
// Input: protocol number, PID, ECU address (two bytes, big-endian), then the reply text.

#include <cstdint>
#include <string_view>

#include "obd/PidDecoding.h"
#include "obd/PidReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const int protocol = data[0] % 13;
  const int pid = data[1] % kPidCount;
  const int ecu = data[2] << 8 | data[3];
  const std::string_view reply(reinterpret_cast<const char*>(data + 4), size - 4);
  if (const auto reading = ReadPidReply(reply, protocol, ecu, pid)) {
    if (reading->count != Pidy()[pid].IleBajtow) __builtin_trap();
    PidValueText(pid, *reading, ',');
  }
  PidSelection selection;
  for (int base : {0, 0x20, 0x40, 0x60})
    PIDsupported(selection, base, reply, protocol, ecu);
  return 0;
}
