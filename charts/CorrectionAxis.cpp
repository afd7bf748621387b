#include "charts/CorrectionAxis.h"

#include "charts/MapSettings.h"
#include "controller/Protocol.h"
#include "controller/Tsterownik.h"

namespace chart {

void ZmienOsKorekt(TSterownik& link) {
  const int axis = link.Nastawy()[setting::kCorrectionAxis];
  link.ChangeSetting(setting::kCorrectionAxis, axis ^ 1, 0);
  // The controller must hold the new axis before it answers for the tables. Both requests go
  // now and nothing waits: the scheduler sends no read while a write is pending or not yet
  // acknowledged, so the settings go first.
  link.CzytajZeSterownika(AreaBit::RpmCorrection1 | AreaBit::RpmCorrection2);
}

int TekstOsiKorekt(const TSterownik& link) {
  return link.Nastawy()[setting::kCorrectionAxis] != 0 ? 961 : 960;
}

}  // namespace chart
