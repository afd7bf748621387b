#pragma once

#include <string>

#include "cli/LinkRun.h"

// The learned injection-time maps and the multiplier as the map view computes them: read from
// a controller or a settings file and listed as tables, or as comma-separated values.

enum class MapListing { All, Petrol, Gas, Deviation, Multiplier };

// "petrol", "gas", "deviation" or "multiplier"; false for anything else.
bool ParseMapListing(const std::string& name, MapListing& listing);

// Asks the controller for both maps, both multipliers and the settings, waits for them and
// lists them.
int MapFromController(TSterownik& link, MapListing listing, bool csv, const CommandTime& time);
int MapFromSettingsFile(TSterownik& link, const std::string& path, MapListing listing, bool csv);
