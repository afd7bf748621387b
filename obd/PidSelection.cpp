#include "obd/PidSelection.h"

namespace {
bool InCatalogue(int pid) {
  return pid >= 0 && pid < kPidCount;
}
}  // namespace

void PidSelection::Toggle(int pid) {
  if (InCatalogue(pid) && Obslugiwany[pid]) Wybrany.flip(pid);
}

bool PidSelection::Polled(int pid) const {
  return InCatalogue(pid) && Obslugiwany[pid] && Wybrany[pid];
}

int PidSelection::PodajIlePidWybranych() const {
  return static_cast<int>((Obslugiwany & Wybrany).count());
}

const char* PidSelection::Mark(int pid) const {
  if (!InCatalogue(pid) || !Obslugiwany[pid]) return "x";
  return Wybrany[pid] ? "on" : "off";
}
