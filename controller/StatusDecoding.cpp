#include "controller/StatusDecoding.h"

#include <algorithm>
#include <cstring>

#include "controller/Colour.h"
#include "controller/FamilyTraits.h"
#include "controller/NumberText.h"

namespace {

using namespace status_frame;

constexpr double kInjectionTimeUnitMs = 0.004;
constexpr int kObdWordNeeds = 103;  // the OBD status word counts only in frames this long

WorkState GasControllerState(uint16_t statusWord) {
  const int flags = statusWord >> 8;
  if (!(flags & WorkFlag::IgnitionOn)) return {1242, 1242, 0x808080};
  if (!(flags & WorkFlag::EngineTurning)) return {1243, 1243, 0xC0C0C0};
  switch (statusWord & 0xFF) {
    case 0:
      return {1244, 1245, 0x0000FF};
    case 2:
      return {1246, 1246, 0x4080FF};
    case 4:
    case 5:
      return {1247, 1247, 0xEA00EA};
    case 6:
      return {1249, 1250, 0x00A000};
    case 7:
      return {1248, 1248, 0xFF8000};
    default:
      return {};
  }
}

// The event text that alternates with the work state while the engine turns: the reasons of
// a waiting class by the bits of byte 7 (later bits win), else the active function.
StatusEvent EventOf(const DecodedStatus& s, const FamilyTraits& traits) {
  struct Bits {
    int code;
    int ids[7];
  };
  static constexpr Bits kEvents[] = {
      {1, {0, 1802, 1803, 0, 0, 0, 0}},
      {10, {1811, 1812, 1813, 1814, 1815, 1916, 1817}},
      {20, {1821, 1822, 1823, 1824, 1825, 1826, 0}},
  };
  if (!traits.gasController || (s.workFlags & 3) != 3) return {};
  const int code = s.Byte(kSubRecord);
  StatusEvent e;
  if (code >= 1 && code <= 40) {
    const uint8_t reasons = s.Byte(kSubData);
    for (const Bits& b : kEvents)
      if (b.code == code)
        for (int bit = 0; bit < 7; ++bit)
          if (b.ids[bit] && (reasons & (1 << bit))) e.textId = b.ids[bit];
    return e;
  }
  if (s.workFlags & WorkFlag::InjectorWarming) return {3210, Rgb(255, 0, 0)};
  if (s.workFlags & WorkFlag::ColdLeaning)
    return {traits.stratifiedCharge ? 1737 : 4600, Rgb(0, 255, 0)};
  if (s.workFlags & WorkFlag::PetrolAddition) return {4560, Rgb(255, 255, 0)};
  return e;
}

InformationLine InformationOf(const DecodedStatus& s) {
  if (!s.Has(kSubRecord)) return InformationLine::None;
  switch (s.bytes[kSubRecord]) {
    case sub_record::Information:
      return InformationLine::Message;
    case sub_record::TrimsBank1:
    case sub_record::TrimsBank2:
      return InformationLine::Adaptation;
    default:
      return InformationLine::None;
  }
}

int InfoKindOf(const DecodedStatus& s, const FamilyTraits& traits) {
  if (!traits.gasController) return 0;
  if (s.information != InformationLine::None) return 1;
  constexpr uint8_t kFunctions =
      WorkFlag::InjectorWarming | WorkFlag::ColdLeaning | WorkFlag::PetrolAddition;
  return (s.workFlags & kFunctions) ? 2 : 0;
}

int Word(const DecodedStatus& s, int offset) {
  return s.bytes[offset] | s.bytes[offset + 1] << 8;
}

void DecodeInjection(DecodedStatus& s) {
  s.channels = 0;
  for (InjectionTime& t : s.injection) {
    const int at = kInjectionTimes + kInjectionRecordSize * s.channels;
    if (!s.Has(at, kInjectionRecordSize)) break;
    t.petrolMs = Word(s, at) * kInjectionTimeUnitMs;
    t.gasMs = Word(s, at + 2) * kInjectionTimeUnitMs;
    ++s.channels;
  }
}

void DecodeObd(DecodedStatus& s) {
  ObdStatus& o = s.obd;
  o = {};
  o.hasWord = s.length >= kObdWordNeeds;
  if (o.hasWord) o.word = static_cast<uint16_t>(Word(s, kObdRecord));
  if (s.Byte(kObdKind) != obd_kind::Ecus || !s.Has(kObdCount)) return;
  o.reportsEcus = true;
  const int reported = std::min(s.bytes[kObdCount] / 16, 4);
  while (o.ecuCount < reported && s.Has(kObdData + 4 * o.ecuCount, 4)) {
    const uint8_t* a = &s.bytes[kObdData + 4 * o.ecuCount];
    o.ecuAddresses[o.ecuCount++] =
        static_cast<uint32_t>(a[0]) << 24 | a[1] << 16 | a[2] << 8 | a[3];
  }
}

}  // namespace

