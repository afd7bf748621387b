#include "controller/ParamList.h"

#include "controller/Tsterownik.h"

std::vector<int> ParamListRows(const TSterownik& link) {
  std::vector<int> rows;
  const int count = link.PodajIleParamBiez(ChartPlace::Offered);
  for (int n = 0; n < count; ++n)
    rows.push_back(link.PodajPozycje(ChartPlace::Offered, n));
  return rows;
}
