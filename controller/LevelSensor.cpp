// The level sensor and the dashboard switch: the poll that asks for the level data, and the
// switch's LED colours, kept in the image and sent with their own command.

#include <algorithm>

#include "controller/Tsterownik.h"

namespace {

constexpr int kColours = 7;
constexpr int kColourBytes = 3 * kColours;
constexpr int kAreaBytes = 30;

// 4/4, 3/4, 1/2, 1/4, reserve, gas, petrol as 0x00BBGGRR.
constexpr std::array<uint32_t, kColours> kDefaultColours = {0x008000, 0x00EC76, 0x00FFFF, 0x004DEA,
                                                            0x0000F0, 0xF0F000, 0x0000F0};

}  // namespace

std::array<uint32_t, 7> TSterownik::KoloryLed() const {
  std::array<uint32_t, kColours> colours{};
  for (int i = 0; i < kColours; ++i) {
    const uint8_t* rgb = &obraz_[img::KoloryLed + 3 * i];
    colours[i] = rgb[0] | rgb[1] << 8 | rgb[2] << 16;
  }
  return colours;
}

void TSterownik::PutLedColours(const std::array<uint32_t, 7>& colours) {
  uint8_t* area = &obraz_[img::KoloryLed];
  for (int i = 0; i < kColours; ++i)
    for (int b = 0; b < 3; ++b)
      area[3 * i + b] = static_cast<uint8_t>(colours[i] >> (8 * b));
  // The controller takes the area as a whole: its closing bytes mark the set as complete.
  area[kColourBytes] = 255;
  std::fill(area + kColourBytes + 1, area + kAreaBytes, 0);
}

void TSterownik::ZapiszKoloryLed(const std::array<uint32_t, 7>& colours) {
  PutLedColours(colours);
  RozkazDoSterownika(CommandBit::SendLedColours);
}

void TSterownik::DefaultLedColours() {
  PutLedColours(kDefaultColours);
}

void TSterownik::PollLevelSensor(bool on) {
  if (on)
    stronaParam_ |= poll_page::LevelSensor;
  else
    stronaParam_ &= static_cast<uint8_t>(~poll_page::LevelSensor);
}