void TakeFrame(uint8_t code, std::span<const uint8_t> frame, DecodedStatus& status) {
  const int length = static_cast<int>(std::min<size_t>(frame.size(), DecodedStatus::kMaxLength));
  std::copy_n(frame.begin(), length, status.bytes.begin());
  if (status.length > length)
    std::fill(status.bytes.begin() + length, status.bytes.begin() + status.length, 0);
  status.length = length;
  status.code = code;
}

void DecodeStatus(const StatusContext& context, DecodedStatus& s) {
  const FamilyTraits& traits = TraitsOf(context.family);
  s.hasWorkState = s.Has(kWorkState, 2);
  s.statusWord = static_cast<uint16_t>(s.hasWorkState ? Word(s, kWorkState) : 0);
  s.workFlags = s.Byte(kWorkFlags);
  s.workState = s.hasWorkState ? WorkStateOf(context.family, s.statusWord) : WorkState{};
  s.event = EventOf(s, traits);
  s.information = InformationOf(s);
  s.infoKind = InfoKindOf(s, traits);
  s.hasLeds = s.Has(kLeds, 2);
  s.leds = s.hasLeds ? LedColours(s.bytes[kLeds], s.bytes[kLeds + 1]) : std::array<uint32_t, 7>{};
  DecodeInjection(s);
  DecodeObd(s);
  s.values.resize(context.definitions.size());
  for (size_t i = 0; i < context.definitions.size(); ++i)
    s.values[i] =
        DecodeLiveValue(context.definitions[i], s, context.settings, context.decimalSeparator);
}

LiveValue DecodeLiveValue(const Wykres& w, const DecodedStatus& s, const uint8_t* settings,
                          char decimalSeparator) {
  LiveValue v;
  const int at = w.przesuniecie;
  auto number = [&](double raw) {
    v.numeric = true;
    v.value = raw * w.skala;
    if (w.rodzaj == 26) v.value = v.value * 3 + 7.35;  // volts of a wide-band probe as AFR
    FormatNumberInto(v.text, v.value, std::min(w.miejsca, 3), decimalSeparator);
  };
  auto text = [&](const char* t) { v.text = t; };
  if (w.rodzaj == 12) {  // the injector opening time, from the settings
    v.present = settings != nullptr;
    if (v.present) {
      v.numeric = true;
      v.value = settings[89] * 0.004 - (settings[90] - 128) * 0.02;
      FormatNumberInto(v.text, v.value, 3, decimalSeparator);
    }
    return v;
  }
  const bool twoBytes = w.rodzaj == 11 || w.rodzaj == 14 || w.rodzaj == 21 || w.rodzaj == 26;
  v.present = s.Has(at, twoBytes ? 2 : 1);
  if (!v.present) return v;
  const int b0 = s.bytes[at];
  const int b1 = twoBytes ? s.bytes[at + 1] : 0;
  switch (w.rodzaj) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
      number((b0 >> w.rodzaj) & 1);
      break;
    case 10:
      number(b0);
      break;
    case 11:
    case 26:
      number(b0 + 256 * b1);
      break;
    case 14:
      number(b0 + 256 * (b1 & 0x0F));
      break;
    case 20:
      number(b0 - 128);
      break;
    case 21:
      number(b0 + 256 * b1 - 273);
      break;
    case 22:
      b0 == 0 ? text("-") : number((b0 - 128) * 100.0 / 128);
      break;
    case 23: {
      static constexpr std::pair<int, const char*> kFuelSystem[] = {
          {1, "OL"}, {2, "CL"}, {4, "OL Load"}, {8, "OL Fault"}, {16, "CL Error"}};
      text("-");
      for (const auto& [code, name] : kFuelSystem)
        if (b0 == code) text(name);
      break;
    }
    case 24:
      b0 == 0 ? text("-") : number(b0 - 40);
      break;
    case 25:
      b0 == 0 ? text("-") : number((b0 - 128) * 0.5);
      break;
    default:
      text(" ");
      break;
  }
  return v;
}

WorkState WorkStateOf(Family family, uint16_t statusWord) {
  const FamilyTraits& traits = TraitsOf(family);
  if (traits.gasController) return GasControllerState(statusWord);
  if (traits.emulator)
    return (statusWord & 0xFF) == 0 ? WorkState{1244, 1245, 0x0000FF}
                                    : WorkState{1249, 1250, 0x00A000};
  return {};
}

std::array<uint32_t, 7> LedColours(uint8_t byte13, uint8_t byte14) {
  constexpr uint32_t kGreen = Rgb(0, 160, 0), kRed = Rgb(200, 0, 0), kOff = 0;
  auto twoColour = [&](uint8_t b) { return (b & 0x02) ? kGreen : (b & 0x01) ? kRed : kOff; };
  std::array<uint32_t, 7> leds{};
  for (int i = 0; i < 4; ++i)
    leds[i] = (byte13 & (0x20 >> i)) ? kGreen : kOff;
  leds[4] = twoColour(byte13);
  leds[5] = twoColour(byte14);
  leds[6] = (byte14 & 0x04) ? kRed : kOff;
  return leds;
}
