#include "controller/ParamList.h"

#include "controller/Tsterownik.h"

namespace {

constexpr int kOffered = 0x02;
constexpr int kReadingsPanel = 0x20;

}  // namespace

std::vector<int> ParamListRows(const TSterownik& link) {
  std::vector<int> rows;
  const int count = link.PodajIleParamBiez(kOffered);
  for (int n = 0; n < count; ++n)
    rows.push_back(link.PodajPozycje(kOffered, n));
  return rows;
}

void ToggleReadingsPanel(TSterownik& link, int definition) {
  if (definition < 0 || definition >= static_cast<int>(link.ListaWykresow.size())) return;
  Wykres& w = link.ListaWykresow[definition];
  w.flagi ^= kReadingsPanel;
  w.ostatnia = -999.0;
}
