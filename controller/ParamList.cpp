#include "controller/ParamList.h"

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

std::vector<int> ParamListRows(const TSterownik& link) {
  std::vector<int> rows;
  const int count = link.PodajIleParamBiez(ChartPlace::Offered);
  for (int n = 0; n < count; ++n)
    rows.push_back(link.PodajPozycje(ChartPlace::Offered, n));
  return rows;
}

std::string ScopeChannelText(const Wykres& definition) {
  constexpr int kFirstChannelTrace = 944, kLastChannelTrace = 955;
  const int name = definition.nazwa;
  if (name < kFirstChannelTrace || name > kLastChannelTrace) return " " + LangText(name);
  const int channel = (name - kFirstChannelTrace) / 2;
  const bool petrol = name % 2 == 0;
  return " *" + LangText((petrol ? 1501 : 1601) + channel);  // "P 1" ... / "G 1" ...
}
