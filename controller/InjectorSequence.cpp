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
  if (Rodzina() != 255 || KanalyFsi != kChannels || order > 2 || channel < 0 ||
      channel >= kChannels)
    return channel;
  return kCylinderOfChannel[order][channel];
}

int TSterownik::FsiPozKanalu(int cylinder) const {
  const int order = Nastawy()[93];
  if (Rodzina() != 255 || KanalyFsi != kChannels || order > 2) return cylinder;
  for (int channel = 0; channel < kChannels; ++channel)
    if (kCylinderOfChannel[order][channel] == cylinder) return channel;
  return kChannels;
}
