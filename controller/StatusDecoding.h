#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "controller/DecodedStatus.h"
#include "controller/Protocol.h"
#include "controller/Wykres.h"

// Turning the bytes of a status frame into a DecodedStatus.

// What decoding needs besides the frame.
struct StatusContext {
  Family family = Family::Unknown;
  std::span<const Wykres> definitions;  // the family's live-parameter list
  const uint8_t* settings = nullptr;    // the 512 settings bytes
  char decimalSeparator = '.';
};

// Takes the bytes that arrived (at most DecodedStatus::kMaxLength); the fields are decoded by
// DecodeStatus, after the link has put the frame in the order its views expect.
void TakeFrame(uint8_t code, std::span<const uint8_t> frame, DecodedStatus& status);
void DecodeStatus(const StatusContext& context, DecodedStatus& status);

// One definition's value in the frame.
LiveValue DecodeLiveValue(const Wykres& definition, const DecodedStatus& status,
                          const uint8_t* settings, char decimalSeparator);

// The work state of a 16-bit status word (byte 10 low, byte 11 high).
WorkState WorkStateOf(Family family, uint16_t statusWord);

// The controller picture's seven LEDs (0x00BBGGRR) from status frame bytes 13 and 14: the five
// of the left column from the top, then the right top and right bottom one.
std::array<uint32_t, 7> LedColours(uint8_t byte13, uint8_t byte14);
