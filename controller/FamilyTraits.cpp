#include "controller/FamilyTraits.h"

#include <algorithm>
#include <iterator>

namespace {

using namespace area_set;

// clang-format off
constexpr FamilyTraits kFamilies[] = {
  // family               gas     emu     group entries required readOut                obdModule obdShown stratified locksTabs
  {Family::Rumo,          true,   false,  1,    14,     16,      kGasControllerReadOut, false,    true,    false,     false},
  {Family::Fortix,        true,   false,  2,    22,     16,      kGasControllerReadOut, true,     true,    false,     false},
  {Family::Lumo,          true,   false,  3,    14,     16,      kGasControllerReadOut, false,    false,   false,     false},
  {Family::Kavi,          true,   false,  4,    22,     17,      kGasControllerReadOut, true,     true,    true,      false},
  {Family::RailEmulator,  false,  true,   0,    0,      999,     kRailEmulatorReadOut,  false,    false,   false,     true},
  {Family::PumpEmulator,  false,  true,   0,    0,      999,     kPumpEmulatorReadOut,  false,    false,   false,     false},
};
constexpr FamilyTraits kUnknown =
  {Family::Unknown,       false,  false,  0,    0,      999,     0,                     false,    false,   false,     false};
// clang-format on

}  // namespace

const FamilyTraits& TraitsOf(Family family) {
  const auto it = std::find_if(std::begin(kFamilies), std::end(kFamilies),
                               [family](const FamilyTraits& t) { return t.family == family; });
  return it != std::end(kFamilies) ? *it : kUnknown;
}
