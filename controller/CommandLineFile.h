#pragma once

#include <string>

// What the program opens after its splash for a file named on its command line.
enum class CommandLineFile { None, Settings, Scope };

// A settings file (".set") or a scope recording (".osc"), by the exact, case-sensitive
// extension: "preset" or "x.offset" are neither. Whether the file exists is the caller's
// question.
CommandLineFile CommandLineFileKind(const std::string& path);
