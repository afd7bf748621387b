#pragma once

#include <vector>

class TSterownik;

// The rules of the parameter list window, where the installer picks the readings panel's
// parameters.

// The definitions the window offers (flag 0x02), in list order.
std::vector<int> ParamListRows(const TSterownik& link);

// Definitions 15..22 are read from the car through OBD; the window names them in its second
// font colour.
inline bool IsObdDerived(int definition) {
  return definition >= 15 && definition <= 22;
}
