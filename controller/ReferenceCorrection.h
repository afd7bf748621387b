#pragma once

#include <array>
#include <cstdint>

// The constant tables behind the reference correction (setting 94): the factor of a gas
// pressure, indexed by hundredths of a bar plus the pressure sensor's offset, and the factor
// of a gas temperature byte. 128 stands for a factor of one in both.
extern const std::array<uint8_t, 512> TablicaCisnienia;
extern const std::array<uint8_t, 256> TablicaTemperatury;
