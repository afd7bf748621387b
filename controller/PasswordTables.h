#pragma once

#include <array>
#include <cstdint>

// The constants the password record is built from: the same in every installation.
namespace password_tables {

extern const std::array<uint8_t, 256> kFiller;
extern const std::array<uint8_t, 256> kSubstitution;

}  // namespace password_tables
