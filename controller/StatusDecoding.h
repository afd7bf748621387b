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

// The frame bytes a value type reads at its offset: two for the 16-bit types, none for the
// injector opening time (from the settings), one for the rest.
int ValueBytes(int type);

// A definition's raw value in the frame bytes (a received frame or a scope record), before
// scaling: a number, a text ("-", "CL", ...), or absent when the frame lacks its bytes.
struct RawValue {
  bool present = false;
  bool numeric = false;
  double number = 0.0;
  const char* text = "";
};
RawValue DecodeRawValue(const Wykres& definition, std::span<const uint8_t> frame,
                        const uint8_t* settings);
// raw x skala; the injector opening time (type 12) is in milliseconds already.
double ScaledValue(const Wykres& definition, double raw);

// One definition's value as the readings show it.
LiveValue DecodeLiveValue(const Wykres& definition, std::span<const uint8_t> frame,
                          const uint8_t* settings, char decimalSeparator);

// The work state of a 16-bit status word (byte 10 low, byte 11 high).
WorkState WorkStateOf(Family family, uint16_t statusWord);

// What the scope marks along its time axis for each record: the work state's colour and the
// information kind (InfoPracy: 0 none, 1 a message, 2 a function active). Cheap enough for
// every record on screen; a frame without bytes 10 and 11 has colour 0.
struct WorkMarks {
  uint32_t colour = 0;
  int infoKind = 0;
};
WorkMarks WorkMarksOf(Family family, std::span<const uint8_t> frame);

// The controller picture's seven LEDs (0x00BBGGRR) from status frame bytes 13 and 14: the five
// of the left column from the top, then the right top and right bottom one.
std::array<uint32_t, 7> LedColours(uint8_t byte13, uint8_t byte14);
