#pragma once

#include <string>
#include <vector>

#include "controller/Wykres.h"

class TSterownik;

// The rules of the parameter list window, where the installer picks the readings panel's
// parameters.

// The definitions the window offers (flag 0x02), in list order.
std::vector<int> ParamListRows(const TSterownik& link);

// A trace's name in the scope's channel list: the KAVI injector-channel traces are named like
// the injection-time columns, starred.
std::string ScopeChannelText(const Wykres& definition);

// Definitions 15..22 are read from the car through OBD; the window names them in its second
// font colour.
inline bool IsObdDerived(int definition) {
  return definition >= 15 && definition <= 22;
}
