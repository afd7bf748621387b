// Live parameters of the last decoded status frame, and the work state as text.

#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

bool TSterownik::MatchesMask(const Wykres& w, int mask) const {
  if (paramAdmin_) {
    if (mask & (ChartPlace::ScopeList | ChartPlace::Offered))
      mask |= ChartPlace::AdminOfferedOrScope;
    if (mask & ChartPlace::ScopeList) mask |= ChartPlace::AdminScope;
  }
  return (w.flagi & mask) != 0;
}

int TSterownik::PodajIleParamBiez(int mask) const {
  int count = 0;
  for (const Wykres& w : listaWykresow_)
    count += MatchesMask(w, mask);
  return count;
}

int TSterownik::PodajPozycje(int mask, int n) const {
  for (size_t i = 0; i < listaWykresow_.size(); ++i)
    if (MatchesMask(listaWykresow_[i], mask) && n-- == 0) return static_cast<int>(i);
  return static_cast<int>(listaWykresow_.size());
}

std::string TSterownik::StrParamBiez(int mask, int n) {
  const size_t i = static_cast<size_t>(PodajPozycje(mask, n));
  if (i >= listaWykresow_.size() || i >= status_.values.size()) return {};
  const LiveValue& v = status_.values[i];
  if (!v.present) return {};
  Wykres& w = listaWykresow_[i];
  if (w.rodzaj == 12) return v.text;  // from the settings: never compared
  if (!v.numeric) {
    if (v.text == "-") w.ostatnia = kNothingShown;
    return v.text;
  }
  if (v.value == w.ostatnia) return {};
  w.ostatnia = v.value;
  return v.text;
}

std::string TSterownik::StrStanPracy(int status, int longForm) const {
  const WorkState s = WorkStateOf(Rodzina(), static_cast<uint16_t>(status));
  const int id = longForm == 1 ? s.longText : s.shortText;
  return id ? LangText(id) : std::string();
}

uint32_t TSterownik::KolorStanuPracy(int status) const {
  return WorkStateOf(Rodzina(), static_cast<uint16_t>(status)).colour;
}

std::string TSterownik::StrInfoPracy(const DecodedStatus& status) const {
  std::string text;
  if (status.information == InformationLine::Message && status.Has(status_frame::kSubData))
    text = MessageText(status.bytes[status_frame::kSubData]);
  if (status.information == InformationLine::Adaptation) text = LangText(3810);
  if (!text.empty()) return text;
  const int flags = status.workFlags;
  if (flags & WorkFlag::InjectorWarming) return LangText(3210);  // "Turn on injectors warming"
  if (flags & WorkFlag::ColdLeaning) return LangText(Traits().stratifiedCharge ? 1737 : 4600);
  if (flags & WorkFlag::PetrolAddition) return LangText(4560);  // "Petrol addition"
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
