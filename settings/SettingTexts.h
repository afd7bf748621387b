#pragma once

#include <string>
#include <vector>

class TSterownik;

// How a setting's value reads in the editor, its lists and the dialogs: the catalogue's text
// for its kind, with the options of the lists the editor holds itself. value -1 is the
// setting's current value; a list value outside the setting's range reads "?".
std::string ValueText(const TSterownik& link, int setting, int value = -1);

// Every option of a list setting, from its minimum to its maximum.
std::vector<std::string> OptionTexts(const TSterownik& link, int setting);
