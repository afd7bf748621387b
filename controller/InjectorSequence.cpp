// Channel and cylinder order of the KAVI family with six re-ordered channels: which cylinder
// each gas channel drives, by the firing-order choice of setting 93.

#include "controller/Tsterownik.h"

namespace {

constexpr int kChannels = 6;
constexpr int kCylinderOfChannel[3][kChannels] = {
    {0, 1, 4, 5, 2, 3},
    {0, 1, 3, 5, 2, 4},
    {0, 1, 5, 4, 2, 3},
};

}  // namespace

int TSterownik::FsiPozCyl(int channel) const {
  const int order = Nastawy()[93];
  if (Rodzina() != Family::Kavi || kanalyFsi_ != kChannels || order > 2 || channel < 0 ||
      channel >= kChannels)
    return channel;
  return kCylinderOfChannel[order][channel];
}

int TSterownik::FsiPozKanalu(int cylinder) const {
  const int order = Nastawy()[93];
  if (Rodzina() != Family::Kavi || kanalyFsi_ != kChannels || order > 2) return cylinder;
  for (int channel = 0; channel < kChannels; ++channel)
    if (kCylinderOfChannel[order][channel] == cylinder) return channel;
  return kChannels;
}

namespace {

// Expected firing orders (0-based cylinder positions) by setting 93.
constexpr int kOrder3[2][3] = {{0, 1, 2}, {0, 2, 1}};
constexpr int kOrder4[2][4] = {{0, 2, 3, 1}, {0, 1, 3, 2}};
constexpr int kOrder6[3][6] = {{0, 4, 2, 5, 1, 3}, {0, 3, 2, 5, 1, 4}, {0, 3, 1, 4, 2, 5}};

}  // namespace

int TSterownik::FsiKolejnoscZaplonu(std::span<const uint8_t> detected) const {
  const int model = obraz_[img::Wyrob];
  const int order = Nastawy()[93];
  const int* expected = nullptr;
  int length = 0;
  if (model == 12 && ileWtryskiwaczy_ == 6) {
    if (order < 2) expected = kOrder3[order], length = 3;
  } else if ((model == 12 && ileWtryskiwaczy_ == 8) || ileWtryskiwaczy_ == 4) {
    if (order < 2) expected = kOrder4[order], length = 4;
  } else if (ileWtryskiwaczy_ == 6) {
    if (order < 3) expected = kOrder6[order], length = 6;
  }
  // What did not arrive was not detected.
  if (!expected || detected.size() < static_cast<size_t>(length) || detected[0] != 0) return 0;
  for (int i = 1; i < length; ++i)
    if (detected[i] == 0) return 0;  // the detection is not complete yet
  for (int i = 0; i < length; ++i)
    if (detected[i] != expected[i]) return length;
  return 0;
}
