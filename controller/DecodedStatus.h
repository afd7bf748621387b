#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "controller/Protocol.h"

// One status frame as the link decoded it, once, for every view and the command line. A value
// whose bytes the frame did not carry is absent; nothing is left over from an earlier frame.

// A live parameter of the family's definition list.
struct LiveValue {
  bool present = false;  // its bytes arrived (values taken from the settings always are)
  bool numeric = false;  // a number; false for a text such as "-" or "CL"
  double value = 0.0;    // the shown value (raw x scale)
  std::string text;      // as the panels show it
};

// The work state: text ids of its short and long form (0 = none) and its colour 0x00BBGGRR.
struct WorkState {
  int shortText = 0;
  int longText = 0;
  uint32_t colour = 0;
};

// The work-state panel's event text (text id 0: none) and its colour.
struct StatusEvent {
  int textId = 0;
  uint32_t colour = 0;
};

// A line the frame adds to the information list.
enum class InformationLine { None, Message, Adaptation };

// What a frame asks of a tab caption: leave it, give it its normal colour back, or mark a
// fault (red) or a good state (green).
enum class TabMark { Keep, Normal, Fault, Good };

struct InjectionTime {
  double petrolMs = 0.0;
  double gasMs = 0.0;
};

// The OBD part of the frame: the status word, and the ECUs when this frame reports them.
struct ObdStatus {
  bool hasWord = false;
  uint16_t word = 0;
  bool reportsEcus = false;
  int ecuCount = 0;
  std::array<uint32_t, 4> ecuAddresses{};
};

struct DecodedStatus {
  static constexpr int kMaxLength = 1024;

  uint8_t code = 0;
  int length = 0;  // frame bytes that arrived
  std::array<uint8_t, kMaxLength> bytes{};

  bool Has(int offset, int count = 1) const { return offset >= 0 && offset + count <= length; }
  uint8_t Byte(int offset) const { return Has(offset) ? bytes[offset] : 0; }
  // A little-endian 16-bit value; 0 when the frame lacks either byte.
  int Word(int offset) const { return Has(offset, 2) ? bytes[offset] | bytes[offset + 1] << 8 : 0; }
  std::span<const uint8_t> Frame() const { return {bytes.data(), static_cast<size_t>(length)}; }

  bool hasWorkState = false;  // bytes 10 and 11 arrived
  uint16_t statusWord = 0;    // byte 10 low, byte 11 high
  uint8_t workFlags = 0;      // byte 11
  WorkState workState;
  StatusEvent event;
  TabMark diagnosticsTab = TabMark::Keep;  // the controller's own errors
  TabMark obdTab = TabMark::Keep;          // the engine's trouble codes, as its OBD module saw them
  InformationLine information = InformationLine::None;
  int infoKind = 0;  // InfoPracy: 0 none, 1 a message, 2 a function active

  bool hasLeds = false;
  std::array<uint32_t, 7> leds{};

  // The level sensor's LEDs (byte 13, level_led bits) and voltage (raw x 0.02 V); -1 when the
  // frame lacks the byte.
  int levelLeds = -1;
  int levelVoltage = -1;
  int rpmTens = -1;  // engine speed in tens of rpm
  // Each channel's position in the firing order the controller detected, as far as it arrived.
  int detectedChannels = 0;
  std::array<uint8_t, 8> detectedOrder{};

  int channels = 0;  // channels whose injection times arrived (at most 8)
  std::array<InjectionTime, 8> injection{};

  // A table the map view shows changed with this frame: a cell the controller reported, or
  // one the link learned; the view redraws.
  bool mapsChanged = false;
  // The frame carried the emergency start counter; the service window shows it again.
  bool serviceDataChanged = false;

  ObdStatus obd;
  std::vector<LiveValue> values;  // one per definition of the family's list, same index
};
