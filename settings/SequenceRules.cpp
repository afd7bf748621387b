#include "settings/SequenceRules.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "controller/Tsterownik.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"

namespace sequence {

namespace {

constexpr int kBanks = 30;
constexpr int kPetrolOnly = 31;
constexpr int kFirstInput = 32;  // petrol input r is setting 31 + r
constexpr int kInjectionType = 8;
constexpr int kRotation = 135;
constexpr int kFirstPosition = 288;  // channel c is at setting 287 + c
constexpr int kMaxChannels = 8;
constexpr int kClamp = 1;

constexpr int kSequential = 0;
constexpr int kSemiSequential = 1;
constexpr int kFullGroup = 2;

// Slow enough for the controller's detection to mean something.
constexpr int kDetectionRpm = 1200;

struct PatternRule {
  int pattern;
  int sum;  // of the positions of a complete order
  int mode;
  int entries;
};
constexpr PatternRule kPatterns[] = {
    {3, 1, 0, 2},   {7, 3, 0, 3},    {15, 6, 0, 4},   {31, 10, 0, 5},
    {63, 15, 1, 3}, {119, 18, 2, 3}, {255, 28, 3, 4},
};

uint8_t Bit(int channel) {
  return static_cast<uint8_t>(1 << (channel - 1));
}

using Inputs = std::array<uint8_t, kMaxChannels>;

Inputs InputsOf(const TSterownik& link) {
  Inputs inputs{};
  for (int r = 0; r < kMaxChannels; ++r)
    inputs[r] = link.Nastawy()[kFirstInput + r];
  return inputs;
}

void Unassign(Inputs& inputs, uint8_t& mask, int channel) {
  for (uint8_t& input : inputs)
    input &= static_cast<uint8_t>(~Bit(channel));
  mask &= static_cast<uint8_t>(~Bit(channel));
}

void Assign(Inputs& inputs, uint8_t& mask, int row, int channel) {
  inputs[row - 1] |= Bit(channel);
  mask |= Bit(channel);
}

// The inputs, the injectors on gas with them, and setting 31 as what no input drives.
void Store(TSterownik& link, const EditorView& view, const Inputs& inputs, uint8_t mask) {
  uint8_t used = 0;
  for (int r = 0; r < kMaxChannels; ++r) {
    used |= inputs[r];
    if (inputs[r] != link.Nastawy()[kFirstInput + r])
      SetValue(link, view, kFirstInput + r, inputs[r], kClamp);
  }
  link.ChangeInjectors(mask);
  SetValue(link, view, kPetrolOnly, static_cast<uint8_t>(~used), kClamp);
}

bool ValidChannel(const TSterownik& link, int channel) {
  return channel >= 1 && channel <= link.IleWtryskiwaczy();
}

int Modulo(int value, int divisor) {
  return (value % divisor + divisor) % divisor;
}

}  // namespace

bool Applies(const TSterownik& link) {
  const int n = link.IleWtryskiwaczy();
  return link.Czy_MALVER() && (n == 4 || n == 6 || n == 8);
}

bool HasRotation(const TSterownik& link) {
  return link.WersjaProgramu() >= 13;
}

bool HasOrderTable(const TSterownik& link) {
  return link.WersjaProgramu() >= 15;
}

bool Assigned(const TSterownik& link, int row, int channel) {
  return ValidChannel(link, row) && ValidChannel(link, channel) &&
         (link.Nastawy()[kPetrolOnly + row] & Bit(channel));
}

bool Expected(const TSterownik& link, int row, int channel) {
  switch (link.Nastawy()[kInjectionType]) {
    case kSequential:
      return row == channel;
    case kSemiSequential:
      return row == (channel % 2 == 1 ? 1 : 2);
    case kFullGroup:
      return row == 1;
    default:
      return false;
  }
}

bool OnPetrolOnly(const TSterownik& link, int channel) {
  return link.Nastawy()[kPetrolOnly] & Bit(channel);
}

bool InputUnused(const TSterownik& link, int row) {
  return link.Nastawy()[kPetrolOnly + row] == 0;
}

bool InBank2(const TSterownik& link, int channel) {
  return link.Nastawy()[kBanks] & Bit(channel);
}

void ClickCell(TSterownik& link, const EditorView& view, int row, int channel) {
  if (!ValidChannel(link, row) || !ValidChannel(link, channel)) return;
  const bool wasAssigned = Assigned(link, row, channel);
  Inputs inputs = InputsOf(link);
  uint8_t mask = link.ZalaczoneWtryskiwacze();
  Unassign(inputs, mask, channel);
  if (!wasAssigned) Assign(inputs, mask, row, channel);
  Store(link, view, inputs, mask);
}

void ClickBelow(TSterownik& link, const EditorView& view, int channel) {
  if (!ValidChannel(link, channel)) return;
  Inputs inputs = InputsOf(link);
  uint8_t mask = link.ZalaczoneWtryskiwacze();
  if (OnPetrolOnly(link, channel))
    Assign(inputs, mask, channel, channel);
  else
    Unassign(inputs, mask, channel);
  Store(link, view, inputs, mask);
}

void SetBank(TSterownik& link, const EditorView& view, int channel, int bank) {
  if (!ValidChannel(link, channel)) return;
  const uint8_t banks = link.Nastawy()[kBanks];
  const uint8_t bit = Bit(channel);
  SetValue(link, view, kBanks, bank == 2 ? banks | bit : banks & ~bit, kClamp);
}

OrderCheck CheckOrder(uint8_t petrolOnly, std::span<const uint8_t> positions, int channels) {
  OrderCheck check;
  int sum = 0;
  for (int c = 0; c < channels && c < static_cast<int>(positions.size()); ++c) {
    if (petrolOnly & (1 << c)) continue;
    check.pattern |= 1 << c;
    sum += positions[c];
  }
  for (const PatternRule& rule : kPatterns) {
    if (rule.pattern != check.pattern) continue;
    check.valid = sum == rule.sum;
    check.mode = rule.mode;
    check.entries = rule.entries;
  }
  return check;
}

OrderCheck CheckOrder(const TSterownik& link) {
  const uint8_t* s = link.Nastawy();
  return CheckOrder(s[kPetrolOnly], {s + kFirstPosition, kMaxChannels}, link.IleWtryskiwaczy());
}

std::string PositionText(const TSterownik& link, int channel) {
  if (OnPetrolOnly(link, channel)) return "-";
  return std::to_string(link.Nastawy()[kFirstPosition + channel - 1] + 1);
}

void TypePosition(TSterownik& link, const EditorView& view, int channel, const std::string& text) {
  if (!ValidChannel(link, channel)) return;
  int typed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), typed);
  if (error != std::errc() || end != text.data() + text.size() || typed < 1) typed = 1;
  const int position = typed - 1 < link.IleWtryskiwaczy() ? typed - 1 : 0;
  SetValue(link, view, kFirstPosition + channel - 1, position, kClamp);
}

