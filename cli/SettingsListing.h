#pragma once

#include <string>

#include "controller/Tsterownik.h"

// A setting's name, and its value as the editor shows it with its unit.
std::string SettingName(const TSterownik& link, int setting);
std::string ShownValue(const TSterownik& link, int setting);

// One line per setting the editor offers: number, name, value and unit, and "!" where the
// value lies outside its allowed or normal range.
void PrintSettings(const TSterownik& link);
