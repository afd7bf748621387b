#pragma once

#include <string>

#include "cli/LinkRun.h"

// One change of a setting through the editor's rules, written, acknowledged and read back.
// typed is the value as the program prints it, or the raw byte when raw is set.
int SetSetting(TSterownik& link, int setting, const std::string& typed, bool raw,
               const CommandTime& time);
