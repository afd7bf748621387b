#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The simulated controller's bootloader: the firmware blocks written since the last erase.
// Block 0 erases the flash first, as a real bootloader starting an upload does. The
// simulated firmware names itself in the first bytes of its block 0 (SimFirmwareRecord), which
// is how the bootloader knows when the application is whole and which version it runs.
namespace sim {

// The simulated firmware's own record at the start of its data: "SIMF", version, beta, and
// the number of 256-byte blocks, low byte first.
struct SimFirmwareRecord {
  static constexpr int kSize = 8;
  int version = 0;
  int beta = 0;
  int blocks = 0;
};

class Bootloader {
 public:
  // A block frame's payload: the block number, low byte first, then 256 or 512 bytes.
  void Write(std::span<const uint8_t> payload);
  // The record of the application written, when every block it names has been written.
  std::optional<SimFirmwareRecord> WholeApplication() const;
  // The firmware data as written, from block 0: byte i is image file byte 256 + i.
  const std::vector<uint8_t>& Flash() const { return flash_; }
  int BlocksWritten() const { return blocksWritten_; }

 private:
  std::vector<uint8_t> flash_;
  std::vector<bool> written_;
  int blocksWritten_ = 0;
};

void PutRecord(const SimFirmwareRecord& record, std::span<uint8_t> data);
std::optional<SimFirmwareRecord> ReadRecord(std::span<const uint8_t> data);

}  // namespace sim
