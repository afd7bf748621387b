#pragma once

#include <cstdint>
#include <string>

// The names of the data areas (AreaBit) as installers and the design know them, for reports:
// "Nastawy (page 0), Mnoznik1, MapaEcuBen". Listed in the order of the bits.
std::string AreaNames(uint32_t areas);
