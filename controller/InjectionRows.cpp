// The injection-time grid's rules: which channels it shows, how they are named and coloured,
// and which of them the installer may switch off gas.

#include "controller/InjectionRows.h"

#include <algorithm>

#include "controller/Colour.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kPetrolOnlyChannels = 31;  // KAVI DUAL: channels kept on petrol, by bit
constexpr int kChannelInputs = 32;       // 32 + channel: its petrol inputs, by bit
constexpr int kInjectorSwitching = 56;   // 1: switched in pairs, 2: all together
constexpr int kTwoBankModel = 12;
constexpr int kSpecialThreeCylinders = 10;
constexpr int kMaxRows = 8;

constexpr uint32_t kYellow = Rgb(255, 223, 0), kGreen = Rgb(0, 234, 0), kRed = Rgb(255, 40, 40),
                   kBlue = Rgb(80, 80, 255), kBlack = 0;

std::string ChannelLabel(const TSterownik& link, int row) {
  int label = row + 1;
  if (link.Wyrob() == kTwoBankModel) {
    if (link.IleWtryskiwaczy() == 6 && row > 2) label = row - 2;
    if (link.IleWtryskiwaczy() == 8 && row > 3) label = row - 3;
  }
  return std::to_string(label);
}

std::string CylinderText(const TSterownik& link, int row) {
  if (link.Rodzina() == Family::Kavi) return ChannelLabel(link, row);
  std::string text;
  const uint8_t inputs = link.Nastawy()[kChannelInputs + row];
  for (int c = 0; c < 8; ++c)
    if (inputs & (1 << c)) text += std::to_string(c + 1);
  return text;
}

// The colour of a channel by its position in the firing order; the two-bank model colours the
// banks' channels alike.
uint32_t ChannelColour(const TSterownik& link, int row) {
  static constexpr uint32_t kColours[8] = {
      kYellow,           kGreen, kRed, kBlue, Rgb(255, 168, 201), Rgb(255, 40, 255), Rgb(164, 0, 0),
      Rgb(192, 192, 192)};
  const int c = link.KanalyFsi() > 0 ? link.FsiPozCyl(row) : row;
  if (link.Wyrob() == kTwoBankModel) {
    if (link.IleWtryskiwaczy() == 6) {
      if (c == 1 || c == 4) return kGreen;
      if (c == 2 || c == 5) return kRed;
      return c <= 5 ? kYellow : kBlack;
    }
    if (c == 1 || c == 5) return kGreen;
    if (c == 2 || c == 6) return kRed;
    if (c == 3 || c == 7) return kBlue;
    return kYellow;
  }
  return c >= 0 && c < 8 ? kColours[c] : kBlack;
}

bool HasSwitchOffBox(const TSterownik& link, int row) {
  const int special = link.OpisSpecjalny();
  const bool pairedOddRow = link.Rodzina() == Family::Fortix && row % 2 == 1 &&
                            (special == 6 || special == 17 || special == 18 || special == 19);
  const bool petrolOnly =
      link.Czy_KAVI_DUAL() && (link.Nastawy()[kPetrolOnlyChannels] & (1 << row));
  return !pairedOddRow && !petrolOnly;
}

// The bit of a row in the injector mask: KAVI with re-ordered channels counts by channel.
// The first row of the two-bank model's port-injection bank, 0 for every other controller.
int FirstPortRow(const TSterownik& link) {
  if (link.Wyrob() != kTwoBankModel) return 0;
  return link.IleWtryskiwaczy() == 8 ? 4 : link.IleWtryskiwaczy() == 6 ? 3 : 0;
}

int MaskBit(const TSterownik& link, int row) {
  return link.Rodzina() == Family::Kavi && link.KanalyFsi() > 0 ? link.FsiPozKanalu(row) : row;
}

int TraceOrNone(const TSterownik& link, int n) {
  const int i = link.PodajPozycje(ChartPlace::InjectionTimes, n);
  return i < static_cast<int>(link.ListaWykresow().size()) ? i : -1;
}

}  // namespace

int InjectionRowCount(const TSterownik& link, bool collapsed) {
  if (collapsed) return 1;
  if (link.Rodzina() == Family::Kavi && link.KanalyFsi() == 6 &&
      link.OpisSpecjalny() == kSpecialThreeCylinders)
    return 3;
  // A controller in its bootloader reports its channel count unchecked; the grid has eight rows.
  return std::clamp(link.IleWtryskiwaczy(), 1, kMaxRows);
}

InjectionRow InjectionRowOf(const TSterownik& link, int row) {
  const bool kavi = link.Rodzina() == Family::Kavi;
  InjectionRow r;
  r.label = ChannelLabel(link, row);
  r.cylinders = CylinderText(link, row);
  r.active = kavi || link.Nastawy()[kChannelInputs + row] != 0;
  r.coloured = kavi;
  r.colour = kavi ? ChannelColour(link, row) : 0;
  r.switchOffBox = HasSwitchOffBox(link, row);
  r.switchedOn = link.ZalaczoneWtryskiwacze() & (1 << MaskBit(link, row));
  const int firstPort = FirstPortRow(link);
  if (firstPort > 0) {
    r.bankLabel = row == 0 ? "DI" : row == firstPort ? "MPI" : "";
    r.portInjection = row >= firstPort;
    r.blackLabels = true;
  }
  r.petrolBarScale = kavi ? 3.0 : 1.0;  // KAVI petrol times are a third of the gas times
  r.petrolTrace = TraceOrNone(link, 2 * row);
  r.gasTrace = TraceOrNone(link, 2 * row + 1);
  return r;
}

void TSterownik::ToggleInjector(int row) {
  if (row < 0 || row >= kMaxRows) return;
  uint8_t mask = static_cast<uint8_t>(1 << row);
  const uint8_t switching = Nastawy()[kInjectorSwitching];
  if (switching == 1) mask = row % 2 == 0 ? 0x55 : 0xAA;
  if (switching == 2) mask = 0xFF;
  if (Rodzina() == Family::Kavi && kanalyFsi_ > 0)
    mask = static_cast<uint8_t>(1 << MaskBit(*this, row));
  zalaczoneWtryskiwacze_ ^= mask;
  zalaczoneWtryskiwacze_ &= static_cast<uint8_t>(~Nastawy()[kPetrolOnlyChannels]);
  RozkazDoSterownika(CommandBit::SendInjectorMask);
}
