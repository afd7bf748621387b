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
      {10, {1811, 1812, 1813, 1814, 1815, 1816, 1817}},
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

// The tab captions speak only while the engine turns, like the event texts.
void DecodeTabMarks(DecodedStatus& s, const FamilyTraits& traits) {
  s.diagnosticsTab = s.obdTab = TabMark::Keep;
  if (!traits.gasController || (s.workFlags & 3) != 3) return;
  s.diagnosticsTab = (s.workFlags & WorkFlag::ErrorPresent) ? TabMark::Fault
                     : (s.workFlags & (WorkFlag::DiagnosticNotice | WorkFlag::FaultsStored))
                         ? TabMark::Good
                         : TabMark::Normal;
  if (s.Byte(kObdRecord + 1) != obd_word::kModuleReports) return;
  const uint8_t flags = s.Byte(obd_word::kModuleFlags);
  s.obdTab = (flags & obd_word::kCodesStored)  ? TabMark::Fault
             : (flags & obd_word::kCodesClear) ? TabMark::Good
                                               : TabMark::Normal;
}

bool Has(std::span<const uint8_t> frame, int offset, int count = 1) {
  return offset >= 0 && static_cast<size_t>(offset) + static_cast<size_t>(count) <= frame.size();
}

uint8_t ByteAt(std::span<const uint8_t> frame, int offset) {
  return Has(frame, offset) ? frame[static_cast<size_t>(offset)] : 0;
}

int Word(std::span<const uint8_t> bytes, int offset) {
  return bytes[static_cast<size_t>(offset)] | bytes[static_cast<size_t>(offset) + 1] << 8;
}

InformationLine InformationOf(std::span<const uint8_t> frame) {
  if (!Has(frame, kSubRecord)) return InformationLine::None;
  switch (frame[kSubRecord]) {
    case sub_record::Information:
      return InformationLine::Message;
    case sub_record::TrimsBank1:
    case sub_record::TrimsBank2:
      return InformationLine::Adaptation;
    default:
      return InformationLine::None;
  }
}

int InfoKindOf(std::span<const uint8_t> frame, const FamilyTraits& traits) {
  if (!traits.gasController) return 0;
  if (InformationOf(frame) != InformationLine::None) return 1;
  constexpr uint8_t kFunctions =
      WorkFlag::InjectorWarming | WorkFlag::ColdLeaning | WorkFlag::PetrolAddition;
  return (ByteAt(frame, kWorkFlags) & kFunctions) ? 2 : 0;
}

WorkState WorkStateOfFrame(Family family, std::span<const uint8_t> frame) {
  if (!Has(frame, kWorkState, 2)) return {};
  return WorkStateOf(family, static_cast<uint16_t>(Word(frame, kWorkState)));
}

void DecodeInjection(DecodedStatus& s) {
  s.channels = 0;
  for (InjectionTime& t : s.injection) {
    const int at = kInjectionTimes + kInjectionRecordSize * s.channels;
    if (!s.Has(at, kInjectionRecordSize)) break;
    t.petrolMs = Word(s.bytes, at) * kInjectionTimeUnitMs;
    t.gasMs = Word(s.bytes, at + 2) * kInjectionTimeUnitMs;
    ++s.channels;
  }
}

void DecodeObd(DecodedStatus& s) {
  ObdStatus& o = s.obd;
  o = {};
  o.hasWord = s.length >= kObdWordNeeds;
  if (o.hasWord) o.word = static_cast<uint16_t>(Word(s.bytes, kObdRecord));
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
  status.mapsChanged = false;
}

