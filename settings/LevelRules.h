#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/EditorView.h"

class TSterownik;

// The gas level sensor window's rules: the sensor type with its thresholds (settings 40 and
// 41..44), their order, the shift of all four, the switch's LEDs and their colour schemes.
namespace level {

// The threshold settings from the top row down: the 4/4, 3/4, 1/2 and 1/4 LEDs.
inline constexpr std::array<int, 4> kThresholds = {41, 42, 43, 44};
inline constexpr int kSensorType = 40;

// A type whose voltage rises with the level; unknown types count as falling.
bool Rising(int sensorType);

// Which thresholds are drawn red, by row (settings 41..44): on the wrong side of a neighbour
// for the ordering of the sensor type.
std::array<bool, 4> OutOfOrder(const TSterownik& link);
bool InOrder(const TSterownik& link);

// The window's lists, from the top: sensor type, LED colour mode, power from the solenoid
// valve, sampling period, brightness, volume, switch-off delay.
inline constexpr std::array<int, 7> kLists = {40, 139, 72, 47, 99, 98, 74};
// A list's entries from the setting's minimum: its option texts, or No and Yes.
std::vector<std::string> ListItems(const TSterownik& link, int setting);
// The firmware knows the setting (development firmware knows them all).
bool ListEnabled(const TSterownik& link, int setting);
// An entry chosen: the setting stored (a sensor type with its thresholds); a new volume is
// heard at once.
void ChooseOption(TSterownik& link, const EditorView& view, int setting, int value);

// Stores one threshold (a raw 0..255) when it differs.
void SetThreshold(TSterownik& link, const EditorView& view, int setting, int raw);
// Moves all four by one step (+1 or -1); a threshold at its limit stays.
void ShiftAll(TSterownik& link, const EditorView& view, int direction);

// The switch's LEDs from the top: 4/4, 3/4, 1/2, 1/4, then the reserve LED; and their colours
// as the window draws them (0x00BBGGRR).
enum class Led { Off, Green, Red };
std::array<Led, 5> LedStates(int ledByte);
std::array<uint32_t, 5> LedColours(int ledByte);

// The volts of a raw voltage or threshold (x 0.02 V).
double Volts(int raw);

// A preset colour scheme by the palette cell's code, (x / 80) + 10 x (y / 80); the order of
// TSterownik::KoloryLed. Nothing for a cell without a scheme.
std::optional<std::array<uint32_t, 7>> Scheme(int code);
int PaletteCode(int x, int y);
inline constexpr int kPaletteCell = 80;

}  // namespace level
