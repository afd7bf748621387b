#pragma once

#include <cstdint>
#include <span>

// A recording as the scope reads it: count records of size bytes each, oldest first. A record
// outside the recording is empty, and a trace reads nothing from it.
struct RecordSpan {
  std::span<const uint8_t> bytes;
  int size = 128;
  int count = 0;

  std::span<const uint8_t> At(int record) const {
    if (record < 0 || record >= count) return {};
    return bytes.subspan(static_cast<size_t>(record) * static_cast<size_t>(size),
                         static_cast<size_t>(size));
  }
};
