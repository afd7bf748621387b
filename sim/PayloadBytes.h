#pragma once

#include <cstdint>
#include <span>

#include "controller/Ramka.h"

// Reply payloads are built by the frame positions their bytes will take: frame byte 4 is
// payload byte 0. 16-bit values are little-endian.
namespace sim {

inline void Put8(std::span<uint8_t> payload, int frameOffset, int value) {
  payload[static_cast<size_t>(frameOffset - ramka::kHeaderSize)] = static_cast<uint8_t>(value);
}

inline void Put16(std::span<uint8_t> payload, int frameOffset, int value) {
  Put8(payload, frameOffset, value & 0xFF);
  Put8(payload, frameOffset + 1, (value >> 8) & 0xFF);
}

inline uint8_t Get8(std::span<const uint8_t> payload, int frameOffset) {
  return payload[static_cast<size_t>(frameOffset - ramka::kHeaderSize)];
}

inline int Get16(std::span<const uint8_t> payload, int frameOffset) {
  return Get8(payload, frameOffset) | Get8(payload, frameOffset + 1) << 8;
}

}  // namespace sim
