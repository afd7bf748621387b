#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/LinkRun.h"
#include "controller/WriteCheck.h"

// One change of a setting through the editor's rules, written, acknowledged and read back.
// typed is the value as the program prints it, or the raw byte when raw is set; administrator
// opens the settings the editor shows only in administrator mode.
int SetSetting(TSterownik& link, int setting, const std::string& typed, bool raw,
               bool administrator, const CommandTime& time);

// Every setting's value as the program prints it, to tell afterwards what a change drove.
std::vector<std::string> ShownValues(const TSterownik& link);
// Waits until the areas the changes asked to write, and the commands named, have gone to the
// controller and were read back; prints each setting whose value differs from before.
int ConfirmWrites(TSterownik& link, const std::vector<std::string>& before, const CommandTime& time,
                  uint32_t commands = 0);
// Names the map cells the controller learned between a write and its read-back, if any: they
// differ from what was written without being lost.
void TellLearnedCells(const TSterownik& link, const WriteCheck& written);
