#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/LinkRun.h"

// One change of a setting through the editor's rules, written, acknowledged and read back.
// typed is the value as the program prints it, or the raw byte when raw is set.
int SetSetting(TSterownik& link, int setting, const std::string& typed, bool raw,
               const CommandTime& time);

// Every setting's value as the program prints it, to tell afterwards what a change drove.
std::vector<std::string> ShownValues(const TSterownik& link);
// Waits until the areas the changes asked to write, and the commands named, have gone to the
// controller and were read back; prints each setting whose value differs from before.
int ConfirmWrites(TSterownik& link, const std::vector<std::string>& before, const CommandTime& time,
                  uint32_t commands = 0);
