#include "settings/LevelRules.h"

#include "controller/SettingPresets.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"

namespace level {

namespace {

constexpr int kClamp = 1;
constexpr int kVolume = 98;
constexpr int kValvePower = 72;
constexpr int kDevelopmentFirmware = 2;  // below this every list is offered

// The firmware from which a list is offered (above the number given).
struct ListFirmware {
  int setting;
  int above;
};
constexpr ListFirmware kListFirmware[] = {{139, 7}, {72, 8}, {47, 10}};
constexpr int kMaxRaw = 255;

constexpr uint32_t kLedOn = 0x00A000;
constexpr uint32_t kLedOff = 0xA4A0A0;
constexpr uint32_t kReserveRed = 0x0000C8;

constexpr uint8_t kLevelLeds[4] = {level_led::Full, level_led::ThreeQuarters, level_led::Half,
                                   level_led::Quarter};

struct PaletteScheme {
  int code;
  std::array<uint32_t, 7> colours;  // 4/4, 3/4, 1/2, 1/4, reserve, gas, petrol
};
constexpr uint32_t R = 0x0000F0;  // the reserve and petrol LEDs of most schemes
// clang-format off
constexpr PaletteScheme kSchemes[] = {
    { 0, {0x0000F0, 0x0000F0, 0x0000F0, 0x0000F0, 0x00F0F0, 0xFF0000, R}},
    { 1, {0x00C800, 0x00C800, 0x00C800, 0x00C800, R,        0x00C800, R}},
    { 2, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, R,        0xFF0000, R}},
    { 3, {0x42C1FF, 0x42C1FF, 0x42C1FF, 0x42C1FF, R,        0x42C1FF, R}},
    { 4, {0xF0F000, 0xF0F000, 0xF0F000, 0xF0F000, R,        0xF0F000, R}},
    {10, {0x000078, 0x0000A0, 0x0000C8, 0x0000F0, 0x00F0F0, 0xFF0000, R}},
    {11, {0x003200, 0x006400, 0x009600, 0x00C800, R,        0x00C800, R}},
    {12, {0xAF0000, 0xC80000, 0xE60000, 0xFF0000, R,        0xFF0000, R}},
    {13, {0x008ED2, 0x00A5F4, 0x2BBAFF, 0x42C1FF, R,        0x42C1FF, R}},
    {14, {0xB0B000, 0xC8C800, 0xE1E100, 0xF0F000, R,        0xF0F000, R}},
    {20, {0x008000, 0x00EC76, 0x00FFFF, 0x004DEA, R,        0xF0F000, R}},
    {21, {0xF0F0F0, 0xF0F0F0, 0xF0F0F0, 0xF0F0F0, R,        0xF0F0F0, R}},
    {22, {0x646464, 0xA0A0A0, 0xC8C8C8, 0xF0F0F0, R,        0xF0F0F0, R}},
    {23, {0xF000F0, 0xF000F0, 0xF000F0, 0xF000F0, R,        0xF000F0, R}},
    {24, {0xC80000, 0xC80000, 0xC80000, 0xC80000, R,        0xC80000, R}},
};
// clang-format on

int Threshold(const TSterownik& link, int row) {
  return link.Nastawy()[kThresholds[row]];
}

// Row a is above row b in the order the sensor type wants.
bool WrongSide(const TSterownik& link, bool rising, int upper, int lower) {
  const int a = Threshold(link, upper), b = Threshold(link, lower);
  return rising ? a < b : a > b;
}

}  // namespace

std::vector<std::string> ListItems(const TSterownik& link, int setting) {
  if (setting == kValvePower) return {LangText(1081), LangText(1080)};
  return OptionTexts(link, setting);
}

bool ListEnabled(const TSterownik& link, int setting) {
  const int firmware = link.WersjaProgramu();
  for (const ListFirmware& f : kListFirmware)
    if (f.setting == setting) return firmware > f.above || firmware < kDevelopmentFirmware;
  return true;
}

void ChooseOption(TSterownik& link, const EditorView& view, int setting, int value) {
  if (setting == kVolume) link.RozkazDoSterownika(CommandBit::SpeakerTest);
  SetValue(link, view, setting, value, kClamp);
}

bool Rising(int sensorType) {
  const auto presets = options::LevelPresets();
  return sensorType >= 0 && sensorType < static_cast<int>(presets.size()) &&
         presets[static_cast<size_t>(sensorType)].rising;
}

std::array<bool, 4> OutOfOrder(const TSterownik& link) {
  const bool rising = Rising(link.Nastawy()[kSensorType]);
  std::array<bool, 4> wrong{};
  for (int row = 0; row + 1 < 4; ++row) {
    if (!WrongSide(link, rising, row, row + 1)) continue;
    wrong[row] = true;
    wrong[row + 1] = true;
  }
  return wrong;
}

bool InOrder(const TSterownik& link) {
  for (bool wrong : OutOfOrder(link))
    if (wrong) return false;
  return true;
}

void SetThreshold(TSterownik& link, const EditorView& view, int setting, int raw) {
  if (raw < 0 || raw > kMaxRaw || link.Nastawy()[setting] == raw) return;
  SetValue(link, view, setting, raw, kClamp);
}

void ShiftAll(TSterownik& link, const EditorView& view, int direction) {
  for (int setting : kThresholds) {
    const int raw = link.Nastawy()[setting] + direction;
    if (raw >= 0 && raw <= kMaxRaw) SetValue(link, view, setting, raw, kClamp);
  }
}

std::array<Led, 5> LedStates(int ledByte) {
  std::array<Led, 5> states{};
  for (int i = 0; i < 4; ++i)
    states[i] = ledByte & kLevelLeds[i] ? Led::Green : Led::Off;
  states[4] = ledByte & level_led::ReserveGreen ? Led::Green
              : ledByte & level_led::ReserveRed ? Led::Red
                                                : Led::Off;
  return states;
}

std::array<uint32_t, 5> LedColours(int ledByte) {
  std::array<uint32_t, 5> colours{};
  const auto states = LedStates(ledByte);
  for (size_t i = 0; i < states.size(); ++i)
    colours[i] = states[i] == Led::Green ? kLedOn : states[i] == Led::Red ? kReserveRed : kLedOff;
  return colours;
}

double Volts(int raw) {
  return raw * 0.02;
}

std::optional<std::array<uint32_t, 7>> Scheme(int code) {
  for (const PaletteScheme& scheme : kSchemes)
    if (scheme.code == code) return scheme.colours;
  return std::nullopt;
}

int PaletteCode(int x, int y) {
  return x / kPaletteCell + 10 * (y / kPaletteCell);
}

}  // namespace level
