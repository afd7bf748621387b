#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controller/Nastawa.h"

// The settings catalogues of the controller families, built from the data tables for one
// firmware version, and the texts their values show as.

inline constexpr int kSettingsCount = 512;
using Katalog = std::array<Nastawa, kSettingsCount>;
using ObrazNastaw = std::array<uint8_t, kSettingsCount>;

// The list of the MALVER families (2, 5, 6) and the rail-pressure emulator.
Katalog MalverCatalogue(int firmware);
// The list of the KAVI family; boardVariant is img 322.
Katalog KaviCatalogue(int firmware, int boardVariant);

// The default image stored for a firmware version, as the controllers of that version were
// delivered: the catalogue defaults with the settings that differ, page 0's checksum in byte 0.
// Returns false when no image is stored for that version. 256-byte images fill page 0 only.
bool StoredDefaultImage(bool kavi, int firmware, ObrazNastaw& image, int& size);

// Byte 0 of a 256-byte settings page: makes the page add up to 0.
uint8_t PageChecksum(const uint8_t* page);
