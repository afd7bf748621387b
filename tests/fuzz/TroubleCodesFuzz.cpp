// Arbitrary adapter text listed as trouble codes, for every protocol, ECU address form and read,
// and read as the answer to a clearing; and the same bytes as the OBD record the controller's own
// module reports.

#include <optional>
#include <span>

#include "obd/CodeClearing.h"
#include "obd/ModuleCodes.h"
#include "obd/TroubleCodes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  static constexpr uint8_t kModes[] = {obd::kStoredCodes, obd::kPendingCodes, obd::kPermanentCodes};
  static constexpr int kEcus[] = {0x10, 0x7E8, 0x7E9, 0x18};
  const obd::CodeReply reply{{reinterpret_cast<const char*>(data + 3), size - 3},
                             data[0] % 11,
                             kEcus[data[1] % 4],
                             (data[1] & 0x80) != 0};
  obd::ColouredLines box, log;
  const std::optional<int> listed = obd::KodyBledow(reply, kModes[data[2] % 3], box, log);
  obd::ClearingLine({obd::ClearingAnswerOf(reply), listed});
  const std::span<const uint8_t> record(data, size);
  obd::ModuleTroubleCodes(record, (data[1] & 1) != 0);
  obd::ModuleFuelFlow(record, ',');
  return 0;
}
