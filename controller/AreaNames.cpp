#include "controller/AreaNames.h"

#include <utility>

#include "controller/Protocol.h"

namespace {

using namespace AreaBit;

constexpr std::pair<uint32_t, const char*> kNames[] = {
    {Settings, "Nastawy (page 0)"},
    {Multiplier1, "Mnoznik1"},
    {Multiplier2, "Mnoznik2"},
    {RpmCorrection1, "KorOdObr1"},
    {RpmCorrection2, "KorOdObr2"},
    {Settings2, "Nastawy (page 1)"},
    {History, "HistoriaZmian"},
    {PressureCorrection, "KorOdCis"},
    {ReducerTempCorrection, "KorOdTempRed"},
    {GasTempCorrection, "KorOdTempGazu"},
    {EmulatorHi, "EmulacjaHi"},
    {Admixture, "Domieszka"},
    {PressureMap, "MapaCis"},
    {Description, "OpisSterownika"},
    {Password, "the password record"},
    {PetrolMap, "MapaEcuBen"},
    {GasMap, "MapaEcuGaz"},
    {EmulatorLo, "EmulacjaLo"},
    {GasAdvance, "PrzesGaz"},
    {PetrolDose, "DawkaBen"},
    {ObdPetrolMap1, "MapaObdBen1"},
    {ObdGasMap1, "MapaObdGaz1"},
    {ObdPetrolMap2, "MapaObdBen2"},
    {ObdGasMap2, "MapaObdGaz2"},
};

}  // namespace

std::string AreaNames(uint32_t areas) {
  std::string names;
  for (const auto& [bit, name] : kNames) {
    if (!(areas & bit)) continue;
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}
