// Live parameters read straight from the last status frame, and the work state as text.

#include "controller/SettingsCatalogue.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr double kNothingShown = -999.0;

}  // namespace

bool TSterownik::MatchesMask(const Wykres& w, int mask) const {
  if (ParamAdmin) {
    if (mask & 0x03) mask |= 0x04;
    if (mask & 0x01) mask |= 0x08;
  }
  return (w.flagi & mask) != 0;
}

int TSterownik::PodajIleParamBiez(int mask) const {
  int count = 0;
  for (const Wykres& w : ListaWykresow)
    count += MatchesMask(w, mask);
  return count;
}

int TSterownik::PodajPozycje(int mask, int n) const {
  for (size_t i = 0; i < ListaWykresow.size(); ++i)
    if (MatchesMask(ListaWykresow[i], mask) && n-- == 0) return static_cast<int>(i);
  return static_cast<int>(ListaWykresow.size());
}

// The raw value of a definition in a frame; false with the text to show instead when the type
// gives a text ("-", a fuel-system state) or nothing known.
bool TSterownik::RawParamValue(const Wykres& w, const uint8_t* frame, double& raw,
                               std::string& text) const {
  const int b0 = frame[w.przesuniecie];
  const int b1 = frame[w.przesuniecie + 1];
  switch (w.rodzaj) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
      raw = (b0 >> w.rodzaj) & 1;
      return true;
    case 10:
      raw = b0;
      return true;
    case 11:
    case 26:
      raw = b0 + 256 * b1;
      return true;
    case 14:
      raw = b0 + 256 * (b1 & 0x0F);
      return true;
    case 20:
      raw = b0 - 128;
      return true;
    case 21:
      raw = b0 + 256 * b1 - 273;
      return true;
    case 22:
      raw = (b0 - 128) * 100.0 / 128;
      break;
    case 23: {
      static constexpr std::pair<int, const char*> kFuelSystem[] = {
          {1, "OL"}, {2, "CL"}, {4, "OL Load"}, {8, "OL Fault"}, {16, "CL Error"}};
      text = "-";
      for (const auto& [code, name] : kFuelSystem)
        if (b0 == code) text = name;
      return false;
    }
    case 24:
      raw = b0 - 40;
      break;
    case 25:
      raw = (b0 - 128) * 0.5;
      break;
    default:
      text = " ";
      return false;
  }
  if (b0 == 0) {  // types 22, 24, 25: no reading
    text = "-";
    return false;
  }
  return true;
}

std::string TSterownik::StrParamBiez(int mask, int n) {
  const int i = PodajPozycje(mask, n);
  if (i >= static_cast<int>(ListaWykresow.size())) return {};
  Wykres& w = ListaWykresow[i];
  if (w.rodzaj == 12) {
    const uint8_t* settings = Nastawy();
    return FormatNumber(settings[89] * 0.004 - (settings[90] - 128) * 0.02, 3);
  }
  double raw = 0;
  std::string text;
  if (!RawParamValue(w, BuforOdbioru.data(), raw, text)) {
    if (text == "-") w.ostatnia = kNothingShown;
    return text;
  }
  double value = raw * w.skala;
  if (w.rodzaj == 26) value = value * 3 + 7.35;  // volts of a wide-band probe as air-fuel ratio
  if (value == w.ostatnia) return {};
  w.ostatnia = value;
  return FormatNumber(value, w.miejsca > 3 ? 3 : w.miejsca);
}

namespace {

struct WorkState {
  int shortText, longText;
  uint32_t colour;
};

WorkState GasControllerState(int status) {
  const int flags = status >> 8;
  if (!(flags & 0x01)) return {1242, 1242, 0x808080};
  if (!(flags & 0x02)) return {1243, 1243, 0xC0C0C0};
  switch (status & 0xFF) {
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
      return {0, 0, 0};
  }
}

}  // namespace

TSterownik::WorkStateText TSterownik::StanPracy(int status) const {
  const int family = Rodzina();
  WorkState s{0, 0, 0};
  if (family == 8 || family == 13)
    s = (status & 0xFF) == 0 ? WorkState{1244, 1245, 0x0000FF} : WorkState{1249, 1250, 0x00A000};
  else if (img::IsGasControllerFamily(family))
    s = GasControllerState(status);
  return {s.shortText, s.longText, s.colour};
}

std::string TSterownik::StrStanPracy(int status, int longForm) const {
  const WorkStateText s = StanPracy(status);
  const int id = longForm == 1 ? s.longText : s.shortText;
  return id ? LangText(id) : std::string();
}

uint32_t TSterownik::KolorStanuPracy(int status) const {
  return StanPracy(status).colour;
}

int TSterownik::InfoPracy(const uint8_t* frame) const {
  if (!img::IsGasControllerFamily(Rodzina())) return 0;
  if (frame[6] == 240 || frame[6] == 243 || frame[6] == 244) return 1;
  if (frame[11] & 0xE0) return 2;
  return 0;
}

std::string TSterownik::StrInfoPracy(const uint8_t* frame) const {
  std::string text;
  if (frame[6] == 240) text = MessageText(frame[7]);
  if (frame[6] == 243 || frame[6] == 244) text = LangText(3810);  // "Adaptation"
  if (!text.empty()) return text;
  const int flags = frame[11];
  if (flags & 0x20) return LangText(3210);  // "Turn on injectors warming"
  if (flags & 0x40) return LangText(Rodzina() == 255 ? 1737 : 4600);
  if (flags & 0x80) return LangText(4560);  // "Petrol addition"
  return {};
}

// Switch-over reasons and active functions the controller reports by number.
std::string TSterownik::MessageText(int number) {
  struct Message {
    int first, last, firstId;
  };
  static constexpr Message kRuns[] = {
      {1, 17, 2001},  {20, 24, 2024}, {25, 25, 2022}, {26, 26, 2023}, {32, 34, 2018},
      {35, 35, 2021}, {49, 49, 4600}, {50, 50, 4560}, {51, 51, 4350}, {52, 52, 4340},
      {53, 53, 4330}, {54, 54, 3700}, {55, 55, 3230}, {56, 56, 4680}, {57, 57, 4430},
      {58, 58, 1218}, {60, 60, 2029}, {61, 61, 2030}, {63, 63, 1255}, {64, 64, 1256}};
  for (const Message& m : kRuns)
    if (number >= m.first && number <= m.last) return LangText(m.firstId + number - m.first);
  switch (number) {
    case 59:
      return "Kick down";
    case 65:
      return "Pending DTC";
    case 66:
      return "Stored DTC";
    default:
      return {};
  }
}