std::vector<std::string> RotationItems(const TSterownik& link) {
  std::vector<std::string> items{ValueText(link, kRotation, 0)};
  for (int k = 1; k < CheckOrder(link).entries; ++k)
    items.push_back("-" + std::to_string(k));
  return items;
}

void Rotate(TSterownik& link, const EditorView& view, int k) {
  SetValue(link, view, kRotation, k, kClamp);
  const int n = link.IleWtryskiwaczy();
  const int mode = CheckOrder(link).mode;
  std::array<int, kMaxChannels> p{};
  for (int c = 0; c < kMaxChannels; ++c)
    p[c] = link.Nastawy()[kFirstPosition + c];
  if (k == 0 || mode == 0) {
    for (int c = 0; c < n; ++c)
      p[c] = c;
  } else if (mode == 1 || mode == 2) {
    // Two groups of three; the second begins after a gap when channel 4 is on petrol.
    const int second = mode == 1 ? 3 : 4;
    for (int c = 0; c < 3; ++c) {
      const int d = Modulo(c - k, 3);
      p[c] = d;
      p[second + c] = d + second;
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      const int m = Modulo(i - k, 4);
      p[i] = m;
      p[4 + i] = m + 4;
    }
  }
  for (int c = 0; c < kMaxChannels; ++c)
    if (p[c] != link.Nastawy()[kFirstPosition + c])
      SetValue(link, view, kFirstPosition + c, p[c], kClamp);
}

std::optional<Detection> DetectionDisplay::Frame(const TSterownik& link,
                                                 const DecodedStatus& status) {
  const int average = avg10_ / 10;
  if (status.rpmTens >= 0) avg10_ += 10 * status.rpmTens - avg10_ / 10;
  if (link.Rodzina() != Family::Fortix || status.detectedChannels == 0) return std::nullopt;
  if (average > kDetectionRpm) return std::nullopt;
  const uint8_t petrolOnly = link.Nastawy()[kPetrolOnly];
  const int n = std::min(link.IleWtryskiwaczy(), status.detectedChannels);
  Detection shown;
  for (int c = 0; c < n; ++c) {
    if (petrolOnly & (1 << c)) continue;
    // A position past the channels is no detection: the controller has not made one.
    if (status.detectedOrder[c] >= link.IleWtryskiwaczy()) return std::nullopt;
    if (!shown.text.empty()) shown.text += "-";
    shown.text += std::to_string(status.detectedOrder[c] + 1);
  }
  shown.valid = CheckOrder(petrolOnly, {status.detectedOrder.data(), static_cast<size_t>(n)},
                           link.IleWtryskiwaczy())
                    .valid;
  return shown;
}

}  // namespace sequence
