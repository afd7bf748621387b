#pragma once

#include <algorithm>
#include <cstdint>

// How the transport's fields ask the line to run.
struct LineSettings {
  int baudRate;
  int byteSize;
  int parity;  // 0 none, 1 odd, 2 even
  int stopBits;
};

// The FTDI converter runs its line at 3 MHz divided by a 16-bit divisor, and the line is never
// asked for a rate the converter cannot reach.
inline constexpr int kFtdiClockHz = 3000000;
inline constexpr int kMaxBaudRate = kFtdiClockHz;               // divisor 1
inline constexpr int kMinBaudRate = kFtdiClockHz / 0xFFFF + 1;  // 46: the divisor still fits

constexpr int ClampBaudRate(int64_t rate) {
  return static_cast<int>(std::clamp<int64_t>(rate, kMinBaudRate, kMaxBaudRate));
}

// The converter's divisor for a rate, which is first brought into the range above.
constexpr uint16_t FtdiDivisor(int baudRate) {
  return static_cast<uint16_t>(kFtdiClockHz / ClampBaudRate(baudRate));
}