void DecodeStatus(const StatusContext& context, DecodedStatus& s) {
  const FamilyTraits& traits = TraitsOf(context.family);
  s.hasWorkState = s.Has(kWorkState, 2);
  s.statusWord = static_cast<uint16_t>(s.hasWorkState ? Word(s.bytes, kWorkState) : 0);
  s.workFlags = s.Byte(kWorkFlags);
  s.workState = WorkStateOfFrame(context.family, s.Frame());
  s.event = EventOf(s, traits);
  DecodeTabMarks(s, traits);
  s.information = InformationOf(s.Frame());
  s.infoKind = InfoKindOf(s.Frame(), traits);
  s.hasLeds = s.Has(kLeds, 2);
  s.leds = s.hasLeds ? LedColours(s.bytes[kLeds], s.bytes[kLeds + 1]) : std::array<uint32_t, 7>{};
  s.levelLeds = s.Has(kLeds) ? s.bytes[kLeds] : -1;
  s.levelVoltage = s.Has(kLevelVoltage) ? s.bytes[kLevelVoltage] : -1;
  s.rpmTens = s.Has(kRpmTens, 2) ? s.Word(kRpmTens) : -1;
  s.detectedChannels = std::clamp(s.length - kDetectedOrder, 0, 8);
  s.detectedOrder = {};
  std::copy_n(s.bytes.begin() + kDetectedOrder, s.detectedChannels, s.detectedOrder.begin());
  DecodeInjection(s);
  DecodeObd(s);
  s.serviceDataChanged = s.Byte(kSubRecord) == sub_record::Eeprom2Byte && s.Has(kSubData);
  s.values.resize(context.definitions.size());
  for (size_t i = 0; i < context.definitions.size(); ++i)
    s.values[i] = DecodeLiveValue(context.definitions[i], s.Frame(), context.settings,
                                  context.decimalSeparator);
}

int ValueBytes(int type) {
  switch (type) {
    case 11:
    case 14:
    case 21:
    case 26:
      return 2;
    case 12:
      return 0;
    default:
      return 1;
  }
}

RawValue DecodeRawValue(const Wykres& w, std::span<const uint8_t> frame, const uint8_t* settings) {
  auto number = [](double raw) { return RawValue{true, true, raw, ""}; };
  auto text = [](const char* t) { return RawValue{true, false, 0.0, t}; };
  if (w.rodzaj == 12) {  // the injector opening time in ms, from the settings
    if (settings == nullptr) return {};
    return number(settings[89] * 0.004 - (settings[90] - 128) * 0.02);
  }
  const int at = w.przesuniecie;
  const int bytes = ValueBytes(w.rodzaj);
  if (!Has(frame, at, bytes)) return {};
  const int b0 = frame[static_cast<size_t>(at)];
  const int b1 = bytes == 2 ? frame[static_cast<size_t>(at) + 1] : 0;
  switch (w.rodzaj) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
      return number((b0 >> w.rodzaj) & 1);
    case 10:
      return number(b0);
    case 11:
    case 26:
      return number(b0 + 256 * b1);
    case 14:
      return number(b0 + 256 * (b1 & 0x0F));
    case 20:
      return number(b0 - 128);
    case 21:
      return number(b0 + 256 * b1 - 273);
    case 22:
      return b0 == 0 ? text("-") : number((b0 - 128) * 100.0 / 128);
    case 23: {
      static constexpr std::pair<int, const char*> kFuelSystem[] = {
          {1, "OL"}, {2, "CL"}, {4, "OL Load"}, {8, "OL Fault"}, {16, "CL Error"}};
      for (const auto& [code, name] : kFuelSystem)
        if (b0 == code) return text(name);
      return text("-");
    }
    case 24:
      return b0 == 0 ? text("-") : number(b0 - 40);
    case 25:
      return b0 == 0 ? text("-") : number((b0 - 128) * 0.5);
    default:
      return text(" ");
  }
}

double ScaledValue(const Wykres& w, double raw) {
  return w.rodzaj == 12 ? raw : raw * w.skala;
}

LiveValue DecodeLiveValue(const Wykres& w, std::span<const uint8_t> frame, const uint8_t* settings,
                          char decimalSeparator) {
  const RawValue raw = DecodeRawValue(w, frame, settings);
  LiveValue v;
  v.present = raw.present;
  v.numeric = raw.numeric;
  if (!raw.numeric) {
    v.text = raw.text;
    return v;
  }
  v.value = ScaledValue(w, raw.number);
  if (w.rodzaj == 26) v.value = v.value * 3 + 7.35;  // volts of a wide-band probe as AFR
  const int decimals = w.rodzaj == 12 ? 3 : std::min(w.miejsca, 3);
  FormatNumberInto(v.text, v.value, decimals, decimalSeparator);
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

WorkMarks WorkMarksOf(Family family, std::span<const uint8_t> frame) {
  return {WorkStateOfFrame(family, frame).colour, InfoKindOf(frame, TraitsOf(family))};
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
