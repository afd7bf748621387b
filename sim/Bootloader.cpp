#include "sim/Bootloader.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {

constexpr int kBlock = 256;
constexpr int kMostBlocks = 4096;  // what two bytes of block number can reach in modes 4 and 5
constexpr char kMark[] = "SIMF";

}  // namespace

void PutRecord(const SimFirmwareRecord& record, std::span<uint8_t> data) {
  if (data.size() < SimFirmwareRecord::kSize) return;
  std::memcpy(data.data(), kMark, 4);
  data[4] = static_cast<uint8_t>(record.version);
  data[5] = static_cast<uint8_t>(record.beta);
  data[6] = static_cast<uint8_t>(record.blocks & 0xFF);
  data[7] = static_cast<uint8_t>(record.blocks >> 8);
}

std::optional<SimFirmwareRecord> ReadRecord(std::span<const uint8_t> data) {
  if (data.size() < SimFirmwareRecord::kSize || std::memcmp(data.data(), kMark, 4) != 0)
    return std::nullopt;
  return SimFirmwareRecord{data[4], data[5], data[6] | data[7] << 8};
}

void Bootloader::Write(std::span<const uint8_t> payload) {
  if (payload.size() < 2 + kBlock) return;
  const int first = payload[0] | payload[1] << 8;
  const int count = static_cast<int>((payload.size() - 2) / kBlock);
  if (first == 0) {
    flash_.clear();
    written_.clear();
    blocksWritten_ = 0;
  }
  for (int k = 0; k < count && first + k < kMostBlocks; ++k) {
    const size_t block = static_cast<size_t>(first + k);
    if (written_.size() <= block) {
      written_.resize(block + 1, false);
      flash_.resize((block + 1) * kBlock, 0xFF);
    }
    std::copy_n(payload.begin() + 2 + k * kBlock, kBlock, flash_.begin() + block * kBlock);
    if (!written_[block]) ++blocksWritten_;
    written_[block] = true;
  }
}

std::optional<SimFirmwareRecord> Bootloader::WholeApplication() const {
  const std::optional<SimFirmwareRecord> record = ReadRecord(flash_);
  if (!record || record->blocks <= 0 || static_cast<int>(written_.size()) < record->blocks)
    return std::nullopt;
  const bool whole =
      std::all_of(written_.begin(), written_.begin() + record->blocks, [](bool b) { return b; });
  return whole ? record : std::nullopt;
}

}  // namespace sim
