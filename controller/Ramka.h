#pragma once

#include <cstdint>
#include <string>

// The controller protocol's frame: start byte, checksum, payload length in 16-bit words,
// code, then the payload, scrambled from byte 4 on. Shared by the link and the simulated
// controller, which is why both directions live here.
namespace ramka {

inline constexpr uint8_t kRequestStart = 0x65;
inline constexpr uint8_t kReplyStart = 0x56;
inline constexpr uint8_t kReplyStartLower = 0x76;
inline constexpr int kHeaderSize = 4;
// The firmware block: a 2-byte block number and 512 bytes of code.
inline constexpr int kLargestPayload = 514;
inline constexpr int kLargestFrame = kHeaderSize + kLargestPayload;

// The scrambling seed known to both ends of the link.
inline constexpr uint8_t StalaLacza = 0xA7;

inline bool IsReplyStart(uint8_t b) {
  return b == kReplyStart || b == kReplyStartLower;
}

// Fills the header of a frame whose payload already stands from byte 4 on: pads an odd payload
// with one byte, sets start byte, length (words, modulo 256), code and checksum. Returns the
// frame length. The frame stays plain.
int Build(uint8_t* frame, uint8_t start, uint8_t code, int payloadLength);

// Scrambling and its inverse, both seeded from the checksum byte and StalaLacza.
void Scramble(uint8_t* frame, int length);
void Unscramble(uint8_t* frame, int length);

// The 8-bit total of a plain frame; 0 for a sound one.
uint8_t Total(const uint8_t* frame, int length);

// " XX" per byte, upper-case hexadecimal: how the transmission log shows bytes.
std::string HexText(const uint8_t* bytes, int count);

// The transmission-log form of a frame: label, the bytes, two more spaces after the header.
std::string LogText(const char* label, const uint8_t* frame, int length);

}  // namespace ramka
