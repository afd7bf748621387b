#pragma once

#include <string>

#include "controller/SettingsCatalogue.h"
#include "files/FileIo.h"

// The developers' view of the settings catalogues: a plain list of every named setting, and a C
// header per catalogue that names each setting's byte of the settings image. Names are English.

// The firmware whose catalogues are exported when no controller says otherwise.
inline constexpr int kNewestFirmware = 18;

// One line per named setting: number, name, minimum, default, maximum, scale and unit.
std::string CatalogueList(const Katalog& catalogue);
// "#define <PREFIX>_<NAME> <number>" per named setting, inside an include guard.
std::string CatalogueHeader(const Katalog& catalogue, const std::string& prefix);

// Into an existing folder (a missing one is refused and nothing is written), for the firmware:
// "Lista nastaw.txt" with both catalogues, or "Nastawy MALVER.h" and "Nastawy KAVI.h".
FileResult ExportCatalogueList(const std::string& folder, int firmware);
FileResult ExportCatalogueHeaders(const std::string& folder, int firmware);
